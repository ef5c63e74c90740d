// SPDX-License-Identifier: MIT
#include "exchange/ExchangeText.h"

#include <algorithm>
#include <array>

namespace tessary {

QString ExchangeText::oneLine(const QString& text)
{
    const auto isBreak = [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; };
    if (std::none_of(text.begin(), text.end(), isBreak))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue; // CR LF is one break
        if (isBreak(c))
            out += u' ';
        else
            out += c;
    }
    return out;
}

QString ExchangeText::hexCode(std::int32_t color)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    const auto v = std::uint32_t(color);
    const char16_t text[] = {u'#',
                             digits[(v >> 4) & 0xF],
                             digits[v & 0xF],
                             digits[(v >> 12) & 0xF],
                             digits[(v >> 8) & 0xF],
                             digits[(v >> 20) & 0xF],
                             digits[(v >> 16) & 0xF]};
    return QString::fromUtf16(text, 7);
}

QString ExchangeText::cssComment(const QString& text)
{
    QString out = oneLine(text);
    out.replace(QStringLiteral("*/"), QStringLiteral("* /"));
    return out;
}

QString ExchangeText::fraction(int channel)
{
    static const std::array<QString, 256> table = [] {
        std::array<QString, 256> t;
        for (int v = 0; v < 256; ++v) {
            QString s = QString::number(double(v) / 255.0, 'f', 4);
            while (s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
            t[size_t(v)] = s;
        }
        return t;
    }();
    return table[size_t(channel & 0xFF)];
}

} // namespace tessary
