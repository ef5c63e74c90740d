// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace tessary {

// Small text conversions shared by the export formats.
class ExchangeText {
public:
    // The text on one line: each line break (CR LF, CR or LF) and every other control
    // character but the tab becomes a space.
    static QString oneLine(const QString& text);
    // "#RRGGBB" in upper case for a colour value with red in the low byte.
    static QString hexCode(std::int32_t color);
    // The text made safe to stand inside a CSS comment: on one line, and "*/" cannot end
    // the comment early.
    static QString cssComment(const QString& text);
    // A channel 0..255 as a fraction 0..1 with at most four decimals ("0", "0.0667", "1"):
    // enough for every 8-bit value to come back exactly.
    static QString fraction(int channel);
};

} // namespace tessary
