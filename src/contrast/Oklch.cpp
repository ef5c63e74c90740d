// SPDX-License-Identifier: MIT
#include "contrast/Oklch.h"

#include <cmath>
#include <numbers>

namespace tessary {

namespace {
constexpr double kDegree = std::numbers::pi / 180.0;
}

Oklch Oklch::fromOklab(const Oklab& lab)
{
    const double c = std::hypot(lab.a, lab.b);
    if (c < kAchromatic)
        return {lab.L, 0.0, 0.0};
    double h = std::atan2(lab.b, lab.a) / kDegree;
    if (h < 0.0)
        h += 360.0;
    if (h >= 360.0)
        h -= 360.0;
    return {lab.L, c, h};
}

Oklch Oklch::fromColorValue(std::int32_t value) { return fromOklab(Oklab::fromColorValue(value)); }

Oklab Oklch::toOklab() const { return {L, C * std::cos(h * kDegree), C * std::sin(h * kDegree)}; }

} // namespace tessary
