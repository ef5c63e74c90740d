// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace tessary {

// Conversions between colour values and six-digit colour-code text (RRGGBB).
class colorCode {
public:
    // Note the argument order: red, blue, green. The text is nevertheless RRGGBB.
    QString getHexRGB(std::int32_t vRed, std::int32_t vBlue, std::int32_t vGreen) const;
    QString HSL2Munsell(double hue, double saturation, double lightness) const;
    // A code that is not exactly six characters gives 0 (black).
    std::int32_t HTML_RGB2VB_RGB(const QString& code) const;
    std::int32_t VB_RGB2API_RGB(std::int32_t c) const;
    std::int32_t API_RGB2VB_RGB(std::int32_t c) const;
    QString to2Digit(const QString& s) const;
};

} // namespace tessary
