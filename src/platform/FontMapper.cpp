// SPDX-License-Identifier: MIT
#include "platform/FontMapper.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace tessary {

namespace {
// Installed faces of the same kind, in order of preference, the last one a generic name that
// always matches.
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

const QStringList& serifNames()
{
    static const QStringList names{QString::fromUtf8("ＭＳ 明朝"), QString::fromUtf8("ＭＳ Ｐ明朝"),
                                   QStringLiteral("MS Mincho"), QStringLiteral("MS PMincho")};
    return names;
}

const QStringList& sansNames()
{
    static const QStringList names{QString::fromUtf8("ＭＳ ゴシック"), QString::fromUtf8("ＭＳ Ｐゴシック"),
                                   QStringLiteral("MS Gothic"),        QStringLiteral("MS PGothic"),
                                   QStringLiteral("MS UI Gothic"),     QString::fromUtf8("メイリオ"),
                                   QStringLiteral("Meiryo")};
    return names;
}

const QString& serifFace()
{
    static const QString face = FontMapper::firstInstalled(serifFaces());
    return face;
}

const QString& sansFace()
{
    static const QString face = FontMapper::firstInstalled(sansFaces());
    return face;
}
} // namespace

// A face name that is not installed costs font matching a search of its own every time a
// font with it is resolved, so callers settle the preference once, against the font
// database Qt has already read.
QString FontMapper::firstInstalled(const QStringList& faces)
{
    if (faces.isEmpty())
        return QString();
    const QStringList installed = QFontDatabase::families();
    for (qsizetype i = 0; i + 1 < faces.size(); ++i) {
        if (installed.contains(faces[i], Qt::CaseInsensitive))
            return faces[i];
    }
    return faces.last();
}

QString FontMapper::installedFace(const QString& name)
{
    if (serifNames().contains(name, Qt::CaseInsensitive))
        return serifFace();
    if (sansNames().contains(name, Qt::CaseInsensitive))
        return sansFace();
    return name;
}

void FontMapper::installSubstitutions()
{
    // For fonts made elsewhere from a Windows face name (a dialog's starting font).
    for (const QString& name : serifNames())
        QFont::insertSubstitution(name, serifFace());
    for (const QString& name : sansNames())
        QFont::insertSubstitution(name, sansFace());
}

QFont FontMapper::toQFont(const StdFont& font)
{
    QFont f(installedFace(font.name));
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
