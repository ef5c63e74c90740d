// SPDX-License-Identifier: MIT
#include "exchange/SchemeExport.h"

#include "exchange/ExchangeText.h"
#include "exchange/JsonWriter.h"
#include "exchange/SwatchWriter.h"

namespace tessary {

namespace {

struct Role {
    const char* key;     // CSS property and token name
    const char* jsonKey; // our own JSON
    const char* label;
};

// In colour-object order: the three sample texts, then the two backgrounds.
constexpr Role kRoles[ColorScheme::kColorCount] = {
    {"text-1", "text1", QT_TRANSLATE_NOOP("SchemeExport", "文字1")},           {"text-2", "text2", QT_TRANSLATE_NOOP("SchemeExport", "文字2")},
    {"text-3", "text3", QT_TRANSLATE_NOOP("SchemeExport", "文字3")},           {"background-1", "background1", QT_TRANSLATE_NOOP("SchemeExport", "背景1")},
    {"background-2", "background2", QT_TRANSLATE_NOOP("SchemeExport", "背景2")},
};

// The role, followed by the sample text for a text colour that has one.
QString roleName(const ColorScheme& scheme, int object)
{
    QString name = QCoreApplication::translate("SchemeExport", kRoles[object].label);
    if (object < ColorScheme::kTextCount && !scheme.sampleTexts[size_t(object)].isEmpty())
        name += u'「' + scheme.sampleTexts[size_t(object)] + u'」';
    return name;
}

SwatchBook bookOf(const ColorScheme& scheme)
{
    SwatchBook book;
    book.name = SchemeExport::title();
    book.columns = ColorScheme::kColorCount;
    for (int i = 0; i < ColorScheme::kColorCount; ++i) {
        const auto c = std::uint32_t(scheme.colors[size_t(i)]);
        SwatchBook::Swatch s;
        s.name = roleName(scheme, i);
        s.key = QLatin1String(kRoles[i].key);
        s.description = s.name;
        s.red = int(c & 0xFF);
        s.green = int((c >> 8) & 0xFF);
        s.blue = int((c >> 16) & 0xFF);
        book.swatches.append(s);
    }
    return book;
}

QByteArray ownJson(const ColorScheme& scheme)
{
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("format"));
    json.value(QStringLiteral("tessary-scheme"));
    json.key(QStringLiteral("version"));
    json.value(1);
    json.key(QStringLiteral("colors"));
    json.beginObject();
    for (int i = 0; i < ColorScheme::kColorCount; ++i) {
        json.key(QLatin1String(kRoles[i].jsonKey));
        json.value(ExchangeText::hexCode(scheme.colors[size_t(i)]));
    }
    json.endObject();
    json.key(QStringLiteral("sampleTexts"));
    json.beginObject();
    for (int i = 0; i < ColorScheme::kTextCount; ++i) {
        json.key(QLatin1String(kRoles[i].jsonKey));
        json.value(scheme.sampleTexts[size_t(i)]);
    }
    json.endObject();
    json.endObject();
    return json.finish();
}

} // namespace

QByteArray SchemeExport::toBytes(const ColorScheme& scheme, ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::Css: {
        // The roles name the properties; a title line would only repeat the prefix.
        SwatchBook book = bookOf(scheme);
        book.name.clear();
        return SwatchWriter::css(book, QStringLiteral("tessary-"));
    }
    case ExchangeFormat::Json:
        return ownJson(scheme);
    case ExchangeFormat::DesignTokens:
        return SwatchWriter::designTokens(bookOf(scheme), QStringLiteral("tessary"));
    case ExchangeFormat::Gpl:
        return SwatchWriter::gpl(bookOf(scheme));
    case ExchangeFormat::Ase:
        return SwatchWriter::ase(bookOf(scheme));
    }
    return {};
}

QString SchemeExport::clipboardText(const ColorScheme& scheme)
{
    return QString::fromUtf8(toBytes(scheme, ExchangeFormat::Css));
}

} // namespace tessary
