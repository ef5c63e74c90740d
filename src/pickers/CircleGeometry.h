// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <cstdint>

namespace tessary {

// Geometry of the hue ring: a centre, an outer and an inner radius, points on the ray of
// an angle and the angle of a point. Coordinates are pixels with y growing downwards, so
// angles grow clockwise on the screen, 0 degrees pointing right.
class CircleGeometry {
public:
    struct Point {
        std::int32_t x = 0;
        std::int32_t y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };

    void setCenter(std::int32_t x, std::int32_t y);
    void setRadius(std::int32_t outer, std::int32_t inner);
    std::int32_t centerX() const { return m_centerX; }
    std::int32_t centerY() const { return m_centerY; }
    std::int32_t outerRadius() const { return m_oRadius; }
    std::int32_t innerRadius() const { return m_iRadius; }

    // The point at distance radius on the ray of the angle, coordinates rounded half to even.
    Point pointOnRay(double degrees, double radius) const;
    Point outerPoint(double degrees) const { return pointOnRay(degrees, m_oRadius); }
    Point innerPoint(double degrees) const { return pointOnRay(degrees, m_iRadius); }

    // A square centred on the middle of the ring on the ray of the angle, big enough to
    // hold the ring's width along that ray with a few pixels to spare.
    QRect markerBox(double degrees) const;

    // Whole degrees from 0 to 360 of the point seen from the centre; the centre gives 0 and
    // points just above the rightward axis give 360. The distance plays no part.
    double getDegree(std::int16_t x, std::int16_t y) const;

    // Radians per degree of the ray points, kept at the precision the ring was drawn with.
    static constexpr double radPerDegree = 3.14159265 / 180.0;

private:
    std::int32_t m_oRadius = 0;
    std::int32_t m_iRadius = 0;
    std::int32_t m_centerX = 0;
    std::int32_t m_centerY = 0;
};

} // namespace tessary
