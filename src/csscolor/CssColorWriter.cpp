// SPDX-License-Identifier: MIT
#include "csscolor/CssColorWriter.h"

#include "contrast/Oklch.h"
#include "platform/ColorValue.h"

#include <algorithm>
#include <cmath>

namespace tessary {

namespace {

// Hundredths of a degree and of a percent, and four places of OKLCH chroma, are the fewest
// with which every 8-bit colour reads back as itself (the round-trip test walks them all).
constexpr int kHueDecimals = 2;
constexpr int kPercentDecimals = 2;
constexpr int kOklchHueDecimals = 3;
constexpr int kLightnessDecimals = 3;
constexpr int kChromaDecimals = 5;

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// A hue that rounds up to 360 is written as 0.
double roundedHue(double h, int decimals)
{
    const double r = rounded(h, decimals);
    return r >= 360.0 ? 0.0 : r;
}

} // namespace

QString cssColorFormName(CssColorForm form)
{
    switch (form) {
    case CssColorForm::HexUpper:
        return QStringLiteral("#RRGGBB");
    case CssColorForm::HexLower:
        return QStringLiteral("#rrggbb");
    case CssColorForm::Rgb:
        return QStringLiteral("rgb()");
    case CssColorForm::Hsl:
        return QStringLiteral("hsl()");
    case CssColorForm::Oklch:
        break;
    }
    return QStringLiteral("oklch()");
}

std::optional<CssColorForm> cssColorFormFromName(QStringView name)
{
    for (CssColorForm f : kCssColorForms) {
        if (cssColorFormName(f) == name)
            return f;
    }
    return std::nullopt;
}

QString CssColorWriter::number(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    long long scaled = std::llround(value * scale);
    const bool negative = scaled < 0;
    if (negative)
        scaled = -scaled;
    const long long unit = std::llround(scale);
    QString text = QString::number(scaled / unit);
    long long fraction = scaled % unit;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(decimals, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return negative ? u'-' + text : text;
}

std::array<double, 3> CssColorWriter::hslNumbers(std::int32_t color)
{
    const double r = ColorValue::red(color) / 255.0;
    const double g = ColorValue::green(color) / 255.0;
    const double b = ColorValue::blue(color) / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double l = (max + min) / 2.0;
    const double d = max - min;
    double h = 0.0;
    double s = 0.0;
    if (d > 0.0) {
        s = d / (1.0 - std::abs(2.0 * l - 1.0));
        if (max == r)
            h = std::fmod((g - b) / d + 6.0, 6.0);
        else if (max == g)
            h = (b - r) / d + 2.0;
        else
            h = (r - g) / d + 4.0;
        h *= 60.0;
    }
    return {roundedHue(h, kHueDecimals), rounded(s * 100.0, kPercentDecimals), rounded(l * 100.0, kPercentDecimals)};
}

std::array<double, 3> CssColorWriter::oklchNumbers(std::int32_t color)
{
    const Oklch c = Oklch::fromColorValue(color);
    const double chroma = rounded(c.C, kChromaDecimals);
    return {rounded(c.L * 100.0, kLightnessDecimals), chroma, chroma == 0.0 ? 0.0 : roundedHue(c.h, kOklchHueDecimals)};
}

QString CssColorWriter::write(std::int32_t color, CssColorForm form)
{
    const int r = ColorValue::red(color);
    const int g = ColorValue::green(color);
    const int b = ColorValue::blue(color);
    switch (form) {
    case CssColorForm::HexUpper:
    case CssColorForm::HexLower: {
        QString hex = QStringLiteral("#%1").arg((r << 16) | (g << 8) | b, 6, 16, QChar(u'0'));
        return form == CssColorForm::HexUpper ? hex.toUpper() : hex;
    }
    case CssColorForm::Rgb:
        return QStringLiteral("rgb(%1 %2 %3)").arg(r).arg(g).arg(b);
    case CssColorForm::Hsl: {
        const auto n = hslNumbers(color);
        return QStringLiteral("hsl(%1 %2% %3%)")
            .arg(number(n[0], kHueDecimals), number(n[1], kPercentDecimals), number(n[2], kPercentDecimals));
    }
    case CssColorForm::Oklch:
        break;
    }
    const auto n = oklchNumbers(color);
    return QStringLiteral("oklch(%1% %2 %3)")
        .arg(number(n[0], kLightnessDecimals), number(n[1], kChromaDecimals), number(n[2], kOklchHueDecimals));
}

} // namespace tessary
