// SPDX-License-Identifier: MIT
#include "exchange/PaletteExport.h"

#include "color/colorCode.h"
#include "exchange/ExchangeText.h"
#include "exchange/JsonWriter.h"
#include "exchange/SwatchWriter.h"
#include "palette/DefinedColor.h"

#include <QSet>

namespace tessary {

namespace {

// Token names may not hold '.', '{' or '}', nor start with '$'.
QString tokenName(const QString& name)
{
    QString out = name;
    for (QChar& c : out) {
        if (c == u'.' || c == u'{' || c == u'}')
            c = u'_';
    }
    if (out.startsWith(u'$'))
        out[0] = u'_';
    return out;
}

// A custom property name from a colour name: letters, digits, '-', '_' and every character
// beyond ASCII stay; anything else becomes one '-'. Empty when nothing of the name stays.
QString cssName(const QString& name)
{
    QString out;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool keep = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
            || u == u'_' || (u >= 0x80 && !c.isSpace() && u != 0xFEFF);
        if (keep)
            out += c;
        else if (!out.isEmpty() && !out.endsWith(u'-'))
            out += u'-';
    }
    while (out.endsWith(u'-'))
        out.chop(1);
    return out;
}

// A name not yet in taken (compared without letter case), which it joins.
QString uniqueName(const QString& wanted, QSet<QString>& taken)
{
    QString name = wanted;
    QString folded = name.toCaseFolded();
    for (int n = 2; taken.contains(folded); ++n) {
        name = wanted + u'-' + QString::number(n);
        folded = name.toCaseFolded();
    }
    taken.insert(folded);
    return name;
}

QString nameAndComment(const QString& name, const QString& comment)
{
    return comment.isEmpty() ? name : name + QStringLiteral(": ") + comment;
}

QStringList commentLines(const QString& comment)
{
    if (comment.isEmpty())
        return {};
    QString text = comment;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
}

std::int32_t valueOf(const DefinedColorModel& color, const PaletteExport::ColorAt& colorAt)
{
    return colorAt ? colorAt(color.index) : colorCode().HTML_RGB2VB_RGB(color.colorCode());
}

SwatchBook bookOf(const DefinedColor& palette, ExchangeFormat format, const PaletteExport::ColorAt& colorAt)
{
    SwatchBook book;
    book.name = palette.paletteName();
    book.commentLines = commentLines(palette.paletteComment());
    book.swatches.reserve(palette.count());
    QSet<QString> taken;
    if (format == ExchangeFormat::DesignTokens || format == ExchangeFormat::Css)
        taken.reserve(palette.count());
    for (const auto& color : palette.colorCollection) {
        const auto c = std::uint32_t(valueOf(*color, colorAt));
        SwatchBook::Swatch s;
        s.name = color->colorName();
        s.red = int(c & 0xFF);
        s.green = int((c >> 8) & 0xFF);
        s.blue = int((c >> 16) & 0xFF);
        if (format == ExchangeFormat::Css) {
            const QString wanted = cssName(s.name);
            s.key = uniqueName(wanted.isEmpty() ? QStringLiteral("color-") + QString::number(color->index) : wanted,
                               taken);
            s.description = nameAndComment(s.name, color->comment());
        } else if (format == ExchangeFormat::DesignTokens) {
            s.key = uniqueName(tokenName(s.name), taken);
            s.description = s.key == s.name ? color->comment() : nameAndComment(s.name, color->comment());
        }
        book.swatches.append(s);
    }
    return book;
}

QByteArray ownJson(const DefinedColor& palette, const PaletteExport::ColorAt& colorAt)
{
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("format"));
    json.value(QStringLiteral("tessary-palette"));
    json.key(QStringLiteral("version"));
    json.value(1);
    json.key(QStringLiteral("name"));
    json.value(palette.paletteName());
    json.key(QStringLiteral("comment"));
    json.value(palette.paletteComment());
    json.key(QStringLiteral("colors"));
    json.beginArray();
    for (const auto& color : palette.colorCollection) {
        json.beginObject(true);
        json.key(QStringLiteral("name"));
        json.value(color->colorName());
        json.key(QStringLiteral("hex"));
        json.value(ExchangeText::hexCode(valueOf(*color, colorAt)));
        json.key(QStringLiteral("comment"));
        json.value(color->comment());
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.finish();
}

} // namespace

QByteArray PaletteExport::toBytes(const DefinedColor& palette, ExchangeFormat format, const ColorAt& colorAt)
{
    switch (format) {
    case ExchangeFormat::Css:
        return SwatchWriter::css(bookOf(palette, format, colorAt), QStringLiteral("tessary-"));
    case ExchangeFormat::Json:
        return ownJson(palette, colorAt);
    case ExchangeFormat::DesignTokens: {
        const QString group = palette.paletteName().isEmpty() ? QStringLiteral("palette") : tokenName(palette.paletteName());
        return SwatchWriter::designTokens(bookOf(palette, format, colorAt), group);
    }
    case ExchangeFormat::Gpl:
        return SwatchWriter::gpl(bookOf(palette, format, colorAt));
    case ExchangeFormat::Ase:
        return SwatchWriter::ase(bookOf(palette, format, colorAt));
    }
    return {};
}

} // namespace tessary
