// SPDX-License-Identifier: MIT
#include "platform/Surface.h"
#include "support/GuiTest.h"

using namespace tessary;

namespace {
constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kWhite = 0xFFFFFF;
} // namespace

TEST(Surface, FillRectLeavesRightAndBottomEdgesOut)
{
    Surface s;
    s.resize(10, 10);
    s.clear();
    s.fillRect(2, 3, 5, 6, kRed);
    EXPECT_EQ(s.pixel(2, 3), kRed);
    EXPECT_EQ(s.pixel(4, 5), kRed);
    EXPECT_EQ(s.pixel(5, 5), kWhite);
    EXPECT_EQ(s.pixel(4, 6), kWhite);
    EXPECT_EQ(s.pixel(1, 3), kWhite);
}

TEST(Surface, LinesLeaveTheirEndPointOut)
{
    struct Row {
        int x1, y1, x2, y2, width;
        int onX, onY, offX, offY;
    };
    const Row rows[] = {
        {0, 5, 9, 5, 1, 8, 5, 9, 5},    // horizontal, rightwards
        {9, 5, 0, 5, 1, 1, 5, 0, 5},    // horizontal, leftwards
        {5, 0, 5, 9, 1, 5, 8, 5, 9},    // vertical, downwards
        {5, 0, 5, 9, 2, 4, 3, 6, 3},    // a two-pixel pen covers x-1 and x
    };
    for (const Row& r : rows) {
        Surface s;
        s.resize(10, 10);
        s.clear();
        s.setPen(kRed, r.width);
        s.drawLine(r.x1, r.y1, r.x2, r.y2);
        EXPECT_EQ(s.pixel(r.onX, r.onY), kRed) << r.x1 << "," << r.y1 << "->" << r.x2 << "," << r.y2;
        EXPECT_EQ(s.pixel(r.offX, r.offY), kWhite) << r.x1 << "," << r.y1 << "->" << r.x2 << "," << r.y2;
    }
}

TEST(Surface, FrameRectIsOnePixelInside)
{
    Surface s;
    s.resize(8, 8);
    s.clear();
    s.frameRect(0, 0, 4, 4, kRed);
    EXPECT_EQ(s.pixel(0, 0), kRed);
    EXPECT_EQ(s.pixel(3, 3), kRed);
    EXPECT_EQ(s.pixel(1, 1), kWhite);
    EXPECT_EQ(s.pixel(4, 4), kWhite);
}

TEST(Surface, ResizeKeepsWhatWasDrawn)
{
    Surface s;
    s.resize(4, 4);
    s.fillRect(0, 0, 4, 4, kRed);
    s.resize(8, 8);
    EXPECT_EQ(s.pixel(3, 3), kRed);
    EXPECT_EQ(s.pixel(5, 5), s.backColor());
    EXPECT_EQ(s.pixel(-1, 0), -1);
}
