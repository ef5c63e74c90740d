// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/Oklab.h"

namespace tessary {

// Oklab in polar form: L 0..1, chroma C >= 0, hue h in degrees 0..360 (exclusive).
// Below kAchromatic the hue is powerless: it is set to 0 with C, so that the noise hue of a
// grey never steers a computation.
struct Oklch {
    // Greys reach C of a few 1e-8; the least chromatic 8-bit colour has C of about 1e-3.
    static constexpr double kAchromatic = 1e-4;

    double L = 0.0;
    double C = 0.0;
    double h = 0.0;

    static Oklch fromOklab(const Oklab& lab);
    static Oklch fromColorValue(std::int32_t value);
    Oklab toOklab() const;

    bool hasHue() const { return C >= kAchromatic; }
};

} // namespace tessary
