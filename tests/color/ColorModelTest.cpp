// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"

#include <gtest/gtest.h>

using namespace tessary;

namespace {

struct Rgb {
    int r, g, b;
};

std::int32_t packed(Rgb c) { return c.r + 256 * c.g + 65536 * c.b; }

} // namespace

TEST(ColorModel, RgbToHslAndBack)
{
    struct Row {
        const char* name;
        Rgb rgb;
        double hue, saturation, lightness;
    };
    const Row rows[] = {
        {"red", {255, 0, 0}, 0.0, 1.0, 0.5},
        {"green", {0, 255, 0}, 120.0, 1.0, 0.5},
        {"blue", {0, 0, 255}, 240.0, 1.0, 0.5},
        {"magenta", {255, 0, 255}, 300.0, 1.0, 0.5},
        {"steel blue, dark half", {51, 102, 153}, 210.0, 0.5, 0.4},
        {"orange-brown", {200, 100, 50}, 20.0, 0.6, 0.49019607843137253},
        {"negative raw hue wraps", {255, 0, 128}, 329.88235294117646, 1.0, 0.5},
        {"light half uses 2-max-min", {255, 191, 191}, 0.0, 1.0, 0.87450980392156863},
        {"grey has no hue", {128, 128, 128}, -1.0, 0.0, 128.0 / 255.0},
        {"black has no hue", {0, 0, 0}, -1.0, 0.0, 0.0},
        {"white has no hue", {255, 255, 255}, -1.0, 0.0, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ColorModel m;
        m.setRGB(row.rgb.r, row.rgb.g, row.rgb.b);
        EXPECT_DOUBLE_EQ(m.getHue(), row.hue);
        EXPECT_DOUBLE_EQ(m.getSatuation(), row.saturation);
        EXPECT_DOUBLE_EQ(m.getLightness(), row.lightness);

        ColorModel back;
        back.SetHSL(row.hue, row.saturation, row.lightness);
        EXPECT_EQ(back.GetRed(), row.rgb.r);
        EXPECT_EQ(back.GetGreen(), row.rgb.g);
        EXPECT_EQ(back.GetBlue(), row.rgb.b);
        EXPECT_EQ(back.getColor(), packed(row.rgb));
    }
}

TEST(ColorModel, HslToRgbRoundsHalvesToEvenAndHandlesHueMinusOne)
{
    struct Row {
        const char* name;
        double h, s, l;
        Rgb rgb;
    };
    const Row rows[] = {
        {"127.5 rounds up to the even 128", 240.0, 1.0, 0.25, {0, 0, 128}},
        {"grey path: 127.5 gives 128", -1.0, 0.0, 0.5, {128, 128, 128}},
        {"grey path: 76.5 rounds down to 76", -1.0, 0.0, 0.3, {76, 76, 76}},
        {"saturation 0 with a real hue: 76.5 gives 76", 0.0, 0.0, 0.3, {76, 76, 76}},
        {"178.5 rounds down to 178", 0.0, 0.4, 0.5, {178, 77, 77}},
        {"hue -1 with saturation acts as 359", -1.0, 0.5, 0.5, {191, 64, 66}},
        {"hue 360 converts like 0", 360.0, 1.0, 0.5, {255, 0, 0}},
        {"hue 365 (725 less 360) converts like 5", 725.0, 1.0, 0.5, {255, 21, 0}},
        {"saturation above 1 is clamped", 120.0, 1.5, 0.5, {0, 255, 0}},
        {"lightness below 0 is clamped", 120.0, 1.0, -0.2, {0, 0, 0}},
        {"lightness above 1 is clamped", 200.0, 1.0, 7.0, {255, 255, 255}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ColorModel m;
        m.SetHSL(row.h, row.s, row.l);
        EXPECT_EQ(m.GetRed(), row.rgb.r);
        EXPECT_EQ(m.GetGreen(), row.rgb.g);
        EXPECT_EQ(m.GetBlue(), row.rgb.b);
        EXPECT_EQ(m.getColor(), packed(row.rgb));
    }
}

TEST(ColorModel, SettersNormaliseTheirInput)
{
    struct Row {
        const char* name;
        void (ColorModel::*set)(double);
        double (ColorModel::*get)();
        double in, stored;
    };
    const Row rows[] = {
        {"hue 360 stays 360", &ColorModel::SetHue, &ColorModel::getHue, 360.0, 360.0},
        {"hue above 360 loses 360 once", &ColorModel::SetHue, &ColorModel::getHue, 725.0, 365.0},
        {"hue -1 is kept", &ColorModel::SetHue, &ColorModel::getHue, -1.0, -1.0},
        {"other negative hue gives 0", &ColorModel::SetHue, &ColorModel::getHue, -5.0, 0.0},
        {"hue -0.5 gives 0", &ColorModel::SetHue, &ColorModel::getHue, -0.5, 0.0},
        {"saturation 1.5 gives 1", &ColorModel::SetSatuation, &ColorModel::getSatuation, 1.5, 1.0},
        {"saturation -3 gives 0", &ColorModel::SetSatuation, &ColorModel::getSatuation, -3.0, 0.0},
        {"lightness -0.2 gives 0", &ColorModel::SetLightness, &ColorModel::getLightness, -0.2, 0.0},
        {"lightness 0.3 kept", &ColorModel::SetLightness, &ColorModel::getLightness, 0.3, 0.3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ColorModel m;
        (m.*row.set)(row.in);
        EXPECT_DOUBLE_EQ((m.*row.get)(), row.stored);
    }
}

TEST(ColorModel, NewModelIsBlackWithHueZero)
{
    ColorModel m;
    EXPECT_EQ(m.getColor(), 0);
    EXPECT_EQ(m.getHue(), 0.0); // not -1: nothing has been converted yet
    EXPECT_EQ(m.getSatuation(), 0.0);
    EXPECT_EQ(m.getLightness(), 0.0);
}

TEST(ColorModel, SetColorSplitsTheBytes)
{
    ColorModel m;
    m.setColor(0x123456);
    EXPECT_EQ(m.GetRed(), 0x56);
    EXPECT_EQ(m.GetGreen(), 0x34);
    EXPECT_EQ(m.GetBlue(), 0x12);
    EXPECT_EQ(m.getColor(), 0x123456);
}

TEST(ColorModel, SingleComponentSettersRepackTheColour)
{
    ColorModel m;
    m.setColor(0x102030);
    m.SetRed(0xFF);
    EXPECT_EQ(m.getColor(), 0x1020FF);
    m.SetGreen(0x01);
    EXPECT_EQ(m.getColor(), 0x1001FF);
    m.SetBlue(0x00);
    EXPECT_EQ(m.getColor(), 0x0001FF);
    EXPECT_DOUBLE_EQ(m.getLightness(), 0.5);
}

TEST(ColorModel, BothSidesChangedRgbWins)
{
    ColorModel m;
    m.SetHSL(120.0, 1.0, 0.5);
    m.refreshColorModel();
    m.setColor(0x0000FF); // red
    m.SetHue(240.0);      // lost: the RGB side is converted first
    EXPECT_EQ(m.getColor(), 0x0000FF);
    EXPECT_DOUBLE_EQ(m.getHue(), 0.0);
}

TEST(ColorModel, ReadingTheChangedSideKeepsIt)
{
    // After an HSL change the HSL values are not recomputed from the rounded RGB side.
    ColorModel m;
    m.SetHSL(360.0, 0.3, 0.45);
    EXPECT_EQ(m.GetRed(), m.GetRed());
    EXPECT_DOUBLE_EQ(m.getHue(), 360.0);
    EXPECT_DOUBLE_EQ(m.getSatuation(), 0.3);
    EXPECT_DOUBLE_EQ(m.getLightness(), 0.45);
}

TEST(ColorModel, SetColorGrayKeepsLightness)
{
    ColorModel m;
    m.setRGB(255, 0, 0);
    m.refreshColorModel();
    m.SetColor_Gray();
    EXPECT_EQ(m.getColor(), 0x808080);
    EXPECT_DOUBLE_EQ(m.getHue(), 0.0);
    EXPECT_DOUBLE_EQ(m.getSatuation(), 0.0);
    EXPECT_DOUBLE_EQ(m.getLightness(), 0.5);
}

TEST(ColorModel, RawConversionsTouchNoFlag)
{
    ColorModel m;
    m.SetHSL(0.0, 1.0, 0.5);
    EXPECT_EQ(m.HSL2RGB(), 0x0000FF);
    // HSL2RGB does not store the colour value, and the pending refresh still runs.
    EXPECT_EQ(m.getColor(), 0x0000FF);
    m.setRGB(0, 255, 0);
    m.RGB2HSL();
    EXPECT_DOUBLE_EQ(m.getHue(), 120.0);
}

TEST(ColorModel, ComplementaryHue)
{
    struct Row {
        const char* name;
        double hue;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"0", 0.0, 180},
        {"30", 30.0, 210},
        {"200", 200.0, 20},
        {"359", 359.0, 179},
        {"grey", -1.0, 179},
        {"359.5 rounds to the even 360", 179.5, 360},
        {"358.5 rounds down to 358", 178.5, 358},
        {"0.5 rounds down to 0", 180.5, 0},
        {"1.5 rounds up to 2", 181.5, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ColorModel m;
        m.SetHue(row.hue);
        EXPECT_EQ(m.getComplementaryColor(), row.expected);
    }
}

TEST(ColorModel, ComplementaryHueReadsStaleHueWithoutRefresh)
{
    ColorModel m;
    m.SetHSL(30.0, 1.0, 0.5);
    m.refreshColorModel();
    m.setColor(0xFF0000); // blue, hue 240 once refreshed
    EXPECT_EQ(m.getComplementaryColor(), 210);
    m.refreshColorModel();
    EXPECT_EQ(m.getComplementaryColor(), 60);
}

TEST(ColorModel, EveryColourSurvivesTheTripThroughHsl)
{
    std::int64_t failures = 0;
    std::int32_t first = -1;
    for (std::int32_t c = 0; c < (1 << 24); ++c) {
        ColorModel rgb;
        rgb.setColor(c);
        ColorModel hsl;
        hsl.SetHSL(rgb.getHue(), rgb.getSatuation(), rgb.getLightness());
        if (hsl.getColor() != c) {
            if (first < 0)
                first = c;
            ++failures;
        }
    }
    EXPECT_EQ(failures, 0) << "first failing colour " << first;
}
