// SPDX-License-Identifier: MIT
#include "main/MainCaptions.h"

namespace tessary {

QString MainCaptions::windowCaption(int major, int minor)
{
    return QStringLiteral("Tessary Ver.%1.%2").arg(major).arg(minor);
}

QString MainCaptions::shortenedCaption(const QString& text)
{
    constexpr int kMaxCharacters = 10;
    int characters = 0;
    qsizetype i = 0;
    while (i < text.size() && characters < kMaxCharacters) {
        i += (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        ++characters;
    }
    if (i >= text.size())
        return text;
    return text.left(i) + QStringLiteral("...");
}

QString MainCaptions::literalCaption(const QString& text)
{
    QString out = text;
    out.replace(u'&', QStringLiteral("&&"));
    return out;
}

} // namespace tessary
