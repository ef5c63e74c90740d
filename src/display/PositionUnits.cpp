// SPDX-License-Identifier: MIT
#include "display/PositionUnits.h"

#include "platform/Numeric.h"

#include <algorithm>

namespace tessary {

namespace {
bool horizontal(int row) { return row == 0 || row == 2; }
} // namespace

std::int32_t PositionUnits::toDisplayUnit(int row, double twips, int unit, const ScreenMetrics& screen)
{
    const bool h = horizontal(row);
    switch (unit) {
    case Pixel: {
        const double perPixel = h ? screen.twipsPerPixelX : screen.twipsPerPixelY;
        return perPixel > 0 ? roundHalfEven(twips / perPixel) : 0;
    }
    case Percent: {
        const double size = h ? screen.screenWidth : screen.screenHeight;
        return size > 0 ? roundHalfEven(twips / size * 100.0) : 0;
    }
    default:
        return roundHalfEven(twips);
    }
}

double PositionUnits::toTwips(int row, double n, int unit, const ScreenMetrics& screen)
{
    const bool h = horizontal(row);
    switch (unit) {
    case Pixel:
        return n * (h ? screen.twipsPerPixelX : screen.twipsPerPixelY);
    case Percent:
        return n * (h ? screen.screenWidth : screen.screenHeight) / 100.0;
    default:
        return n;
    }
}

double PositionUnits::clampSize(double twips, double twipsPerPixel, double maxTwips)
{
    const double lo = std::max(twipsPerPixel, 1.0);
    return std::clamp(twips, lo, std::max(lo, maxTwips));
}

} // namespace tessary
