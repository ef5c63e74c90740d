// SPDX-License-Identifier: MIT
#include "platform/Numeric.h"

#include <QString>
#include <gtest/gtest.h>

using namespace tessary;

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    struct Row {
        double in;
        int out;
    };
    const Row rows[] = {{127.5, 128}, {126.5, 126}, {0.5, 0}, {1.5, 2}, {-0.5, 0}, {-1.5, -2},
                        {2.4999, 2},  {2.5001, 3},  {359.5, 360}, {-2.5, -2}};
    for (const Row& r : rows)
        EXPECT_EQ(roundHalfEven(r.in), r.out) << r.in;
}

TEST(RoundHalfEven, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(roundHalfEven(1e300), 2147483647);
    EXPECT_EQ(roundHalfEven(-1e300), -2147483647 - 1);
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(NumberFromText, TakesTheNumberAtTheStart)
{
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"12", 12},       {"  12", 12},   {"12.5", 12.5}, {"12abc", 12}, {"abc", 0},   {"", 0},
        {"-3", -3},       {"+4", 4},      {".5", 0.5},    {"1e3", 1000}, {"1e", 1},    {"-", 0},
        {"\t7 8", 7},     {"0x10", 0},    {"3.", 3},
    };
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(numberFromText(QString::fromUtf8(r.text)), r.value) << r.text;
    EXPECT_EQ(wholeNumberFromText(u"12.5"), 12);
    EXPECT_EQ(wholeNumberFromText(u"13.5"), 14);
}

TEST(StrictNumber, AcceptsOnlyAWholeDecimalNumber)
{
    bool ok = false;
    EXPECT_DOUBLE_EQ(strictNumber(u" 42 ", &ok), 42);
    EXPECT_TRUE(ok);
    for (const char* bad : {"", "abc", "4x", "1 2", "--1"}) {
        strictNumber(QString::fromUtf8(bad), &ok);
        EXPECT_FALSE(ok) << bad;
    }
}
