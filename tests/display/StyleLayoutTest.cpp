// SPDX-License-Identifier: MIT
#include "display/StyleLayout.h"

#include <gtest/gtest.h>

using namespace tessary;

namespace {

StyleParams params(int style, int outside = 0, int divide = 0, int lineWidth = 0, int latticeDivide = 0)
{
    StyleParams p;
    p.style = style;
    p.outsideWidth = outside;
    p.divideNum = divide;
    p.latticeLineWidth = lineWidth;
    p.latticeDivideNum = latticeDivide;
    return p;
}

constexpr auto A = StyleBrush::A;
constexpr auto B = StyleBrush::B;

} // namespace

TEST(StyleLayout, FillsOfTheSimpleStyles)
{
    struct Row {
        const char* name;
        int w, h;
        StyleParams p;
        std::vector<StyleFill> fills;
    };
    const Row rows[] = {
        {"up/down splits at H\\2", 200, 101, params(0), {{0, 0, 200, 50, A}, {0, 50, 200, 101, B}}},
        {"left/right splits at W\\2", 201, 100, params(1), {{0, 0, 100, 100, A}, {100, 0, 201, 100, B}}},
        {"square 25% rounds 2.5 to 2", 200, 10, params(2, 25), {{0, 0, 200, 10, A}, {50, 2, 150, 8, B}}},
        {"square 30%", 300, 200, params(2, 30), {{0, 0, 300, 200, A}, {90, 60, 210, 140, B}}},
        {"square 50% leaves only A", 300, 200, params(2, 50), {{0, 0, 300, 200, A}}},
        {"square 70% leaves only A", 300, 200, params(2, 70), {{0, 0, 300, 200, A}}},
        {"check 2 on 101 uses 50-pixel cells", 101, 101, params(3, 0, 2),
         {{0, 0, 50, 50, A}, {50, 0, 100, 50, B}, {0, 50, 50, 100, B}, {50, 50, 100, 100, A}}},
        {"check 3 on 100 leaves the last pixel row and column", 100, 100, params(3, 0, 3),
         {{0, 0, 33, 33, A}, {33, 0, 66, 33, B}, {66, 0, 99, 33, A},
          {0, 33, 33, 66, B}, {33, 33, 66, 66, A}, {66, 33, 99, 66, B},
          {0, 66, 33, 99, A}, {33, 66, 66, 99, B}, {66, 66, 99, 99, A}}},
        {"check 2 on 9 x 3 cuts the last row off", 9, 3, params(3, 0, 2),
         {{0, 0, 4, 2, A}, {4, 0, 8, 2, B}, {0, 2, 4, 4, B}, {4, 2, 8, 4, A}}},
        {"check 0 draws nothing", 100, 100, params(3, 0, 0), {}},
        {"unknown style draws nothing", 100, 100, params(7), {}},
    };
    for (const Row& r : rows) {
        const StyleShapes s = StyleLayout::layout(r.w, r.h, r.p);
        EXPECT_EQ(s.fills, r.fills) << r.name;
        EXPECT_TRUE(s.verticalLines.empty() && s.horizontalLines.empty()) << r.name;
    }
}

TEST(StyleLayout, LatticeLines)
{
    struct Row {
        const char* name;
        int w, h, lineWidth, n;
        std::vector<int> xs, ys;
        int pen;
    };
    const Row rows[] = {
        {"six divisions", 200, 100, 1, 6, {0, 33, 66, 99, 132, 165, 198}, {0, 16, 32, 48, 64, 80, 96}, 1},
        {"a multiple puts the last line on the edge", 8, 4, 2, 2, {0, 4, 8}, {0, 2, 4}, 2},
        {"more divisions than columns: no vertical lines", 4, 20, 1, 5, {}, {0, 4, 8, 12, 16, 20}, 1},
        {"more divisions than both: no lines", 4, 3, 1, 5, {}, {}, 1},
        {"no divisions: no lines", 40, 30, 1, 0, {}, {}, 1},
        {"negative divisions: no lines", 40, 30, 1, -3, {}, {}, 1},
        {"the pen is 16-bit", 40, 30, 100000, 1, {0, 40}, {0, 30}, 32767},
        {"a pen below 1 is 1", 40, 30, 0, 1, {0, 40}, {0, 30}, 1},
    };
    for (const Row& r : rows) {
        const StyleShapes s = StyleLayout::layout(r.w, r.h, params(4, 0, 0, r.lineWidth, r.n));
        ASSERT_EQ(s.fills.size(), 1u) << r.name;
        EXPECT_EQ(s.fills[0], (StyleFill{0, 0, r.w, r.h, A})) << r.name;
        EXPECT_EQ(s.verticalLines, r.xs) << r.name;
        EXPECT_EQ(s.horizontalLines, r.ys) << r.name;
        EXPECT_EQ(s.lineWidth, r.pen) << r.name;
    }
}

TEST(StyleLayout, HugeCheckDivisionsStayWithinTheVisibleCells)
{
    // Cells of one pixel: one fill per cell, 25 cells across leaving a 5-pixel strip.
    EXPECT_EQ(StyleLayout::layout(30, 20, params(3, 0, 25)).fills.size(), 25u * 20u);
    // Cells that round to nothing draw nothing, without looping over n * n of them.
    EXPECT_TRUE(StyleLayout::layout(1920, 1080, params(3, 0, 2000000000)).fills.empty());
    // Six cells of 2 pixels on 10: the sixth would start at the edge and is left out.
    const StyleShapes s = StyleLayout::layout(10, 10, params(3, 0, 6));
    EXPECT_EQ(s.fills.size(), 25u);
    for (const StyleFill& f : s.fills)
        EXPECT_TRUE(f.left < 10 && f.top < 10);
}

TEST(StyleLayout, ReusedShapesForgetThePreviousStyle)
{
    StyleShapes s;
    StyleLayout::layout(200, 100, params(4, 0, 0, 3, 6), s);
    StyleLayout::layout(200, 100, params(0), s);
    EXPECT_EQ(s.fills.size(), 2u);
    EXPECT_TRUE(s.verticalLines.empty());
    EXPECT_EQ(s.lineWidth, 1);
}

TEST(StyleLayout, LabelPositions)
{
    struct Row {
        int index, w, h, textW, textH;
        QPoint expected;
    };
    const Row rows[] = {
        {1, 200, 100, 40, 12, {80, 44}},
        {0, 200, 100, 40, 12, {80, 19}},
        {2, 200, 100, 40, 12, {80, 69}},
        {1, 201, 103, 41, 13, {80, 44}},   // every division truncates
        {0, 200, 100, 0, 12, {100, 19}},   // an empty text has no width
        {1, 30, 100, 50, 12, {-10, 44}},   // wider than the window: centred all the same
    };
    for (const Row& r : rows)
        EXPECT_EQ(StyleLayout::labelPosition(r.index, r.w, r.h, r.textW, r.textH), r.expected)
            << r.index << " on " << r.w << "x" << r.h;
}
