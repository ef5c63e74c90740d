// SPDX-License-Identifier: MIT
#include "color/colorCode.h"

#include <gtest/gtest.h>

using namespace tessary;

TEST(colorCode, HexTextIsRedGreenBlueDespiteArgumentOrder)
{
    struct Row {
        int red, blue, green;
        const char* text;
    };
    const Row rows[] = {
        {255, 0, 128, "FF8000"},
        {0, 0, 0, "000000"},
        {10, 11, 12, "0A0C0B"},   // the second argument is blue
        {255, 255, 255, "FFFFFF"},
        {256, 1, 2, "1000201"},   // out of range: every digit shows
    };
    const colorCode cc;
    for (const Row& row : rows)
        EXPECT_EQ(cc.getHexRGB(row.red, row.blue, row.green), QString::fromLatin1(row.text));
}

TEST(colorCode, CodeToColourValue)
{
    struct Row {
        const char* name;
        const char* code;
        std::int32_t value;
    };
    const Row rows[] = {
        {"black", "000000", 0},
        {"white", "FFFFFF", 16777215},
        {"blue in the high byte", "0000FF", 16711680},
        {"orange", "FF8000", 33023},
        {"lower case", "ff8000", 33023},
        {"mixed case", "fF80aB", 0xAB80FF},
        {"empty", "", 0},
        {"prefix only", "#", 0},
        {"five characters", "20408", 0},
        {"seven characters", "#204080", 0},
        {"eight characters", "##204080", 0},
        {"non-digit ends a pair", "1G0000", 1},
        {"pair starting with a non-digit reads 0", "G10000", 0},
        {"spaces read as nothing", " F  F ", 65536 * 15},
        {"sign is not a digit", "-1+1-1", 0},
    };
    const colorCode cc;
    for (const Row& row : rows)
        EXPECT_EQ(cc.HTML_RGB2VB_RGB(QString::fromLatin1(row.code)), row.value) << row.name;
}

TEST(colorCode, FullWidthDigitsAreNotHexDigits)
{
    const colorCode cc;
    EXPECT_EQ(cc.HTML_RGB2VB_RGB(QStringLiteral(u"ＦＦ0000")), 0);
}

TEST(colorCode, EveryColourSurvivesTheTripThroughText)
{
    const colorCode cc;
    std::int64_t failures = 0;
    std::int32_t first = -1;
    for (std::int32_t c = 0; c < (1 << 24); ++c) {
        const QString text = cc.getHexRGB(c & 0xFF, c >> 16, (c >> 8) & 0xFF);
        if (text.size() != 6 || cc.HTML_RGB2VB_RGB(text) != c) {
            if (first < 0)
                first = c;
            ++failures;
        }
    }
    EXPECT_EQ(failures, 0) << "first failing colour " << first;
}

TEST(colorCode, To2Digit)
{
    const colorCode cc;
    EXPECT_EQ(cc.to2Digit(QString()), QStringLiteral("0"));
    EXPECT_EQ(cc.to2Digit(QStringLiteral("5")), QStringLiteral("05"));
    EXPECT_EQ(cc.to2Digit(QStringLiteral("A")), QStringLiteral("0A"));
    EXPECT_EQ(cc.to2Digit(QStringLiteral("AB")), QStringLiteral("AB"));
    EXPECT_EQ(cc.to2Digit(QStringLiteral("ABC")), QStringLiteral("ABC"));
}

TEST(colorCode, ColourValueConversionsKeepTheByteOrder)
{
    const colorCode cc;
    for (std::int32_t c : {0, 1, 0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0xFFFFFF}) {
        EXPECT_EQ(cc.API_RGB2VB_RGB(c), c);
        EXPECT_EQ(cc.VB_RGB2API_RGB(c), c);
    }
}

TEST(colorCode, MunsellHueLabel)
{
    struct Row {
        double hue;
        const char* label;
    };
    const Row rows[] = {
        {0.0, "R1"},    {18.0, "R6"},    {35.9, "YR1"},  {100.0, "Y9"},  {180.0, "BG1"},
        {200.0, "BG7"}, {324.0, "RP1"},  {340.0, "RP5"}, {359.0, "R1"},  {-1.0, "R1"},
        {45.0, "YR3"},  // 12.5 rounds to the even 12
        {360.0, "R1"},  {120.0, "GY4"},  {240.0, "B8"},
    };
    const colorCode cc;
    for (const Row& row : rows)
        EXPECT_EQ(cc.HSL2Munsell(row.hue, 0.5, 0.5), QString::fromLatin1(row.label)) << row.hue;
}

TEST(colorCode, MunsellOutsideTheCircleStillGivesALabel)
{
    const colorCode cc;
    for (double hue : {-720.0, -5.0, 365.0, 1e6})
        EXPECT_FALSE(cc.HSL2Munsell(hue, 0.0, 0.0).isEmpty()) << hue;
}
