// SPDX-License-Identifier: MIT
#pragma once

#include "csscolor/CssColorForm.h"

#include <QString>
#include <cstdint>

namespace tessary {

// Writes a colour as CSS writes it: "#1A5FB4", "#1a5fb4", "rgb(26 95 180)",
// "hsl(213.45 74.47% 40.39%)", "oklch(48.87% 0.1423 258.13)". The decimals are as few as
// let every 8-bit colour read back as itself; trailing zeros are left out.
class CssColorWriter {
public:
    static QString write(std::int32_t color, CssColorForm form);

    // The numbers the text carries, rounded as written: hue in degrees, the rest as written
    // (percent for hsl() and oklch()'s lightness).
    static std::array<double, 3> hslNumbers(std::int32_t color);
    static std::array<double, 3> oklchNumbers(std::int32_t color);

    // value rounded to at most `decimals` places, without trailing zeros ("40.5", "0", "-3").
    static QString number(double value, int decimals);
};

} // namespace tessary
