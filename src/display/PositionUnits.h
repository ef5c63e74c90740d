// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessary {

// What the position dialog needs to know of the screen, all in twips but the ratios.
struct ScreenMetrics {
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
    double screenWidth = 0.0;     // twips
    double screenHeight = 0.0;    // twips
};

// Conversions between twips and the units the position dialog offers. Rows are 0 left (X),
// 1 top (Y), 2 width, 3 height: rows 0 and 2 use the horizontal measures, 1 and 3 the
// vertical ones. Units are the indices of the dialog's unit lists.
class PositionUnits {
public:
    enum Unit { Pixel = 0, Percent = 1, Twip = 2 };

    // The number shown for value (twips) in unit, to the nearest whole number (halves to
    // even). A percentage of a screen of no size shows 0.
    static std::int32_t toDisplayUnit(int row, double twips, int unit, const ScreenMetrics& screen);
    // The twips of number n given in unit, not rounded.
    static double toTwips(int row, double n, int unit, const ScreenMetrics& screen);
    // A width or height in twips kept between one pixel and maxTwips (which is raised to one
    // pixel if smaller).
    static double clampSize(double twips, double twipsPerPixel, double maxTwips);
};

} // namespace tessary
