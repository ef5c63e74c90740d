// SPDX-License-Identifier: MIT
#pragma once

namespace tessary {

// The file formats that schemes and palettes are exported to, in the order the save
// dialog lists them.
enum class ExchangeFormat {
    Css,          // CSS custom properties
    Json,         // our own JSON form
    DesignTokens, // design-token JSON (one colour token per colour)
    Gpl,          // GIMP palette
    Ase,          // Adobe Swatch Exchange
};

} // namespace tessary
