// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessary {

// A colour in linear-light sRGB. Channels are 0..1 inside the gamut; a colour computed from
// another space may lie outside until it is clipped or gamut-mapped.
struct LinearRgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;

    // The sRGB piecewise decode of one 8-bit channel (0..255; other values are masked).
    static double decode(int channel);
    // The sRGB encode of one linear channel, rounded to 0..255 (values outside 0..1 clamp).
    static int encode(double linear);

    // From a colour value (red in the low byte); bits above the low 24 are ignored.
    static LinearRgb fromColorValue(std::int32_t value);
    // The 8-bit colour value that would be stored for this colour, each channel clamped.
    std::int32_t toColorValue() const;

    bool inGamut() const;
    // Each channel clamped to 0..1.
    LinearRgb clipped() const;
};

} // namespace tessary
