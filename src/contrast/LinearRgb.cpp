// SPDX-License-Identifier: MIT
#include "contrast/LinearRgb.h"

#include "cvd/SrgbTransfer.h"
#include "platform/ColorValue.h"

#include <algorithm>

namespace tessary {

namespace {

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

} // namespace

double LinearRgb::decode(int channel) { return SrgbTransfer::tables().decode[channel & 0xFF]; }

int LinearRgb::encode(double linear) { return SrgbTransfer::encode(linear); }

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
