// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <cstdint>

// Number conversions shared by every subsystem.
namespace tessary {

// Nearest whole number, halves to the even neighbour (127.5 -> 128, 126.5 -> 126).
// Values outside the 32-bit range saturate; NaN gives 0.
std::int32_t roundHalfEven(double v);
double roundHalfEvenReal(double v);

// The number at the start of a text: leading blanks skipped, an optional sign, digits,
// an optional fraction and exponent. 0 when the text does not begin with a number.
double numberFromText(QStringView text);

// numberFromText taken to the nearest whole number (halves to even).
std::int32_t wholeNumberFromText(QStringView text);

// The text must be a decimal number as a whole (blanks around it allowed); ok tells
// whether it was. Used where a value is converted whole rather than from its start.
double strictNumber(QStringView text, bool* ok);

} // namespace tessary
