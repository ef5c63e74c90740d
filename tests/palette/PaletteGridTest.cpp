// SPDX-License-Identifier: MIT
#include "palette/PaletteGrid.h"

#include <gtest/gtest.h>

using namespace tessary;

namespace {

constexpr int kChip = 16;

struct LayoutCase {
    const char* what;
    int width, height, colors;
    int columns, rows, maximum;
    bool laidOut;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.what; }

class GridLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(GridLayout, FitsColumnsRowsAndScrollRange)
{
    const LayoutCase& c = GetParam();
    const PaletteGrid::Layout g = PaletteGrid::layout(c.width, c.height, kChip, c.colors);
    EXPECT_EQ(g.columnCount, c.columns) << c.what;
    EXPECT_EQ(g.rowCount, c.rows) << c.what;
    EXPECT_EQ(g.scrollMaximum, c.maximum) << c.what;
    EXPECT_EQ(g.laidOut, c.laidOut) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridLayout,
    ::testing::Values(
        LayoutCase{"20 colours in room for 10 x 8 shrink to 3 rows, no scrolling", 160, 128, 20, 10, 3, 0, true},
        LayoutCase{"100 colours in 10 x 5 scroll 6 rows", 160, 80, 100, 10, 5, 6, true},
        LayoutCase{"partial chips do not count", 175, 95, 100, 10, 5, 6, true},
        LayoutCase{"an exact multiple keeps a spare row", 160, 200, 30, 10, 4, 0, true},
        LayoutCase{"an empty palette shows one empty row", 160, 128, 0, 10, 1, 0, true},
        LayoutCase{"a full grid is not shrunk", 160, 80, 50, 10, 5, 1, true},
        LayoutCase{"no column: nothing laid out, nothing divided", 15, 128, 100, 0, 8, 0, false},
        LayoutCase{"no room at all", -20, -5, 100, 0, 0, 0, false},
        LayoutCase{"no row: the range still covers the palette", 160, 10, 100, 10, 0, 11, true}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return "case" + std::to_string(info.index); });

TEST(GridPositions, ScrollingByRowsAndCellsToPositions)
{
    EXPECT_EQ(PaletteGrid::firstVisibleIndex(6, 10), 61);
    EXPECT_EQ(PaletteGrid::firstVisibleIndex(0, 10), 1);
    // The fourth chip of the second row, grid at the top, 10 columns: colour 14.
    const QPoint cell = PaletteGrid::cellAt(3 * kChip + 5, kChip + 15, kChip);
    EXPECT_EQ(cell, QPoint(3, 1));
    EXPECT_EQ(PaletteGrid::positionAt(cell.x(), cell.y(), 1, 10), 14);
    EXPECT_EQ(PaletteGrid::positionAt(0, 0, 61, 10), 61);
    EXPECT_EQ(PaletteGrid::positionAt(9, 3, 61, 10), 100);
    EXPECT_EQ(PaletteGrid::chipRect(2, 1, kChip), QRect(32, 16, 16, 16));
    // Scrolled to 61 with 10 x 4 chips shown: 61..100 have squares, the rest none.
    const struct {
        int position;
        QRect square;
    } shown[] = {{60, {}}, {61, {0, 0, 16, 16}}, {100, {144, 48, 16, 16}}, {101, {}}};
    for (const auto& c : shown)
        EXPECT_EQ(PaletteGrid::shownChipRect(c.position, 61, 10, 4, kChip), c.square) << c.position;
    EXPECT_EQ(PaletteGrid::shownChipRect(1, 1, 0, 4, kChip), QRect());
}

TEST(GridTooltip, NamesColumnAndRowFromOne)
{
    EXPECT_EQ(PaletteGrid::tooltipAt(2 * kChip + 3, kChip + 1, kChip), "x : 3 y : 2");
    EXPECT_EQ(PaletteGrid::tooltipAt(0, 0, kChip), "x : 1 y : 1");
    EXPECT_EQ(PaletteGrid::tooltipAt(15, 16, kChip), "x : 1 y : 2");
}

struct LocateCase {
    const char* what;
    int p, columns, rows, scroll, maximum;
    QPoint point;
    int newScroll;
};

void PrintTo(const LocateCase& c, std::ostream* os) { *os << c.what; }

class GridLocate : public ::testing::TestWithParam<LocateCase> {};

TEST_P(GridLocate, PointsAtTheChosenColoursChipScrolledIntoView)
{
    const LocateCase& c = GetParam();
    const auto at = PaletteGrid::locate(c.p, c.columns, c.rows, c.scroll, c.maximum, kChip);
    EXPECT_EQ(at.point, c.point) << c.what;
    EXPECT_EQ(at.scrollPosition, c.newScroll) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridLocate,
    ::testing::Values(
        LocateCase{"first colour at the top", 1, 10, 5, 0, 6, {15, 15}, 0},
        LocateCase{"visible colour on the second row", 14, 10, 5, 0, 6, {63, 31}, 0},
        LocateCase{"the row just below scrolls one down onto the last row", 55, 10, 5, 0, 6, {79, 79}, 1},
        LocateCase{"far below: scrolls until its row is the last one", 95, 10, 5, 0, 6, {79, 79}, 5},
        LocateCase{"the row just above scrolls one up onto the first row", 25, 10, 5, 3, 6, {79, 15}, 2},
        LocateCase{"far above: scrolls until its row is the first one", 3, 10, 5, 6, 6, {47, 15}, 0},
        LocateCase{"visible after scrolling counts from the scroll position", 65, 10, 5, 6, 6, {79, 15}, 6},
        LocateCase{"never past the maximum", 101, 10, 5, 6, 6, {15, 79}, 6},
        LocateCase{"no columns: the origin, no scrolling", 5, 0, 0, 0, 0, {0, 0}, 0},
        LocateCase{"columns but no rows: the origin, no scrolling", 5, 10, 0, 2, 9, {0, 0}, 2}),
    [](const ::testing::TestParamInfo<LocateCase>& info) { return "case" + std::to_string(info.index); });

} // namespace
