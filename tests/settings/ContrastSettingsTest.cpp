// SPDX-License-Identifier: MIT
#include "contrast/ContrastSettings.h"
#include "settings/CiniFile.h"
#include "settings/ConfigRecord.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::TempFolder;
using test::testData;

std::optional<ContrastSettings> readBytes(const QByteArray& bytes)
{
    TempFolder dir;
    CiniFile ini(dir.write(QStringLiteral("t.ini"), bytes));
    return ContrastSettings::read(ini);
}

ContrastSettings settings(bool visible, std::optional<double> left, std::optional<double> top, Wcag::Level target,
                          LargeTextRule::Kind rule)
{
    ContrastSettings s;
    s.visible = visible;
    s.left = left;
    s.top = top;
    s.target = target;
    s.rule = LargeTextRule(rule);
    return s;
}

struct ReadCase {
    const char* name;
    const char* ini;
    std::optional<ContrastSettings> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

using K = LargeTextRule::Kind;
using L = Wcag::Level;

const ReadCase kReadCases[] = {
    {"NoSectionIsNoSettings", "[General]\r\nPrefix=#\r\n", std::nullopt},
    {"EmptySectionIsNoSettings", "[Contrast]\r\n", std::nullopt},
    {"AllKeys", "[Contrast]\r\nVisible=1\r\nLeft=1500\r\nTop=-300.5\r\nTarget=AAA\r\nLargeTextRule=WCAG\r\n",
     settings(true, 1500, -300.5, L::AAA, K::Wcag)},
    {"SectionAndValuesInAnyCase", "[contrast]\r\nvisible=1\r\ntarget=aaa\r\nlargetextrule=japanese\r\n",
     settings(true, {}, {}, L::AAA, K::Japanese)},
    {"VisibleTwoIsNoFlag", "[Contrast]\r\nVisible=2\r\n", settings(false, {}, {}, L::AA, K::Japanese)},
    {"CornerNeedsBothCoordinates", "[Contrast]\r\nLeft=100\r\n", settings(false, {}, {}, L::AA, K::Japanese)},
    {"CornerNotANumberIsDropped", "[Contrast]\r\nLeft=100\r\nTop=1O0\r\n",
     settings(false, {}, {}, L::AA, K::Japanese)},
    {"UnknownTargetAndRuleKeepDefaults", "[Contrast]\r\nTarget=A\r\nLargeTextRule=18pt\r\n",
     settings(false, {}, {}, L::AA, K::Japanese)},
};

class ContrastSettingsRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ContrastSettingsRead, TakesWhatItCanUse)
{
    EXPECT_EQ(readBytes(GetParam().ini), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContrastSettingsRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ContrastSettings, WrittenAfterTheOtherSectionsWhichKeepTheirBytes)
{
    TempFolder dir;
    const QString path = dir.write(QStringLiteral("t.ini"), testData(QStringLiteral("full.ini")));
    const ContrastSettings written = settings(true, 13200, 900, L::AAA, K::Wcag);
    {
        CiniFile ini(path);
        ConfigRecord::read(ini, QString()).write(ini);
        written.write(ini);
        ASSERT_TRUE(ini.flush().ok());
    }
    EXPECT_EQ(TempFolder::read(path), testData(QStringLiteral("full_contrast.ini")));
    CiniFile again(path);
    EXPECT_EQ(ContrastSettings::read(again), written);
}

} // namespace
} // namespace tessary
