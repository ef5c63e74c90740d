// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

namespace tessary {

// One colour as CSS writes it, for the readers of token and style sheet files. Today the
// forms our own exports write and hex: #rgb, #rgba, #rrggbb, #rrggbbaa, in either case.
// Every reader of colour values goes through here, so a fuller CSS colour reader can take
// its place in one spot.
struct CssColorValue {
    std::int32_t color = 0; // red in the low byte
    bool opaque = true;     // false when an alpha below full was given

    static std::optional<CssColorValue> parse(QStringView text);
};

} // namespace tessary
