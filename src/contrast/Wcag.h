// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/LinearRgb.h"

#include <cstdint>

namespace tessary {

// WCAG 2.x relative luminance and contrast ratio. Verdicts are taken on the unrounded ratio:
// 4.4999:1 fails 4.5:1, whatever a display shows.
class Wcag {
public:
    enum class Level { AA, AAA };

    static constexpr double kAA = 4.5;
    static constexpr double kAAA = 7.0;
    static constexpr double kAALarge = 3.0;
    static constexpr double kAAALarge = 4.5;
    // Added to both luminances: the flare of the viewing conditions.
    static constexpr double kFlare = 0.05;

    // 0 (black) .. 1 (white): 0.2126 R + 0.7152 G + 0.0722 B on the sRGB decode.
    static double luminance(std::int32_t colorValue);
    static double luminance(const LinearRgb& rgb);
    // (lighter + 0.05) / (darker + 0.05), 1..21, the same in either order.
    static double ratio(double luminanceA, double luminanceB);
    static double contrast(std::int32_t colorA, std::int32_t colorB);

    // The ratio a text must reach for the level, as normal or as large text.
    static double threshold(Level level, bool large);
};

} // namespace tessary
