// SPDX-License-Identifier: MIT
#include "csscolor/CssColorNames.h"
#include "csscolor/CssColorReader.h"
#include "csscolor/CssColorWriter.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

QString hex(std::int32_t c) { return CssColorWriter::write(c, CssColorForm::HexUpper); }

struct Valid {
    const char* text;
    const char* expected;
    bool outOfGamut;
    double alpha;
};

// Examples of the CSS colour syntaxes with the colours browsers draw for them; the Lab, LCH,
// Oklab and OKLCH rows are the conformance tests' conversions of named colours.
const Valid kValid[] = {
    {"#f00", "#FF0000", false, 1.0},
    {"#0F08", "#00FF00", false, 0x88 / 255.0},
    {"#1a5fb4", "#1A5FB4", false, 1.0},
    {"#00ff0080", "#00FF00", false, 0x80 / 255.0},
    {"1A5FB4", "#1A5FB4", false, 1.0},
    {"  fff  ", "#FFFFFF", false, 1.0},
    {"RebeccaPurple", "#663399", false, 1.0},
    {"LIGHTGOLDENRODYELLOW", "#FAFAD2", false, 1.0},
    {"transparent", "#000000", false, 0.0},
    {"rgb(29 164 192 / 95%)", "#1DA4C0", false, 0.95},
    {"rgb(26 95 180)", "#1A5FB4", false, 1.0},
    {"rgb(100% 0% 0%)", "#FF0000", false, 1.0},
    {"rgb(255, 0, 0)", "#FF0000", false, 1.0},
    {"rgba(255, 0, 0, 0.5)", "#FF0000", false, 0.5},
    {"rgb(300 -10 0)", "#FF0000", false, 1.0},
    {"rgb(none 255 none / none)", "#00FF00", false, 0.0},
    {"rgb(50% 255 0)", "#80FF00", false, 1.0},
    {"RGB(/* red */255 0 0/**/)", "#FF0000", false, 1.0},
    {"rgb(\n255\t0 0 )", "#FF0000", false, 1.0},
    {"rgb(2.55e2 0 0", "#FF0000", false, 1.0},
    {"rgb(+.5e+2 0 0)", "#320000", false, 1.0},
    {"hsl(120deg 100% 50%)", "#00FF00", false, 1.0},
    {"hsl(120 100% 25%)", "#008000", false, 1.0},
    {"hsla(120, 100%, 50%, 0.5)", "#00FF00", false, 0.5},
    {"hsl(0.5turn 100 50)", "#00FFFF", false, 1.0},
    {"hsl(-120 100% 50%)", "#0000FF", false, 1.0},
    {"hsl(3.14159265rad 100% 50%)", "#00FFFF", false, 1.0},
    {"hsl(400grad 100% 50%)", "#FF0000", false, 1.0},
    {"hsl(0 -20% 50%)", "#808080", false, 1.0},
    {"hwb(0 0% 0%)", "#FF0000", false, 1.0},
    {"hwb(240 0% 50%)", "#000080", false, 1.0},
    {"hwb(90 100% 100%)", "#808080", false, 1.0},
    {"lab(46.2775% -47.5621 48.5837)", "#008000", false, 1.0},
    {"lab(50 50 0)", "#C14E79", false, 1.0},
    {"lab(70 0 70)", "#C3A90E", false, 1.0},
    {"lch(46.2775% 67.9892 134.3912)", "#008000", false, 1.0},
    {"oklab(51.975% -0.1403 0.10768)", "#008000", false, 1.0},
    {"oklab(0.51975 -35.075% 26.92%)", "#008000", false, 1.0},
    {"oklch(51.975% 0.17686 142.495)", "#008000", false, 1.0},
    {"oklch(62.8% 0.258 29.23)", "#FF0000", true, 1.0},
    {"oklch(0.70 0.40 30)", "#FF5843", true, 1.0},
    {"oklch(0.95 0.30 110)", "#FAF900", true, 1.0},
    {"oklch(0.30 0.30 264)", "#03009E", true, 1.0},
    {"oklch(0.50 0.20 150)", "#007C25", true, 1.0},
    {"oklch(0.90 0.05 200)", "#B8E9EB", false, 1.0},
    {"oklch(120% 0.4 30)", "#FFFFFF", true, 1.0},
    {"color(srgb 1 0.5 0)", "#FF8000", false, 1.0},
    {"color(srgb 100% 50% 0% / 0.2)", "#FF8000", false, 0.2},
    {"color(srgb-linear 0.21586 0.21586 0.21586)", "#808080", false, 1.0},
    {"color(display-p3 0.21604 0.49418 0.13151)", "#008000", false, 1.0},
    {"color(display-p3 1 0 0)", "#FF0B0C", true, 1.0},
    {"color(a98-rgb 0.28137 0.49802 0.11675)", "#008000", false, 1.0},
    {"color(prophoto-rgb 0.23052 0.39578 0.12995)", "#008000", false, 1.0},
    {"color(rec2020 0.23521 0.43171 0.08543)", "#008000", false, 1.0},
    {"color(xyz 0.07719 0.15438 0.02573)", "#008000", false, 1.0},
    {"color(xyz-d65 0.07719 0.15438 0.02573)", "#008000", false, 1.0},
    {"color(xyz-d50 0.08314 0.15475 0.02096)", "#008000", false, 1.0},
    {"COLOR(SRGB 1 1 1)", "#FFFFFF", false, 1.0},
};

