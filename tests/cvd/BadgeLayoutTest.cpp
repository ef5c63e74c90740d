// SPDX-License-Identifier: MIT
#include "cvd/BadgeLayout.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(BadgeLayout, SitsInTheBottomRightCornerAndNeverLeavesTheTopLeft)
{
    constexpr int m = BadgeLayout::Margin;
    constexpr int p = BadgeLayout::Padding;
    const struct {
        const char* name;
        int w, h, tw, th;
        QRect plate;
    } rows[] = {
        {"room to spare", 400, 300, 60, 12, QRect(400 - m - 60 - 2 * p, 300 - m - 12 - 2 * p, 60 + 2 * p, 12 + 2 * p)},
        {"exactly fits", 60 + 2 * p + m, 12 + 2 * p + m, 60, 12, QRect(0, 0, 60 + 2 * p, 12 + 2 * p)},
        {"too narrow: from the left edge", 30, 300, 60, 12, QRect(0, 300 - m - 12 - 2 * p, 60 + 2 * p, 12 + 2 * p)},
        {"too low: from the top edge", 400, 5, 60, 12, QRect(400 - m - 60 - 2 * p, 0, 60 + 2 * p, 12 + 2 * p)},
        {"negative text size counts as empty", 100, 100, -5, -5, QRect(100 - m - 2 * p, 100 - m - 2 * p, 2 * p, 2 * p)},
    };
    for (const auto& r : rows) {
        const BadgeLayout b = BadgeLayout::place(r.w, r.h, r.tw, r.th);
        EXPECT_EQ(b.plate, r.plate) << r.name;
        EXPECT_EQ(b.textTopLeft, r.plate.topLeft() + QPoint(p, p)) << r.name;
    }
}

} // namespace
} // namespace tessary
