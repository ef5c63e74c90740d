// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

namespace tessary {

// One colour as CSS writes it, for the readers of token and style sheet files: any form the
// colour reader takes (hex codes with "#", names, rgb(), hsl(), oklch(), color() ...).
// Every reader of colour values in those files goes through here.
struct CssColorValue {
    std::int32_t color = 0; // red in the low byte
    bool opaque = true;     // false when an alpha below full was given

    static std::optional<CssColorValue> parse(QStringView text);
};

} // namespace tessary
