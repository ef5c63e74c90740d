// SPDX-License-Identifier: MIT
#include "pickers/CircleGeometry.h"

#include <gtest/gtest.h>

using namespace tessary;

namespace {

CircleGeometry centredAt(int cx, int cy)
{
    CircleGeometry g;
    g.setCenter(cx, cy);
    g.setRadius(50, 20);
    return g;
}

} // namespace

TEST(CircleGeometry, DegreeOfAPoint)
{
    constexpr int cx = 66;
    constexpr int cy = 66;
    struct Row {
        const char* name;
        int dx, dy;
        double degrees;
    };
    const Row rows[] = {
        {"centre", 0, 0, 0},
        {"right", 10, 0, 0},
        {"down", 0, 10, 90},
        {"left", -10, 0, 180},
        {"up", 0, -10, 270},
        {"down-right", 10, 10, 45},
        {"down-left", -10, 10, 135},
        {"up-left", -10, -10, 225},
        {"up-right", 10, -10, 315},
        {"just above the rightward axis", 1000, -1, 360},
        {"just below the rightward axis", 1000, 1, 0},
        {"just above the leftward axis", -1000, -1, 180},
        {"inside the disc", 3, 1, 18},
        {"far outside the ring", 64, -64, 315},
        // 82.5000080 with the short pi, 82.4999908 with the exact one.
        {"short pi decides the rounding", 47, 357, 83},
        {"short pi decides the rounding, mirrored", -47, 357, 97},
    };
    const CircleGeometry g = centredAt(cx, cy);
    for (const Row& row : rows) {
        EXPECT_EQ(g.getDegree(static_cast<std::int16_t>(cx + row.dx), static_cast<std::int16_t>(cy + row.dy)),
                  row.degrees)
            << row.name;
    }
}

TEST(CircleGeometry, PointsOnARay)
{
    struct Row {
        double degrees, radius;
        CircleGeometry::Point expected;
    };
    const Row rows[] = {
        {0, 50, {116, 66}},  {90, 50, {66, 116}},  {180, 50, {16, 66}}, {270, 50, {66, 16}},
        {360, 20, {86, 66}}, {30, 50, {109, 91}},  {45, 20, {80, 80}},  {-1, 50, {116, 65}},
        {-1, 20, {86, 66}},  {-1, 60, {126, 65}},
    };
    const CircleGeometry g = centredAt(66, 66);
    for (const Row& row : rows)
        EXPECT_EQ(g.pointOnRay(row.degrees, row.radius), row.expected) << row.degrees << " / " << row.radius;
    EXPECT_EQ(g.outerPoint(90), (CircleGeometry::Point{66, 116}));
    EXPECT_EQ(g.innerPoint(90), (CircleGeometry::Point{66, 86}));
}
