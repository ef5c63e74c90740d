// SPDX-License-Identifier: MIT
#include "platform/FontMapper.h"

#include <QFontDatabase>

namespace tessary {

namespace {
QString firstInstalled(const QStringList& candidates, const QString& fallback)
{
    const QStringList families = QFontDatabase::families();
    for (const QString& c : candidates) {
        if (families.contains(c, Qt::CaseInsensitive))
            return c;
    }
    return fallback;
}
} // namespace

QString FontMapper::serifJapaneseFamily()
{
    static const QString family = firstInstalled(
        {QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
         QStringLiteral("Takao Mincho"), QStringLiteral("Noto Sans CJK JP")},
        QStringLiteral("serif"));
    return family;
}

void FontMapper::installSubstitutions()
{
    const QString serif = serifJapaneseFamily();
    const QString sans = firstInstalled({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
                                         QStringLiteral("IPAexGothic"), QStringLiteral("Takao Gothic")},
                                        QStringLiteral("sans-serif"));
    for (const char* name : {"ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Mincho", "MS PMincho"})
        QFont::insertSubstitution(QString::fromUtf8(name), serif);
    for (const char* name : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "MS Gothic", "MS PGothic", "MS UI Gothic",
                             "メイリオ", "Meiryo"})
        QFont::insertSubstitution(QString::fromUtf8(name), sans);
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

} // namespace tessary
