// SPDX-License-Identifier: MIT
#include "settings/WindowPlacement.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

// Two screens side by side at 15 twips per pixel: 1920 x 1080 and 1280 x 1024 to its right.
const QRectF kPrimary(0, 0, 28800, 16200);
const QRectF kSecond(28800, 0, 19200, 15360);
const QRectF kPrimaryArea(0, 0, 28800, 15600);   // without a panel at the bottom
const QRectF kCurrent(1500, 1500, 6000, 4500);

struct PlacementCase {
    const char* name;
    QRectF saved;
    QList<QRectF> screens;
    QRectF expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

const PlacementCase kCases[] = {
    {"OnPrimaryStays", {1200, 900, 6000, 5400}, {kPrimary, kSecond}, {1200, 900, 6000, 5400}},
    {"OnSecondStays", {30000, 900, 6000, 5400}, {kPrimary, kSecond}, {30000, 900, 6000, 5400}},
    {"PartlyVisibleStays", {-3000, -600, 6000, 5400}, {kPrimary}, {-3000, -600, 6000, 5400}},
    {"OnGoneMonitorMovesToPrimaryEdge", {30000, 900, 6000, 5400}, {kPrimary}, {22800, 900, 6000, 5400}},
    {"FarAboveMovesToTop", {1200, -90000, 6000, 5400}, {kPrimary}, {1200, 0, 6000, 5400}},
    {"AbsurdPositionMovesOnScreen", {1e300, 1e300, 6000, 5400}, {kPrimary}, {22800, 10200, 6000, 5400}},
    {"TouchingEdgeIsOutside", {28800, 0, 6000, 5400}, {kPrimary}, {22800, 0, 6000, 5400}},
    {"NoSizeKeepsCurrentSize", {1200, 900, 0, -15}, {kPrimary}, {1200, 900, 6000, 4500}},
    {"HugeSizeHeldToTwiceTheDesktop", {0, 0, 1e9, 1e9}, {kPrimary}, {0, 0, 57600, 32400}},
    {"LargerThanAreaGoesToItsCorner", {90000, 90000, 40000, 20000}, {kPrimary}, {0, 0, 40000, 20000}},
    {"NoScreensChangesNothing", {90000, 90000, 6000, 5400}, {}, {90000, 90000, 6000, 5400}},
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, Restore)
{
    const PlacementCase& c = GetParam();
    EXPECT_EQ(WindowPlacement::restore(c.saved, kCurrent, c.screens, kPrimaryArea), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Placement, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessary
