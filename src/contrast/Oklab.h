// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/LinearRgb.h"

namespace tessary {

// A colour in Oklab: L 0 (black) .. 1 (white), a and b the opponent axes (about -0.4..0.4
// for sRGB colours).
struct Oklab {
    double L = 0.0;
    double a = 0.0;
    double b = 0.0;

    static Oklab fromLinear(const LinearRgb& rgb);
    static Oklab fromColorValue(std::int32_t value);
    // May lie outside 0..1 when the colour is outside sRGB.
    LinearRgb toLinear() const;

    // The Euclidean distance (deltaE OK).
    static double distance(const Oklab& x, const Oklab& y);
};

} // namespace tessary
