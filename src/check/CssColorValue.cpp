// SPDX-License-Identifier: MIT
#include "check/CssColorValue.h"

#include "csscolor/CssColorReader.h"

#include <algorithm>

namespace tessary {

namespace {

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

} // namespace

std::optional<CssColorValue> CssColorValue::parse(QStringView text)
{
    text = text.trimmed();
    // In a style sheet or a token file a bare number ("100", "ff") is not a colour, although
    // the colour field accepts a code without its "#".
    if (!text.isEmpty() && std::all_of(text.begin(), text.end(), isHexDigit))
        return std::nullopt;
    const CssColorReading reading = CssColorReader::read(text);
    if (!reading.color)
        return std::nullopt;
    CssColorValue v;
    v.color = *reading.color;
    v.opaque = reading.alpha >= 1.0;
    return v;
}

} // namespace tessary
