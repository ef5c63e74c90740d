// SPDX-License-Identifier: MIT
#include "check/CssColorValue.h"

namespace tessary {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

std::optional<CssColorValue> CssColorValue::parse(QStringView text)
{
    text = text.trimmed();
    if (!text.startsWith(u'#'))
        return std::nullopt;
    text = text.mid(1);
    const qsizetype n = text.size();
    if (n != 3 && n != 4 && n != 6 && n != 8)
        return std::nullopt;
    const bool shortForm = n <= 4;
    int channels[4] = {0, 0, 0, 255};
    for (qsizetype k = 0; k < (shortForm ? n : n / 2); ++k) {
        if (shortForm) {
            const int v = hexDigit(text[k]);
            if (v < 0)
                return std::nullopt;
            channels[k] = v * 17;
        } else {
            const int hi = hexDigit(text[2 * k]);
            const int lo = hexDigit(text[2 * k + 1]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            channels[k] = hi * 16 + lo;
        }
    }
    CssColorValue v;
    v.color = channels[0] | channels[1] << 8 | channels[2] << 16;
    v.opaque = channels[3] == 255;
    return v;
}

} // namespace tessary
