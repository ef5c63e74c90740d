// SPDX-License-Identifier: MIT
#include "contrast/LinearRgb.h"

#include "platform/ColorValue.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tessary {

namespace {

const std::array<double, 256>& decodeTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            t[v] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

} // namespace

double LinearRgb::decode(int channel) { return decodeTable()[channel & 0xFF]; }

int LinearRgb::encode(double linear)
{
    // NaN would survive std::clamp; treat it as black.
    const double c = linear > 0.0 ? std::min(linear, 1.0) : 0.0;
    const double e = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(e * 255.0));
}

LinearRgb LinearRgb::fromColorValue(std::int32_t value)
{
    return {decode(ColorValue::red(value)), decode(ColorValue::green(value)), decode(ColorValue::blue(value))};
}

std::int32_t LinearRgb::toColorValue() const { return ColorValue::pack(encode(r), encode(g), encode(b)); }

bool LinearRgb::inGamut() const
{
    return r >= 0.0 && r <= 1.0 && g >= 0.0 && g <= 1.0 && b >= 0.0 && b <= 1.0;
}

LinearRgb LinearRgb::clipped() const { return {clamp01(r), clamp01(g), clamp01(b)}; }

} // namespace tessary
