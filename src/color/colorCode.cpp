// SPDX-License-Identifier: MIT
#include "color/colorCode.h"

namespace tessary {

QString colorCode::getHexRGB(std::int32_t, std::int32_t, std::int32_t) const { return QStringLiteral("000000"); }
QString colorCode::HSL2Munsell(double, double, double) const { return {}; }
std::int32_t colorCode::HTML_RGB2VB_RGB(const QString&) const { return 0; }
std::int32_t colorCode::VB_RGB2API_RGB(std::int32_t c) const { return c; }
std::int32_t colorCode::API_RGB2VB_RGB(std::int32_t c) const { return c; }
QString colorCode::to2Digit(const QString& s) const { return s; }
} // namespace tessary
