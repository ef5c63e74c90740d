// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"

#include "platform/Numeric.h"

#include <cmath>

namespace tessary {

namespace {

// Components outside 0..255 are never passed; packing in 64 bits keeps such values from
// overflowing and wraps them like the 32-bit arithmetic of the stored files would.
std::int32_t pack(std::int32_t r, std::int32_t g, std::int32_t b)
{
    const std::int64_t v = std::int64_t{r} + 256 * std::int64_t{g} + 65536 * std::int64_t{b};
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

double clampUnit(double v)
{
    if (std::isnan(v))
        return 0.0;
    if (v > 1.0)
        v = 1.0;
    if (v < 0.0)
        v = 0.0;
    return v;
}

} // namespace

std::int32_t ColorModel::getComplementaryColor()
{
    // Deliberately no refresh: callers refresh first when they need the current hue.
    if (hue - 180.0 < 0.0)
        return roundHalfEven(std::fabs(hue + 360.0 - 180.0));
    return roundHalfEven(hue - 180.0);
}

void ColorModel::refreshColorModel()
{
    // RGB first: when both sides changed, the RGB side wins and the HSL change is lost.
    if (hslOutdated) {
        RGB2HSL();
        hslOutdated = false;
    }
    if (rgbOutdated) {
        color = HSL2RGB();
        rgbOutdated = false;
    }
}

std::int32_t ColorModel::getColor()
{
    refreshColorModel();
    return color;
}

void ColorModel::setColor(std::int32_t c)
{
    color = c;
    red = c % 256;
    green = (c % 65536) / 256;
    blue = c / 65536;
    hslOutdated = true;
}

void ColorModel::setRGB(std::int32_t rr, std::int32_t gg, std::int32_t bb)
{
    red = rr;
    green = gg;
    blue = bb;
    color = pack(red, green, blue);
    hslOutdated = true;
}

void ColorModel::SetRed(std::int32_t rr)
{
    red = rr;
    color = pack(red, green, blue);
    hslOutdated = true;
}

void ColorModel::SetBlue(std::int32_t bb)
{
    blue = bb;
    color = pack(red, green, blue);
    hslOutdated = true;
}

void ColorModel::SetGreen(std::int16_t gg)
{
    green = gg;
    color = pack(red, green, blue);
    hslOutdated = true;
}

void ColorModel::SetSatuation(double ss)
{
    saturation = clampUnit(ss);
    rgbOutdated = true;
}

void ColorModel::SetLightness(double tl)
{
    lightness = clampUnit(tl);
    rgbOutdated = true;
}

void ColorModel::SetHue(double th)
{
    if (std::isnan(th))
        th = 0.0;
    if (th > 360.0)
        th -= 360.0;
    // -1 is the marker of a grey and survives; any other negative hue becomes 0.
    if (th < 0.0 && th != -1.0)
        th = 0.0;
    hue = th;
    rgbOutdated = true;
}

void ColorModel::SetHSL(double h, double s, double l)
{
    SetHue(h);
    SetSatuation(s);
    SetLightness(l);
}

void ColorModel::SetColor_Gray()
{
    saturation = 0.0;
    hue = 0.0;
    rgbOutdated = true;
}

std::int32_t ColorModel::GetRed()
{
    refreshColorModel();
    return red;
}

std::int32_t ColorModel::GetBlue()
{
    refreshColorModel();
    return blue;
}

std::int32_t ColorModel::GetGreen()
{
    refreshColorModel();
    return green;
}

double ColorModel::getLightness()
{
    refreshColorModel();
    return lightness;
}

double ColorModel::getSatuation()
{
    refreshColorModel();
    return saturation;
}

double ColorModel::getHue()
{
    refreshColorModel();
    return hue;
}

double ColorModel::maxOf(double a, double b)
{
    return a > b ? a : b;
}

double ColorModel::minOf(double a, double b)
{
    return a > b ? b : a;
}

double ColorModel::hueToComponent(double m1, double m2, double h)
{
    if (h > 360.0)
        h -= 360.0;
    else if (h < 0.0)
        h += 360.0;
    double v;
    if (h < 60.0)
        v = m1 + (m2 - m1) * h / 60.0;
    else if (h < 180.0)
        v = m2;
    else if (h < 240.0)
        v = m1 + (m2 - m1) * (240.0 - h) / 60.0;
    else
        v = m1;
    if (v < 0.0)
        v = 0.0;
    if (v > 1.0)
        v = 1.0;
    return v;
}

void ColorModel::RGB2HSL()
{
    const double r = red / 255.0;
    const double g = green / 255.0;
    const double b = blue / 255.0;
    const double max = maxOf(maxOf(r, b), g);
    const double min = minOf(minOf(r, b), g);
    lightness = (min + max) / 2.0;
    if (max == min) {
        saturation = 0.0;
        hue = -1.0;
        return;
    }
    if (lightness <= 0.5)
        saturation = (max - min) / (max + min);
    else
        saturation = (max - min) / (2.0 - max - min);
    const double d = max - min;
    double h;
    // Exact comparisons in the order red, green, blue: on a tie the earlier one wins.
    if (max == r)
        h = (g - b) / d;
    else if (max == g)
        h = (b - r) / d + 2.0;
    else
        h = (r - g) / d + 4.0;
    h = h * 60.0;
    if (h < 0.0)
        h += 360.0;
    hue = h;
}

std::int32_t ColorModel::HSL2RGB()
{
    const double L = lightness;
    const double S = saturation;
    const double H = hue;
    const double m2 = L <= 0.5 ? L * (1.0 + S) : L + S - L * S;
    const double m1 = 2.0 * L - m2;
    if (S == 0.0 && H == -1.0) {
        const std::int32_t v = roundHalfEven(L * 255.0);
        red = v;
        green = v;
        blue = v;
    } else {
        // A hue of -1 with some saturation falls through here and acts as 359.
        red = roundHalfEven(255.0 * hueToComponent(m1, m2, H + 120.0));
        green = roundHalfEven(255.0 * hueToComponent(m1, m2, H));
        blue = roundHalfEven(255.0 * hueToComponent(m1, m2, H - 120.0));
    }
    return pack(red, green, blue);
}

} // namespace tessary
