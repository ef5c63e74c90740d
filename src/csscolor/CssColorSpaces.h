// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/LinearRgb.h"

#include <QStringView>
#include <array>
#include <optional>

namespace tessary {

// The colour spaces a CSS colour can be written in, and their conversions into sRGB. Values
// outside a space's gamut pass through unclamped (the transfer curves are extended to
// negative values by symmetry), so that the caller sees whether a colour fits sRGB.
class CssColorSpaces {
public:
    // The spaces color() names.
    enum class Predefined { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProphotoRgb, Rec2020, XyzD50, XyzD65 };

    // A space named in color(), in any letter case ("xyz" is xyz-d65).
    static std::optional<Predefined> find(QStringView name);

    static LinearRgb fromPredefined(Predefined space, const std::array<double, 3>& c);
    // CIE Lab relative to D50: L 0..100.
    static LinearRgb fromLab(double L, double a, double b);

    // Gamma-encoded sRGB (0..1 inside the gamut) of hsl() and hwb(): hue in degrees,
    // the others 0..1.
    static std::array<double, 3> hslToSrgb(double hue, double saturation, double lightness);
    static std::array<double, 3> hwbToSrgb(double hue, double white, double black);

    // The extended sRGB transfer curve, both ways.
    static double srgbToLinear(double encoded);
    static double linearToSrgb(double linear);
};

} // namespace tessary
