// SPDX-License-Identifier: MIT
#include "main/ColorEntry.h"

#include "color/colorCode.h"

namespace tessary {

std::optional<std::int32_t> ColorEntry::colorFromCodeField(QStringView text, QStringView prefix)
{
    const qsizetype p = prefix.size();
    if (text.size() < p + 6)
        return std::nullopt;
    return colorCode().HTML_RGB2VB_RGB(text.mid(p).toString());
}

QString ColorEntry::keepLastTwo(const QString& text)
{
    return text.size() > 2 ? text.right(2) : text;
}

std::int32_t ColorEntry::colorFromChannelFields(const QString& red, const QString& green, const QString& blue)
{
    const colorCode code;
    return code.HTML_RGB2VB_RGB(code.to2Digit(red) + code.to2Digit(green) + code.to2Digit(blue));
}

QString ColorEntry::channelText(int value)
{
    return QString::number(value, 16).toUpper();
}

} // namespace tessary
