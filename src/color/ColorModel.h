// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tessary {

// One colour held as RGB (0..255 each, plus the packed colour value) and as HSL (hue in
// degrees, -1 for a grey; saturation and lightness 0..1). Either side may be set; the
// other is recomputed lazily on the next read. When both sides were set since the last
// read, the RGB side wins. Every real-to-integer conversion rounds halves to even.
class ColorModel {
public:
    // Complementary hue in whole degrees (0..360), from the stored hue without a refresh.
    std::int32_t getComplementaryColor();
    void refreshColorModel();
    std::int32_t getColor();
    void setColor(std::int32_t c);
    void setRGB(std::int32_t rr, std::int32_t gg, std::int32_t bb);
    void SetRed(std::int32_t rr);
    void SetBlue(std::int32_t bb);
    void SetGreen(std::int16_t gg);
    void SetSatuation(double ss);   // clamped to 0..1
    void SetLightness(double tl);   // clamped to 0..1
    void SetHue(double th);         // above 360 loses 360 once; negative other than -1 gives 0
    void SetHSL(double h, double s, double l);
    void SetColor_Gray();           // saturation 0, hue 0; lightness kept
    std::int32_t GetRed();
    std::int32_t GetBlue();
    std::int32_t GetGreen();
    double getLightness();
    double getSatuation();
    double getHue();
    // The raw conversions: they touch no flag, and HSL2RGB does not store the colour value.
    void RGB2HSL();
    std::int32_t HSL2RGB();

private:
    static double maxOf(double a, double b);
    static double minOf(double a, double b);
    static double hueToComponent(double m1, double m2, double h);

    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    std::int32_t color = 0;
    double lightness = 0.0;
    double saturation = 0.0;
    double hue = 0.0;
    bool hslOutdated = false;
    bool rgbOutdated = false;
};

} // namespace tessary
