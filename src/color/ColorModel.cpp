// SPDX-License-Identifier: MIT
#include "color/ColorModel.h"

namespace tessary {

std::int32_t ColorModel::getComplementaryColor() { return 0; }
void ColorModel::refreshColorModel() {}
std::int32_t ColorModel::getColor() { return color; }
void ColorModel::setColor(std::int32_t c) { color = c; }
void ColorModel::setRGB(std::int32_t, std::int32_t, std::int32_t) {}
void ColorModel::SetRed(std::int32_t) {}
void ColorModel::SetBlue(std::int32_t) {}
void ColorModel::SetGreen(std::int16_t) {}
void ColorModel::SetSatuation(double) {}
void ColorModel::SetLightness(double) {}
void ColorModel::SetHue(double) {}
void ColorModel::SetHSL(double, double, double) {}
void ColorModel::SetColor_Gray() {}
std::int32_t ColorModel::GetRed() { return red; }
std::int32_t ColorModel::GetBlue() { return blue; }
std::int32_t ColorModel::GetGreen() { return green; }
double ColorModel::getLightness() { return lightness; }
double ColorModel::getSatuation() { return saturation; }
double ColorModel::getHue() { return hue; }
void ColorModel::RGB2HSL() {}
std::int32_t ColorModel::HSL2RGB() { return 0; }
} // namespace tessary
