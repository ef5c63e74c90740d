// SPDX-License-Identifier: MIT
#include "platform/FontMapper.h"

#include <QFontInfo>

namespace tessary {

namespace {
// Installed faces of the same kind, in order of preference; font matching takes the first
// that exists, so nothing has to enumerate the system's fonts.
const QStringList& serifFaces()
{
    static const QStringList faces{QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAMincho"),
                                   QStringLiteral("IPAexMincho"), QStringLiteral("Takao Mincho"),
                                   QStringLiteral("Noto Sans CJK JP"), QStringLiteral("serif")};
    return faces;
}

const QStringList& sansFaces()
{
    static const QStringList faces{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
                                   QStringLiteral("IPAexGothic"), QStringLiteral("Takao Gothic"),
                                   QStringLiteral("sans-serif")};
    return faces;
}
} // namespace

void FontMapper::installSubstitutions()
{
    for (const char* name : {"ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Mincho", "MS PMincho"})
        QFont::insertSubstitutions(QString::fromUtf8(name), serifFaces());
    for (const char* name : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "MS Gothic", "MS PGothic", "MS UI Gothic",
                             "メイリオ", "Meiryo"})
        QFont::insertSubstitutions(QString::fromUtf8(name), sansFaces());
}

QFont FontMapper::toQFont(const StdFont& font)
{
    QFont f(font.name);
    if (font.size > 0)
        f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    return f;
}

QString FontMapper::drawnFamily(const StdFont& font)
{
    return QFontInfo(toQFont(font)).family();
}

} // namespace tessary
