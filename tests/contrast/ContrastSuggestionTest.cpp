// SPDX-License-Identifier: MIT
#include "contrast/ContrastSuggestion.h"
#include "contrast/ContrastWording.h"
#include "contrast/LuminanceIntervals.h"
#include "contrast/Wcag.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tessary;

namespace {

constexpr std::int32_t rgb(std::uint32_t hex)
{
    return std::int32_t(((hex >> 16) & 0xFF) | (hex & 0xFF00) | ((hex & 0xFF) << 16));
}

double hueDistance(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

} // namespace

TEST(ContrastSuggestion, NearestPassingLightness)
{
    using O = ContrastSuggestion::Outcome;
    struct Row {
        const char* name;
        std::uint32_t text, bg1, bg2;
        double target;
        O outcome;
        std::uint32_t exact;
        double deltaL; // of the 8-bit result: its direction, and its size within 0.002
    };
    const Row rows[] = {
        {"grey a step too light", 0x777777, 0xFFFFFF, 0xFFFFFF, 4.5, O::Proposed, 0x767676, -0.0034},
        {"grey between black and white", 0x808080, 0x000000, 0xFFFFFF, 4.5, O::Proposed, 0x767676, -0.0340},
        {"7:1 against black and white", 0x808080, 0x000000, 0xFFFFFF, 7.0, O::Impossible, 0, 0},
        {"red on white", 0xFF0000, 0xFFFFFF, 0xFFFFFF, 4.5, O::Proposed, 0xEE0000, -0.0320},
        {"red on white and black", 0xFF0000, 0xFFFFFF, 0x000000, 4.5, O::Proposed, 0xEE0000, -0.0320},
        {"blue on two light greys", 0x3366FF, 0xFFFFFF, 0xEEEEEE, 4.5, O::Proposed, 0x2C5DF6, -0.0262},
        {"yellow on white and cream", 0xFFCC00, 0xFFFFFF, 0xFFFFCC, 4.5, O::Proposed, 0x936F00, -0.3030},
        {"green on white", 0x00FF00, 0xFFFFFF, 0xFFFFFF, 4.5, O::Proposed, 0x008A00, -0.3176},
        {"green on white, AAA", 0x00FF00, 0xFFFFFF, 0xFFFFFF, 7.0, O::Proposed, 0x006800, -0.4182},
        {"steel blue on navy and black", 0x336699, 0x003366, 0x000000, 4.5, O::Proposed, 0x6A9FD5, 0.1878},
        {"grey on steel blue and white", 0x999999, 0x336699, 0xFFFFFF, 4.5, O::Impossible, 0, 0},
        {"blue on navy and black", 0x0000FF, 0x000080, 0x000000, 4.5, O::Proposed, 0x4782FF, 0.1815},
        {"already passing", 0x000000, 0xFFFFFF, 0xEEEEEE, 4.5, O::AlreadyPasses, 0x000000, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto s = ContrastSuggestion::find(rgb(row.text), rgb(row.bg1), rgb(row.bg2), row.target);
        ASSERT_EQ(s.outcome, row.outcome);
        if (row.outcome == O::Impossible) {
            EXPECT_EQ(s.proposal, rgb(row.text)) << "nothing is proposed";
            EXPECT_LT(s.bestRatio, row.target);
            continue;
        }
        EXPECT_EQ(s.proposal, rgb(row.exact));
        // Judged on the 8-bit colour that would be stored, against both backgrounds.
        EXPECT_GE(Wcag::contrast(s.proposal, rgb(row.bg1)), row.target);
        EXPECT_GE(Wcag::contrast(s.proposal, rgb(row.bg2)), row.target);
        EXPECT_DOUBLE_EQ(s.ratios[0], Wcag::contrast(s.proposal, rgb(row.bg1)));
        EXPECT_LE(std::abs(s.deltaL), std::abs(row.deltaL) + 0.002);
        if (row.deltaL != 0.0) {
            EXPECT_EQ(s.deltaL < 0.0, row.deltaL < 0.0) << "moved the wrong way";
        }
        if (s.originalLch.hasHue()) {
            EXPECT_LE(hueDistance(s.proposalLch.h, s.originalLch.h), 5.0);
        } else {
            EXPECT_FALSE(s.proposalLch.hasHue()) << "a grey stays grey";
        }
    }
}

TEST(ContrastSuggestion, FeasibleLuminancesAndTheBestPossible)
{
    const double black = 0.0;
    const double white = 1.0;
    const LuminanceIntervals bw(black, white, 4.5);
    ASSERT_EQ(bw.intervals().size(), 1u);
    EXPECT_DOUBLE_EQ(bw.intervals()[0].low, 4.5 * 0.05 - 0.05);
    EXPECT_DOUBLE_EQ(bw.intervals()[0].high, 1.05 / 4.5 - 0.05);
    EXPECT_TRUE(LuminanceIntervals(white, black, 7.0).isEmpty());
    EXPECT_DOUBLE_EQ(LuminanceIntervals::bestRatio(black, white), std::sqrt(21.0));

    // Two mid greys: text may be darker than both or lighter than both, never between.
    const double grey = Wcag::luminance(rgb(0x777777));
    const LuminanceIntervals greys(grey, grey, 3.0);
    ASSERT_EQ(greys.intervals().size(), 2u);
    EXPECT_DOUBLE_EQ(greys.intervals()[0].low, 0.0);
    EXPECT_DOUBLE_EQ(greys.intervals()[1].high, 1.0);
    for (const auto& i : greys.intervals()) {
        EXPECT_GE(Wcag::ratio(i.low, grey), 3.0 - 1e-12);
        EXPECT_GE(Wcag::ratio(i.high, grey), 3.0 - 1e-12);
    }

    // A target just under √21 leaves a sliver of luminance that no 8-bit blue reaches.
    const auto s = ContrastSuggestion::find(rgb(0x0000FF), rgb(0x000000), rgb(0xFFFFFF), 4.582);
    EXPECT_EQ(s.outcome, ContrastSuggestion::Outcome::NoneAtThisHue);
    EXPECT_EQ(s.proposal, rgb(0x0000FF));
}

TEST(ContrastSuggestion, Messages)
{
    const auto proposed = ContrastSuggestion::find(rgb(0x777777), rgb(0xFFFFFF), rgb(0xFFFFFF), 4.5);
    EXPECT_EQ(ContrastWording::suggestion(proposed, QStringLiteral("#")),
              QStringLiteral("提案 #767676（背景1 4.54:1、背景2 4.54:1、ΔL -0.003）"));
    const auto impossible = ContrastSuggestion::find(rgb(0x808080), rgb(0x000000), rgb(0xFFFFFF), 7.0);
    EXPECT_EQ(ContrastWording::suggestion(impossible, QString()),
              QStringLiteral("どの色でも背景1と背景2の両方で 7:1 には届きません（最高 4.58:1）。提案はありません。"));
}
