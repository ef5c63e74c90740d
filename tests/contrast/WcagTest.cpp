// SPDX-License-Identifier: MIT
#include "contrast/ContrastMarks.h"
#include "contrast/ContrastWording.h"
#include "contrast/LargeTextRule.h"
#include "contrast/Wcag.h"

#include <gtest/gtest.h>

using namespace tessary;

namespace {

// Colour values from #RRGGBB as written: the low byte of the value is red.
constexpr std::int32_t rgb(std::uint32_t hex)
{
    return std::int32_t(((hex >> 16) & 0xFF) | (hex & 0xFF00) | ((hex & 0xFF) << 16));
}

} // namespace

TEST(Wcag, RatiosAndMarksOfKnownPairs)
{
    struct Row {
        const char* name;
        std::uint32_t text, background;
        double ratio;
        ContrastMarks marks; // aa, aaa, aaLarge, aaaLarge
        const char* shown;
    };
    const ContrastMarks all{true, true, true, true};
    const ContrastMarks aaOnly{true, false, true, true};
    const ContrastMarks largeOnly{false, false, true, false};
    const ContrastMarks none{};
    const Row rows[] = {
        {"black on white", 0x000000, 0xFFFFFF, 21.0, all, "21.00:1"},
        {"white on black", 0xFFFFFF, 0x000000, 21.0, all, "21.00:1"},
        {"cut, never rounded up to 4.5", 0x777777, 0xFFFFFF, 4.478089, largeOnly, "4.47:1"},
        {"grey just passing 4.5", 0x767676, 0xFFFFFF, 4.542225, aaOnly, "4.54:1"},
        {"just below 3", 0x959595, 0xFFFFFF, 2.995346, none, "2.99:1"},
        {"just above 3", 0x949494, 0xFFFFFF, 3.033470, largeOnly, "3.03:1"},
        {"just above 7", 0x595959, 0xFFFFFF, 7.004729, all, "7.00:1"},
        {"just below 7", 0x5A5A5A, 0xFFFFFF, 6.896926, aaOnly, "6.89:1"},
        {"red: a swapped channel would give blue's ratio", 0xFF0000, 0xFFFFFF, 3.998477, largeOnly, "3.99:1"},
        {"blue: a swapped channel would give red's ratio", 0x0000FF, 0xFFFFFF, 8.592471, all, "8.59:1"},
        {"saturated red", 0xE60012, 0xFFFFFF, 4.801829, aaOnly, "4.80:1"},
        {"the same pair the other way round", 0xFFFFFF, 0xE60012, 4.801829, aaOnly, "4.80:1"},
        {"dark blue on beige", 0x112233, 0xFEDCBA, 12.426852, all, "12.42:1"},
        {"yellow on white", 0xFFFF00, 0xFFFFFF, 1.073839, none, "1.07:1"},
        {"two dark greys", 0x1A1A1A, 0x333333, 1.377507, none, "1.37:1"},
        {"mid grey on black", 0x808080, 0x000000, 5.317210, aaOnly, "5.31:1"},
        {"green on black", 0x00FF00, 0x000000, 15.304000, all, "15.30:1"},
        {"fails 4.5 by 0.0001 (other coefficients pass it)", 0x006FFB, 0xFFFFFF, 4.499888, largeOnly, "4.49:1"},
        {"passes 4.5 by 0.0001 (other coefficients fail it)", 0x0074D9, 0x000000, 4.500107, aaOnly, "4.50:1"},
        {"darkest grey passing 3 on black", 0x5A5A5A, 0x000000, 3.0448, largeOnly, "3.04:1"},
        {"darkest grey passing 4.5 on black", 0x757575, 0x000000, 4.5578, aaOnly, "4.55:1"},
        {"darkest grey passing 7 on black", 0x959595, 0x000000, 7.0109, all, "7.01:1"},
        {"identical colours", 0x336699, 0x336699, 1.0, none, "1.00:1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double r = Wcag::contrast(rgb(row.text), rgb(row.background));
        EXPECT_NEAR(r, row.ratio, 1e-4);
        EXPECT_DOUBLE_EQ(Wcag::contrast(rgb(row.background), rgb(row.text)), r);
        EXPECT_EQ(ContrastMarks::of(r), row.marks);
        EXPECT_EQ(ContrastWording::ratio(r), QString::fromUtf8(row.shown));
    }
    // The boundary pairs, to the sixth decimal: a different set of coefficients moves them.
    EXPECT_NEAR(Wcag::contrast(rgb(0x006FFB), rgb(0xFFFFFF)), 4.499888, 1e-6);
    EXPECT_NEAR(Wcag::contrast(rgb(0x0074D9), rgb(0x000000)), 4.500107, 1e-6);
}

TEST(Wcag, MarksForTheLabelsSize)
{
    struct Row {
        double ratio;
        bool large;
        const char* shown;
        const char* spoken;
        bool meetsAA, meetsAAA;
    };
    const Row rows[] = {
        {2.99, false, "不合格", "不合格", false, false},
        {2.99, true, "不合格", "不合格", false, false},
        {4.478, false, "不合格", "不合格", false, false},
        {4.478, true, "AA大", "AA大のみ合格", true, false},
        {4.5, false, "AA", "AAのみ合格", true, false},
        {4.5, true, "AAA大", "AAA大合格", true, true},
        {6.99, false, "AA", "AAのみ合格", true, false},
        {7.0, false, "AAA", "AAA合格", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.ratio << (row.large ? " large" : " normal"));
        const ContrastMarks m = ContrastMarks::of(row.ratio);
        EXPECT_EQ(ContrastWording::marks(m, row.large), QString::fromUtf8(row.shown));
        EXPECT_EQ(ContrastWording::spokenMarks(m, row.large), QString::fromUtf8(row.spoken));
        EXPECT_EQ(m.meets(Wcag::Level::AA, row.large), row.meetsAA);
        EXPECT_EQ(m.meets(Wcag::Level::AAA, row.large), row.meetsAAA);
        EXPECT_EQ(row.ratio >= Wcag::threshold(Wcag::Level::AA, row.large), row.meetsAA);
    }
}

TEST(Wcag, LargeTextRules)
{
    struct Row {
        LargeTextRule::Kind kind;
        double points;
        bool bold;
        bool large;
    };
    using K = LargeTextRule::Kind;
    const Row rows[] = {
        {K::Japanese, 22.0, false, true},  {K::Japanese, 21.9, false, false}, {K::Japanese, 18.0, true, true},
        {K::Japanese, 17.9, true, false},  {K::Japanese, 20.0, false, false}, {K::Wcag, 18.0, false, true},
        {K::Wcag, 17.9, false, false},     {K::Wcag, 14.0, true, true},       {K::Wcag, 13.9, true, false},
        {K::Wcag, 14.0, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << int(row.kind) << " " << row.points << (row.bold ? " bold" : ""));
        EXPECT_EQ(LargeTextRule(row.kind).isLarge(row.points, row.bold), row.large);
    }
    EXPECT_EQ(LargeTextRule().kind(), K::Japanese);
    EXPECT_EQ(ContrastWording::ruleDescription(LargeTextRule()),
              QStringLiteral("大きな文字: 22pt以上、太字は18pt以上（日本語の基準）"));
    EXPECT_EQ(ContrastWording::ruleDescription(LargeTextRule(K::Wcag)),
              QStringLiteral("大きな文字: 18pt以上、太字は14pt以上（WCAGの基準）"));
}
