// SPDX-License-Identifier: MIT
#include "pickers/CircleGeometry.h"

#include "platform/Numeric.h"

#include <cmath>

namespace tessary {

namespace {

// The angle of a point uses this shorter value of pi; the rounding to whole degrees of
// stored hues depends on it.
constexpr double kDegreesPerRadian = 180.0 / 3.141592;

} // namespace

void CircleGeometry::setCenter(std::int32_t x, std::int32_t y)
{
    m_centerX = x;
    m_centerY = y;
}

void CircleGeometry::setRadius(std::int32_t outer, std::int32_t inner)
{
    m_oRadius = outer;
    m_iRadius = inner;
}

QRect CircleGeometry::markerBox(double degrees) const
{
    constexpr int kSpare = 4;   // pixels beyond the ring on each side
    const Point middle = pointOnRay(degrees, (m_oRadius + m_iRadius) / 2.0);
    const int half = (m_oRadius - m_iRadius) / 2 + kSpare;
    return QRect(middle.x - half, middle.y - half, 2 * half + 1, 2 * half + 1);
}

CircleGeometry::Point CircleGeometry::pointOnRay(double degrees, double radius) const
{
    const double a = degrees * radPerDegree;
    return {roundHalfEven(m_centerX + radius * std::cos(a)), roundHalfEven(m_centerY + radius * std::sin(a))};
}

double CircleGeometry::getDegree(std::int16_t x, std::int16_t y) const
{
    const std::int32_t cx = m_centerX;
    const std::int32_t cy = m_centerY;
    if (x == cx && y == cy)
        return 0.0;
    if (x == cx)
        return y > cy ? 90.0 : 270.0;
    if (y == cy)
        return x > cx ? 0.0 : 180.0;
    const double slope = static_cast<double>(y - cy) / static_cast<double>(x - cx);
    const std::int32_t d = roundHalfEven(std::atan(slope) * kDegreesPerRadian);
    if (x > cx)
        return y < cy ? d + 360.0 : static_cast<double>(d);
    return d + 180.0;
}

} // namespace tessary
