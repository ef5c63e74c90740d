// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/Oklch.h"

namespace tessary {

// Brings an OKLCH colour into sRGB the way CSS Color 4 does: lower the chroma by binary
// search until clipping the rest moves the colour by less than a just-noticeable difference.
// Plain clipping shifts hue and lightness visibly and makes luminance non-monotone in L.
class GamutMap {
public:
    static constexpr double kJnd = 0.02;
    static constexpr double kEpsilon = 0.0001;

    // Always in gamut: L >= 1 gives white, L <= 0 black.
    static LinearRgb toSrgb(const Oklch& colour);
    static std::int32_t toColorValue(const Oklch& colour) { return toSrgb(colour).toColorValue(); }
};

} // namespace tessary
