// SPDX-License-Identifier: MIT
#include "contrast/Oklab.h"

#include <cmath>

namespace tessary {

Oklab Oklab::fromLinear(const LinearRgb& c)
{
    const double l = std::cbrt(0.4122214708 * c.r + 0.5363325363 * c.g + 0.0514459929 * c.b);
    const double m = std::cbrt(0.2119034982 * c.r + 0.6806995451 * c.g + 0.1073969566 * c.b);
    const double s = std::cbrt(0.0883024619 * c.r + 0.2817188376 * c.g + 0.6299787005 * c.b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Oklab Oklab::fromColorValue(std::int32_t value) { return fromLinear(LinearRgb::fromColorValue(value)); }

LinearRgb Oklab::toLinear() const
{
    const double l1 = L + 0.3963377774 * a + 0.2158037573 * b;
    const double m1 = L - 0.1055613458 * a - 0.0638541728 * b;
    const double s1 = L - 0.0894841775 * a - 1.2914855480 * b;
    const double l = l1 * l1 * l1;
    const double m = m1 * m1 * m1;
    const double s = s1 * s1 * s1;
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

double Oklab::distance(const Oklab& x, const Oklab& y)
{
    return std::sqrt((x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b));
}

} // namespace tessary
