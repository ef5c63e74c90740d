// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"
#include "main/ColorEntry.h"
#include "main/ColorTools.h"
#include "main/MainCaptions.h"
#include "platform/ColorValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <limits>
#include <optional>

using namespace tessary;

namespace {

constexpr std::int32_t rgb(int r, int g, int b) { return ColorValue::pack(r, g, b); }

double hueOf(std::int32_t c)
{
    ColorModel m;
    m.setColor(c);
    return m.getHue();
}

double lightnessOf(std::int32_t c)
{
    ColorModel m;
    m.setColor(c);
    return m.getLightness();
}

} // namespace

// ---- Colour-code field ------------------------------------------------------------

struct CodeFieldCase {
    const char* name;
    const char* prefix;
    const char* text;
    std::optional<std::int32_t> color;
};

void PrintTo(const CodeFieldCase& c, std::ostream* os) { *os << c.name; }

class CodeField : public ::testing::TestWithParam<CodeFieldCase> {};

TEST_P(CodeField, ReadsTheTypedCode)
{
    const CodeFieldCase& c = GetParam();
    EXPECT_EQ(ColorEntry::colorFromCodeField(QString::fromUtf8(c.text), QString::fromUtf8(c.prefix)), c.color);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeField,
    ::testing::Values(CodeFieldCase{"PrefixAlone", "#", "#", std::nullopt},
                      CodeFieldCase{"Empty", "#", "", std::nullopt},
                      CodeFieldCase{"EmptyWithoutPrefix", "", "", std::nullopt},
                      CodeFieldCase{"OneShortOfSeven", "#", "#ff800", std::nullopt},
                      CodeFieldCase{"SixDigitsButPrefixMissing", "#", "ff8000", std::nullopt},
                      CodeFieldCase{"Exact", "#", "#FF8000", rgb(255, 128, 0)},
                      CodeFieldCase{"LowerCase", "#", "#ff8000", rgb(255, 128, 0)},
                      CodeFieldCase{"PrefixPlaceTakenByAnything", "#", "xff8000", rgb(255, 128, 0)},
                      CodeFieldCase{"TooLongIsBlack", "#", "#ff80001", 0},
                      CodeFieldCase{"NoPrefixExact", "", "0000ff", rgb(0, 0, 255)},
                      CodeFieldCase{"NoPrefixSeventhCharacterIsBlack", "", "ff80001", 0},
                      CodeFieldCase{"PieceStartingWithNonHexIsZero", "#", "#G18000", rgb(0, 128, 0)},
                      CodeFieldCase{"PieceStopsAtNonHex", "#", "#1G2H3Z", rgb(1, 2, 3)},
                      CodeFieldCase{"LongerPrefixDroppedWhole", "0x", "0x102030", rgb(0x10, 0x20, 0x30)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Channel fields ---------------------------------------------------------------

struct ChannelCase {
    const char* name;
    const char* red;
    const char* green;
    const char* blue;
    std::int32_t color;
};

void PrintTo(const ChannelCase& c, std::ostream* os) { *os << c.name; }

class ChannelFields : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(ChannelFields, MakeTheColour)
{
    const ChannelCase& c = GetParam();
    EXPECT_EQ(ColorEntry::colorFromChannelFields(QString::fromUtf8(c.red), QString::fromUtf8(c.green),
                                                 QString::fromUtf8(c.blue)),
              c.color);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelFields,
    ::testing::Values(ChannelCase{"TwoDigitsEach", "FF", "80", "00", rgb(255, 128, 0)},
                      ChannelCase{"OneCharacterIsTheLowDigit", "8", "F", "1", rgb(8, 15, 1)},
                      ChannelCase{"LowerCase", "ab", "cd", "ef", rgb(0xAB, 0xCD, 0xEF)},
                      ChannelCase{"EmptiedFieldGivesBlack", "", "FF", "FF", 0},
                      ChannelCase{"NonHexPieceReadsAsFarAsItGoes", "1G", "G1", "0A", rgb(1, 0, 10)},
                      ChannelCase{"ThreeCharactersMakeTheCodeTooLong", "ABC", "00", "00", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorEntry, ChannelFieldKeepsItsLastTwoCharacters)
{
    EXPECT_EQ(ColorEntry::keepLastTwo(QStringLiteral("FF8")), QStringLiteral("F8"));
    EXPECT_EQ(ColorEntry::keepLastTwo(QStringLiteral("8FF")), QStringLiteral("FF"));
    EXPECT_EQ(ColorEntry::keepLastTwo(QStringLiteral("F")), QStringLiteral("F"));
    EXPECT_EQ(ColorEntry::keepLastTwo(QString()), QString());
}

TEST(ColorEntry, ChannelTextIsUpperHexWithoutLeadingZero)
{
    EXPECT_EQ(ColorEntry::channelText(0), QStringLiteral("0"));
    EXPECT_EQ(ColorEntry::channelText(10), QStringLiteral("A"));
    EXPECT_EQ(ColorEntry::channelText(16), QStringLiteral("10"));
    EXPECT_EQ(ColorEntry::channelText(255), QStringLiteral("FF"));
}

// ---- Colour tools -----------------------------------------------------------------

TEST(ColorTools, AverageHueIsThePlainMeanWithoutWrapping)
{
    // (252, 0, 42) has hue 350 and (252, 42, 0) hue 10.
    const ColorTools::Scheme scheme{rgb(252, 0, 42), rgb(252, 42, 0), rgb(252, 42, 0), rgb(252, 42, 0),
                                    rgb(252, 42, 0)};
    ASSERT_NEAR(hueOf(scheme[0]), 350.0, 1e-9);
    ASSERT_NEAR(hueOf(scheme[1]), 10.0, 1e-9);
    const double mean = ColorTools::average(scheme, ColorTools::Hue);
    EXPECT_NEAR(mean, 78.0, 1e-9);
    for (const std::int32_t c : ColorTools::unify(scheme, ColorTools::Hue, mean))
        EXPECT_NEAR(hueOf(c), 78.0, 0.6);
}

TEST(ColorTools, AverageCountsAGreysHueAsMinusOne)
{
    const ColorTools::Scheme scheme{rgb(128, 128, 128), rgb(255, 0, 0), rgb(255, 0, 0), rgb(255, 0, 0),
                                    rgb(255, 0, 0)};
    EXPECT_DOUBLE_EQ(ColorTools::average(scheme, ColorTools::Hue), -1.0 / 5.0);
}

TEST(ColorTools, AverageLightness)
{
    const ColorTools::Scheme scheme{rgb(0, 0, 0), rgb(255, 255, 255), rgb(0, 0, 0), rgb(255, 255, 255),
                                    rgb(255, 0, 0)};
    EXPECT_DOUBLE_EQ(ColorTools::average(scheme, ColorTools::Lightness), 0.5);
}

TEST(ColorTools, UnifyingAGreysHueTurnsColoursAsIfTheHueWere359)
{
    const ColorTools::Scheme scheme{rgb(255, 0, 0), rgb(0, 0, 255), rgb(64, 64, 64), rgb(128, 128, 128),
                                    rgb(0, 255, 0)};
    const ColorTools::Scheme out = ColorTools::unify(scheme, ColorTools::Hue, -1.0);
    EXPECT_EQ(out[0], rgb(255, 0, 4));
    EXPECT_EQ(out[1], rgb(255, 0, 4));
    EXPECT_EQ(out[2], rgb(64, 64, 64));   // greys keep their grey
    EXPECT_EQ(out[3], rgb(128, 128, 128));
    EXPECT_EQ(out[4], rgb(255, 0, 4));
}

TEST(ColorTools, UnifyKeepsTheOtherTwoComponents)
{
    const ColorTools::Scheme scheme{rgb(0, 0, 0), rgb(255, 0, 0), rgb(0, 0, 128), rgb(255, 255, 255),
                                    rgb(51, 102, 153)};
    const ColorTools::Scheme out = ColorTools::unify(scheme, ColorTools::Lightness, 0.5);
    EXPECT_EQ(out[0], rgb(128, 128, 128));
    EXPECT_EQ(out[1], rgb(255, 0, 0));
    EXPECT_EQ(out[2], rgb(0, 0, 255));
    EXPECT_EQ(out[3], rgb(128, 128, 128));
    EXPECT_NEAR(hueOf(out[4]), 210.0, 0.5);
    EXPECT_NEAR(lightnessOf(out[4]), 0.5, 1.0 / 255);
}

TEST(ColorTools, ComplementTurnsHuesAndLeavesGreys)
{
    const ColorTools::Scheme scheme{rgb(255, 0, 0), rgb(0, 0, 255), rgb(0, 255, 0), rgb(128, 128, 128),
                                    rgb(255, 255, 255)};
    const ColorTools::Scheme out = ColorTools::complement(scheme);
    EXPECT_EQ(out[0], rgb(0, 255, 255));
    EXPECT_EQ(out[1], rgb(255, 255, 0));
    EXPECT_EQ(out[2], rgb(255, 0, 255));
    EXPECT_EQ(out[3], rgb(128, 128, 128));
    EXPECT_EQ(out[4], rgb(255, 255, 255));
}

TEST(ColorTools, RandomChannelIsTheIntegerPartAndNeverReaches255)
{
    const struct {
        double u;
        int channel;
    } cases[] = {{0.0, 0},
                 {0.5, 127},
                 {0.999999, 254},
                 {std::nextafter(1.0, 0.0), 254},
                 {1.0, 254},   // a faulty source is held inside the range
                 {-0.1, 0},
                 {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ColorTools::randomChannel(c.u), c.channel) << "u = " << c.u;
}

TEST(ColorTools, RandomColoursDrawRedGreenBlueInOrderPerObject)
{
    std::deque<double> draws;
    for (int i = 0; i < 15; ++i)
        draws.push_back((i + 1) / 16.0);
    const auto random = [&draws] {
        const double u = draws.front();
        draws.pop_front();
        return u;
    };
    const ColorTools::Scheme out = ColorTools::randomize(random);
    EXPECT_TRUE(draws.empty());
    for (int i = 0; i < 5; ++i) {
        const int r = static_cast<int>((3 * i + 1) / 16.0 * 255);
        const int g = static_cast<int>((3 * i + 2) / 16.0 * 255);
        const int b = static_cast<int>((3 * i + 3) / 16.0 * 255);
        EXPECT_EQ(out[i], rgb(r, g, b)) << "object " << i;
    }
}

// ---- Captions ---------------------------------------------------------------------

TEST(MainCaptions, WindowCaptionCarriesMajorAndMinor)
{
    EXPECT_EQ(MainCaptions::windowCaption(2, 0), QStringLiteral("Tessary Ver.2.0"));
    EXPECT_EQ(MainCaptions::windowCaption(10, 12), QStringLiteral("Tessary Ver.10.12"));
}

TEST(MainCaptions, LongTextsAreCutAfterTenCharacters)
{
    const struct {
        QString text;
        QString caption;
    } cases[] = {
        {QString(), QString()},
        {QStringLiteral("0123456789"), QStringLiteral("0123456789")},
        {QStringLiteral("0123456789A"), QStringLiteral("0123456789...")},
        {QStringLiteral("あいうえおかきくけこさ"), QStringLiteral("あいうえおかきくけこ...")},
        // A character outside the basic plane counts once and is never split.
        {QStringLiteral("012345678\U0001F600"), QStringLiteral("012345678\U0001F600")},
        {QStringLiteral("012345678\U0001F600X"), QStringLiteral("012345678\U0001F600...")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MainCaptions::shortenedCaption(c.text), c.caption) << c.text.toStdString();
}

TEST(MainCaptions, AmpersandsShowLiterally)
{
    EXPECT_EQ(MainCaptions::literalCaption(QStringLiteral("R&D")), QStringLiteral("R&&D"));
    EXPECT_EQ(MainCaptions::literalCaption(QStringLiteral("vLink")), QStringLiteral("vLink"));
}
