// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace tessary {

// Conversions between setting values and their text in the settings file. Readers answer
// nothing for text they cannot use, and the caller keeps its default.
class ConfigConversions {
public:
    // 0 gives false, 1 true, anything else no value (which a flag takes as false).
    static std::optional<bool> flagFromNumber(std::int32_t n);
    static std::int16_t numberFromFlag(bool flag) { return flag ? 1 : 0; }

    // The number at the start of the text, nearest whole, halves to even (0 for no number;
    // saturates at the 32-bit limits).
    static std::int32_t wholeNumber(QStringView text);
    // The whole text must be a decimal number; rounded, halves to even; it must fit 32 bits.
    static std::optional<std::int32_t> styleParameter(QStringView text);
    // A font size in points: the whole text a number, above 0 and at most 2160.
    static std::optional<double> fontSize(QStringView text);
    // Window state 0 normal, 1 minimised, 2 maximised.
    static std::optional<std::int32_t> windowState(QStringView text);
    // Layout style 0..4.
    static std::optional<std::int32_t> styleIndex(QStringView text);
    // A colour value 0..0xFFFFFF.
    static std::optional<std::int32_t> colorValue(QStringView text);

    // A single-precision real as plain decimal text ("1440", "-15", "1234.5", "1.5E+08").
    static QString formatReal(double v);
    // A font size with its fraction, at most four places ("12", "10.5").
    static QString formatFontSize(double points);
    // A free text as a value that reads back unchanged: text with blanks at either end, or
    // wrapped in a pair of quotes, goes into double quotes, which the reader removes.
    static QString protectText(const QString& text);
};

} // namespace tessary
