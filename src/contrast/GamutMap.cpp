// SPDX-License-Identifier: MIT
#include "contrast/GamutMap.h"

namespace tessary {

namespace {

// How far clipping moves a colour, and the clipped colour itself.
double clipDistance(const Oklab& lab, const LinearRgb& rgb, LinearRgb& clipped)
{
    clipped = rgb.clipped();
    return Oklab::distance(Oklab::fromLinear(clipped), lab);
}

} // namespace

LinearRgb GamutMap::toSrgb(const Oklch& colour)
{
    if (colour.L >= 1.0)
        return {1.0, 1.0, 1.0};
    if (colour.L <= 0.0)
        return {0.0, 0.0, 0.0};

    Oklch current = colour;
    const LinearRgb origin = current.toOklab().toLinear();
    if (origin.inGamut())
        return origin;

    LinearRgb clipped;
    if (clipDistance(current.toOklab(), origin, clipped) < kJnd)
        return clipped;

    double min = 0.0;
    double max = current.C;
    bool minInGamut = true;
    while (max - min > kEpsilon) {
        current.C = (min + max) / 2.0;
        const Oklab lab = current.toOklab();
        const LinearRgb rgb = lab.toLinear();
        if (minInGamut && rgb.inGamut()) {
            min = current.C;
            continue;
        }
        const double e = clipDistance(lab, rgb, clipped);
        if (e < kJnd) {
            if (kJnd - e < kEpsilon)
                return clipped;
            minInGamut = false;
            min = current.C;
        } else {
            max = current.C;
        }
    }
    return current.toOklab().toLinear().clipped();
}

} // namespace tessary
