// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace tessary {

// What reading a colour text gave: the colour, or why there is none.
struct CssColorReading {
    // The colour value (red in the low byte).
    std::optional<std::int32_t> color;
    // Why the text is not a colour, in Japanese; empty when it is one.
    QString error;
    // The opacity written (0..1); the scheme's colours are opaque, so it is not used.
    double alpha = 1.0;
    // The colour lay outside sRGB and was brought inside.
    bool outOfGamut = false;

    // One line on what was changed on the way ("色域外 → #FF5843"), empty when nothing was.
    QString note() const;
};

// Reads a colour written as CSS writes colours: hex codes of 3, 4, 6 or 8 digits (also without
// "#"), the named colours and transparent, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(),
// oklab(), oklch() and color() with the predefined spaces; any letter case, comments and
// whitespace where CSS allows them. Colours outside sRGB are gamut-mapped the CSS way.
class CssColorReader {
public:
    static CssColorReading read(QStringView text);

    // What read() makes of the numbers of oklch(L C h) and hsl(h s l) once they are read
    // from the text (L, s, l as fractions 0..1, hues in degrees), for checks that walk
    // every colour without formatting text.
    static std::int32_t fromOklch(double L, double C, double h, bool* outOfGamut = nullptr);
    static std::int32_t fromHsl(double h, double s, double l);
};

} // namespace tessary
