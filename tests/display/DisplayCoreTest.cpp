// SPDX-License-Identifier: MIT
#include "display/PositionUnits.h"
#include "display/SchemeColors.h"
#include "display/TilePlan.h"

#include <gtest/gtest.h>

using namespace tessary;

TEST(TilePlan, CopiesInRowsFromTheTopLeft)
{
    struct Row {
        const char* name;
        int tw, th, w, h;
        std::vector<QPoint> expected;
    };
    const Row rows[] = {
        {"cut off at the right and bottom", 64, 64, 150, 100,
         {{0, 0}, {64, 0}, {128, 0}, {0, 64}, {64, 64}, {128, 64}}},
        {"larger than the area: one copy", 300, 200, 150, 100, {{0, 0}}},
        {"an exact multiple adds no copy", 50, 50, 100, 50, {{0, 0}, {50, 0}}},
        {"an empty area still gets one copy", 10, 10, 0, 0, {{0, 0}}},
        {"an empty tile counts as one pixel", 0, 0, 2, 1, {{0, 0}, {1, 0}}},
    };
    for (const Row& r : rows) {
        const TilePlan plan(r.tw, r.th, r.w, r.h);
        EXPECT_EQ(plan.positions(), r.expected) << r.name;
        EXPECT_EQ(plan.count(), static_cast<int>(r.expected.size())) << r.name;
    }
}

TEST(PositionUnits, Conversions)
{
    // 15 twips per pixel across, 12 down; a screen 15360 x 11520 twips.
    const ScreenMetrics screen{15.0, 12.0, 15360.0, 11520.0};
    struct Row {
        const char* name;
        int row;
        double twips;
        int unit;
        std::int32_t shown;
    };
    const Row rows[] = {
        {"X in pixels", 0, 3000, PositionUnits::Pixel, 200},
        {"X in twips", 0, 3000, PositionUnits::Twip, 3000},
        {"X in percent: 19.53 shows 20", 0, 3000, PositionUnits::Percent, 20},
        {"Y uses the vertical ratio", 1, 3000, PositionUnits::Pixel, 250},
        {"height uses the screen height", 3, 5760, PositionUnits::Percent, 50},
        {"width uses the screen width", 2, 7680, PositionUnits::Percent, 50},
        {"half a pixel rounds to even", 0, 22.5, PositionUnits::Pixel, 2},
        {"negative positions", 0, -1500, PositionUnits::Pixel, -100},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(PositionUnits::toDisplayUnit(r.row, r.twips, r.unit, screen), r.shown) << r.name;
    }
    EXPECT_DOUBLE_EQ(PositionUnits::toTwips(2, 50, PositionUnits::Percent, screen), 7680.0);
    EXPECT_DOUBLE_EQ(PositionUnits::toTwips(0, 200, PositionUnits::Pixel, screen), 3000.0);
    EXPECT_DOUBLE_EQ(PositionUnits::toTwips(3, 10, PositionUnits::Pixel, screen), 120.0);
    EXPECT_DOUBLE_EQ(PositionUnits::toTwips(1, 3000, PositionUnits::Twip, screen), 3000.0);
    // A screen of no size shows no percentage rather than dividing by zero.
    EXPECT_EQ(PositionUnits::toDisplayUnit(0, 3000, PositionUnits::Percent, ScreenMetrics{15, 15, 0, 0}), 0);
}

TEST(PositionUnits, SizesStayBetweenOnePixelAndTheLargest)
{
    EXPECT_DOUBLE_EQ(PositionUnits::clampSize(0, 15, 28800), 15);
    EXPECT_DOUBLE_EQ(PositionUnits::clampSize(-300, 15, 28800), 15);
    EXPECT_DOUBLE_EQ(PositionUnits::clampSize(4500, 15, 28800), 4500);
    EXPECT_DOUBLE_EQ(PositionUnits::clampSize(1e12, 15, 28800), 28800);
}

TEST(SchemeColors, AccessorsActOnTheSelectedObject)
{
    SchemeColors c;
    EXPECT_EQ(c.selectObject(), 0);
    EXPECT_EQ(c.getColor(), 0);
    c.setSelectObject(2);
    c.setColor(0x00123456);
    EXPECT_EQ(c.red(), 0x56);
    EXPECT_EQ(c.green(), 0x34);
    EXPECT_EQ(c.blue(), 0x12);
    EXPECT_EQ(c.getColor(), 0x00123456);
    EXPECT_EQ(c.colorOf(2), 0x00123456);
    EXPECT_EQ(c.colorOf(1), 0);

    c.setSelectObject(4);
    c.setRed(300);      // stored as given, composed as 255
    c.setGreen(-5);
    c.setBlue(7);
    EXPECT_EQ(c.red(), 300);
    EXPECT_EQ(c.getColor(), 0x0700FF);

    c.setSelectObject(5);   // out of range: the selection stays
    EXPECT_EQ(c.selectObject(), 4);
    c.setSelectObject(-1);
    EXPECT_EQ(c.selectObject(), 4);
    EXPECT_EQ(c.colorOf(9), 0);
}
