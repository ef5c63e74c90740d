// SPDX-License-Identifier: MIT
#include "pickers/DevicePixelMap.h"
#include "pickers/LoupeLayout.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace tessary;

namespace {

using Pixel = DevicePixelMap::Pixel;

// One 1000 x 800 device-pixel screen at the ratio, as a window system at that scale reports it.
DevicePixelMap screenAt(double dpr)
{
    const QSize logical(static_cast<int>(1000 / dpr), static_cast<int>(800 / dpr));
    return DevicePixelMap({{QRect(QPoint(0, 0), logical), QSize(1000, 800), dpr, {}}});
}

} // namespace

TEST(DevicePixelMap, WholeLogicalPositionsPickAPixelThePointerCanBeOn)
{
    // A pointer on device pixel d is reported at the logical position nearest d / dpr, so the
    // pixel picked for a whole logical position L must be one of those reported as L.
    for (const double dpr : {1.0, 1.25, 1.75, 2.0}) {
        const DevicePixelMap map = screenAt(dpr);
        std::set<int> columns;
        const int width = map.panes()[0].logical.width();
        for (int l = 0; l < width; ++l) {
            const Pixel px = map.pixelAt(QPointF(l, 3));
            ASSERT_TRUE(px.isValid()) << dpr << " " << l;
            EXPECT_EQ(std::lround(px.at.x() / dpr), l) << "ratio " << dpr << ", logical " << l;
            EXPECT_LE(std::abs(px.at.x() - l * dpr), 0.5) << "ratio " << dpr << ", logical " << l;
            columns.insert(px.at.x());
        }
        EXPECT_EQ(static_cast<int>(columns.size()), width) << "one device column per logical one at " << dpr;
    }
}

TEST(DevicePixelMap, PositionsToPixels)
{
    // Left: 200 x 100 logical at ratio 1; right: 100 x 50 logical at ratio 2, shown from
    // device pixel (40, 10) of its 400 x 300 copy.
    const DevicePixelMap map({{QRect(0, 0, 200, 100), QSize(200, 100), 1.0, {}},
                              {QRect(200, 0, 100, 50), QSize(400, 300), 2.0, QPoint(40, 10)}});
    struct Row {
        const char* name;
        QPointF at;
        Pixel expected;
    };
    const Row rows[] = {
        {"top-left corner", {0, 0}, {0, {0, 0}}},
        {"last column of the left screen", {199, 99}, {0, {199, 99}}},
        {"halves round to even", {10.5, 11.5}, {0, {10, 12}}},
        {"the right edge belongs to the next screen", {200, 0}, {1, {40, 10}}},
        {"the right screen at its own ratio", {210.25, 5.75}, {1, {60, 22}}},
        {"beyond the bottom of the right screen", {250, 50}, {}},
        {"left of the desktop", {-1, 5}, {}},
        {"just inside the far edge is kept on the copy", {299.9, 49.9}, {1, {240, 110}}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(map.pixelAt(row.at), row.expected) << row.name;

    const DevicePixelMap tiny({{QRect(0, 0, 10, 10), QSize(15, 15), 1.75, {}}});
    EXPECT_EQ(tiny.pixelAt(QPointF(9.9, 9.9)), (Pixel{0, {14, 14}})) << "rounding past the copy is clamped";
}

TEST(DevicePixelMap, ScrollsALargerCopyToShowThePixel)
{
    // A 300 x 200 copy in a 100 x 50 logical view at ratio 2: 200 x 100 device pixels visible.
    struct Row {
        const char* name;
        QPoint scroll;
        QPoint pixel;
        QPoint expected;
        bool changed;
    };
    const Row rows[] = {
        {"already visible", {0, 0}, {199, 99}, {0, 0}, false},
        {"one past the right edge", {0, 0}, {200, 50}, {1, 0}, true},
        {"below", {0, 0}, {10, 150}, {0, 51}, true},
        {"left of the view", {50, 50}, {20, 60}, {20, 50}, true},
        {"never beyond the copy", {100, 100}, {299, 199}, {100, 100}, false},
    };
    for (const Row& row : rows) {
        DevicePixelMap map({{QRect(0, 0, 100, 50), QSize(300, 200), 2.0, row.scroll}});
        EXPECT_EQ(map.scrollToShow({0, row.pixel}), row.changed) << row.name;
        EXPECT_EQ(map.panes()[0].scroll, row.expected) << row.name;
        EXPECT_EQ(map.visiblePosition({0, row.pixel}), row.pixel - row.expected) << row.name;
    }
    // A grab at 1.75 covers its copy: 571 x 457 logical is 999.25 x 799.75 device pixels.
    DevicePixelMap grab({{QRect(0, 0, 571, 457), QSize(1000, 800), 1.75, {}}});
    EXPECT_EQ(grab.visibleSize(0), QSize(1000, 800));
    EXPECT_FALSE(grab.scrollToShow({0, {999, 799}}));
}

TEST(LoupeLayout, SitsBesideTheCrossHairInsideTheBounds)
{
    // 11 cells of 10 pixels, a 16-pixel code strip and a 2-pixel border: 114 x 130.
    const QRect bounds(0, 0, 800, 600);
    struct Row {
        const char* name;
        QPoint cross;
        QPoint expected;
    };
    const Row rows[] = {
        {"above to the right", {400, 300}, {413, 158}},
        {"above to the left near the right edge", {750, 300}, {624, 158}},
        {"below to the right near the top", {400, 50}, {413, 63}},
        {"below to the left in the top-right corner", {790, 10}, {664, 23}},
        {"bottom-left corner: above to the right", {0, 599}, {13, 457}},
    };
    for (const Row& row : rows) {
        const LoupeLayout l(row.cross, bounds, 10, 16, 12);
        EXPECT_EQ(l.frame(), QRect(row.expected, QSize(114, 130))) << row.name;
        EXPECT_FALSE(l.frame().contains(row.cross)) << row.name;
    }
    const LoupeLayout squeezed(QPoint(50, 50), QRect(0, 0, 100, 100), 10, 16, 12);
    EXPECT_EQ(squeezed.frame().topLeft(), QPoint(0, 0)) << "bounds smaller than the loupe";
}
