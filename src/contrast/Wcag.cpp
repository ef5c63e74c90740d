// SPDX-License-Identifier: MIT
#include "contrast/Wcag.h"

#include "platform/ColorValue.h"

namespace tessary {

double Wcag::luminance(std::int32_t c)
{
    return luminance({LinearRgb::decode(ColorValue::red(c)), LinearRgb::decode(ColorValue::green(c)),
                      LinearRgb::decode(ColorValue::blue(c))});
}

double Wcag::luminance(const LinearRgb& rgb) { return 0.2126 * rgb.r + 0.7152 * rgb.g + 0.0722 * rgb.b; }

double Wcag::ratio(double a, double b)
{
    return a >= b ? (a + kFlare) / (b + kFlare) : (b + kFlare) / (a + kFlare);
}

double Wcag::contrast(std::int32_t a, std::int32_t b) { return ratio(luminance(a), luminance(b)); }

double Wcag::threshold(Level level, bool large)
{
    if (level == Level::AAA)
        return large ? kAAALarge : kAAA;
    return large ? kAALarge : kAA;
}

} // namespace tessary
