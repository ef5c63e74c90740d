// SPDX-License-Identifier: MIT
#include "contrast/BesidePlacement.h"
#include "contrast/ContrastTable.h"

#include <gtest/gtest.h>

using namespace tessary;

namespace {

constexpr std::int32_t rgb(std::uint32_t hex)
{
    return std::int32_t(((hex >> 16) & 0xFF) | (hex & 0xFF00) | ((hex & 0xFF) << 16));
}

ContrastTable::Input scheme()
{
    ContrastTable::Input in;
    in.colors = {rgb(0x777777), rgb(0x0074D9), rgb(0xFF0000), rgb(0xFFFFFF), rgb(0x000000)};
    in.fonts = {{{12.0, false}, {20.0, false}, {16.0, true}}};
    return in;
}

} // namespace

TEST(ContrastTable, CellsFollowEachLabelsSizeAndTheRule)
{
    struct Row {
        const char* name;
        LargeTextRule::Kind rule;
        Wcag::Level target;
        int text, background;
        const char* shown;
        bool meets;
        const char* spoken;
    };
    using K = LargeTextRule::Kind;
    using L = Wcag::Level;
    const Row rows[] = {
        {"normal text, cut ratio", K::Japanese, L::AA, 0, 0, "不合格", false, "文字1 / 背景1: 4.47:1, 不合格"},
        {"20 pt is normal by the Japanese rule", K::Japanese, L::AA, 1, 1, "合格（AA）", true,
         "文字2 / 背景2: 4.50:1, AAのみ合格"},
        {"20 pt is large by WCAG's rule", K::Wcag, L::AA, 1, 1, "合格（AAA大）", true, "文字2 / 背景2: 4.50:1, AAA大合格"},
        {"16 pt bold under the Japanese rule", K::Japanese, L::AA, 2, 0, "不合格", false,
         "文字3 / 背景1: 3.99:1, 不合格"},
        {"below the AAA target, AA large is met", K::Wcag, L::AAA, 2, 0, "不合格（AA大は満たす）", false,
         "文字3 / 背景1: 3.99:1, 不合格, AA大は満たす"},
        {"red on black", K::Wcag, L::AAA, 2, 1, "合格（AAA大）", true, "文字3 / 背景2: 5.25:1, AAA大合格"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ContrastTable::Input in = scheme();
        in.rule = LargeTextRule(row.rule);
        in.target = row.target;
        const ContrastTable t = ContrastTable::compute(in);
        const auto& cell = t.cell(row.text, row.background);
        EXPECT_EQ(cell.marksText, QString::fromUtf8(row.shown));
        EXPECT_EQ(cell.meetsTarget, row.meets);
        EXPECT_EQ(cell.accessibleName, QString::fromUtf8(row.spoken));
        EXPECT_FALSE(cell.percentile5);
    }
}

TEST(ContrastTable, APictureReplacesBothBackgroundsOfItsLabel)
{
    ContrastTable::Input in = scheme();
    in.picture[1] = PictureContrast::Measure{2.345, 3.456, 200};
    const ContrastTable t = ContrastTable::compute(in);
    for (int j = 0; j < ContrastTable::kBackgrounds; ++j) {
        const auto& cell = t.cell(1, j);
        EXPECT_EQ(cell.ratioText, QStringLiteral("2.34:1"));
        EXPECT_EQ(cell.percentileText, QStringLiteral("3.45:1"));
        EXPECT_EQ(cell.accessibleName,
                  QStringLiteral("文字2 / 背景画像: 最低 2.34:1, 5パーセンタイル 3.45:1, 不合格, 画像を測定"));
    }
    EXPECT_TRUE(t.row(1).overPicture);
    EXPECT_FALSE(t.row(0).overPicture);
    EXPECT_EQ(t.cell(0, 0).ratioText, QStringLiteral("4.47:1"));
}

// Wherever the anchor stands, the window lands inside the area and, when some side has room
// for it, off the anchor, preferring right, left, below, above.
TEST(BesidePlacement, NeverCoversTheAnchorWhereThereIsRoom)
{
    const QRect area(0, 0, 1920, 1040);
    const QSize window(500, 400);
    for (int x = -100; x <= 1900; x += 50) {
        for (int y = 0; y <= 1000; y += 50) {
            const QRect anchor(x, y, 800, 600);
            const QRect placed(BesidePlacement::place(anchor, window, area), window);
            ASSERT_TRUE(area.contains(placed)) << x << ' ' << y;
            const bool room = anchor.right() + window.width() < area.right()
                || anchor.left() - window.width() >= area.left() || anchor.bottom() + window.height() < area.bottom()
                || anchor.top() - window.height() >= area.top();
            if (room) {
                ASSERT_FALSE(placed.intersects(anchor)) << x << ' ' << y;
            }
        }
    }
    EXPECT_EQ(BesidePlacement::place(QRect(0, 0, 800, 600), window, area), QPoint(800, 0));
    EXPECT_EQ(BesidePlacement::place(QRect(1100, 0, 800, 600), window, area), QPoint(600, 0));
}