TEST(CssColorReader, ReadsEverySyntax)
{
    for (const Valid& v : kValid) {
        SCOPED_TRACE(v.text);
        const CssColorReading r = CssColorReader::read(QString::fromUtf8(v.text));
        ASSERT_TRUE(r.color) << qPrintable(r.error);
        EXPECT_EQ(hex(*r.color), QLatin1String(v.expected));
        EXPECT_EQ(r.outOfGamut, v.outOfGamut);
        EXPECT_NEAR(r.alpha, v.alpha, 1e-9);
        // The note says what was changed, and only then.
        EXPECT_EQ(r.note().contains(QStringLiteral("色域外 → ") + hex(*r.color)), v.outOfGamut);
        EXPECT_EQ(r.note().contains(QStringLiteral("不透明度")), v.alpha < 1.0);
    }
}

// Pairs the CSS syntax defines as the same colour: percentages against their numbers, angle
// units, "none" as zero.
TEST(CssColorReader, EquivalentForms)
{
    const std::pair<const char*, const char*> kSame[] = {
        {"lab(40% 35% 30%)", "lab(40 43.75 37.5)"},
        {"lch(40% 50% 39)", "lch(40 75 39)"},
        {"lch(60% 50 0.5turn)", "lch(60% 50 180)"},
        {"lch(60% 50 200grad)", "lch(60% 50 180deg)"},
        {"oklch(50% 50% 90)", "oklch(0.5 0.2 90)"},
        {"oklab(50% 50% -25%)", "oklab(0.5 0.2 -0.1)"},
        {"color(display-p3 50% 20% 10%)", "color(display-p3 0.5 0.2 0.1)"},
        {"hwb(none 10% 20%)", "hwb(0 10 20)"},
        {"lch(50% 30 none)", "lch(50% 30 0)"},
        {"hsl(405 50% 50%)", "hsl(45 50% 50%)"},
        {"lab(-10 0 0)", "lab(0 0 0)"},
        {"lch(50 -5 30)", "lch(50 0 30)"},
    };
    for (const auto& [a, b] : kSame) {
        SCOPED_TRACE(a);
        const auto ra = CssColorReader::read(QString::fromUtf8(a));
        const auto rb = CssColorReader::read(QString::fromUtf8(b));
        ASSERT_TRUE(ra.color && rb.color) << qPrintable(ra.error + rb.error);
        EXPECT_EQ(*ra.color, *rb.color);
    }
}

// Texts CSS refuses, with a word of the message that names the fault.
TEST(CssColorReader, RefusesWithAReason)
{
    const std::pair<const char*, const char*> kInvalid[] = {
        {"", "書かれていません"},
        {"/* only */", "注釈だけ"},
        {"#ff", "2 桁"},
        {"#fffff", "5 桁"},
        {"#ffffffa", "7 桁"},
        {"#12345g", "「g」"},
        {"blurple", "「blurple」"},
        {"currentcolor", "currentcolor"},
        {"red blue", "「blue」"},
        {"rgb(255, 0, 0 / 0.5)", "コンマ"},
        {"rgb(255 0, 0)", "コンマ"},
        {"rgb(100%, 0, 0)", "混ぜられません"},
        {"rgb(none, 0, 0)", "none"},
        {"rgb(255, 0, 0, 0.5, 1)", "多すぎ"},
        {"rgb(1 2)", "2 つ"},
        {"rgb(1 2 3 4)", "「/」"},
        {"rgb(1 2 3 /)", "「/」の後"},
        {"rgb(1 / 2 3)", "「/」"},
        {"rgb(1px 2 3)", "「px」"},
        {"rgb(1 2 3) x", "「x」"},
        {"rgb(,1 2 3)", "「,」"},
        {"rgb(from red r g b)", "from"},
        {"rgb(calc(1) 2 3)", "calc()"},
        {"rgb(10deg 2 3)", "角度"},
        {"rgb(1 2 3 ; )", "「;」"},
        {"rgb(\\31 2 3)", "「\\」"},
        {"rgb(red 2 3)", "「red」"},
        {"hsl(120, 100, 50)", "「100」"},
        {"hsl(10% 20% 30%)", "百分率"},
        {"hsl(120 100% 50deg)", "角度"},
        {"hwb(0, 0%, 0%)", "hwb()"},
        {"lab(1, 2, 3)", "lab()"},
        {"lch(50% 30 40%)", "百分率"},
        {"oklch(0.5 0.1)", "2 つ"},
        {"color(foo 1 2 3)", "「foo」"},
        {"color(srgb 1 2)", "2 つ"},
        {"color(1 2 3)", "色空間"},
        {"color(srgb 1 2 3deg)", "角度"},
        {"rbg(1 2 3)", "「rbg()」"},
        {"#", "「#」"},
        {"1 2 3", "「2」"},
    };
    for (const auto& [text, word] : kInvalid) {
        SCOPED_TRACE(text);
        const CssColorReading r = CssColorReader::read(QString::fromUtf8(text));
        EXPECT_FALSE(r.color);
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(word))) << qPrintable(r.error);
        EXPECT_TRUE(r.note().isEmpty());
    }
}

TEST(CssColorReader, EveryNamedColourReadsInAnyCase)
{
    for (int i = 0; i < CssColorNames::kCount; ++i) {
        const QString name = QString::fromLatin1(CssColorNames::nameAt(i));
        const auto rgb = CssColorNames::rgbAt(i);
        const std::int32_t expected = std::int32_t(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
        for (const QString& text : {name, name.toUpper(), QStringLiteral(" %1\n").arg(name)}) {
            const auto r = CssColorReader::read(text);
            ASSERT_TRUE(r.color) << qPrintable(text);
            EXPECT_EQ(*r.color, expected) << qPrintable(text);
        }
    }
    EXPECT_FALSE(CssColorReader::read(QStringLiteral("\u212Ahaki")).color);
}

} // namespace
} // namespace tessary
