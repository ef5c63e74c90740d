// SPDX-License-Identifier: MIT
#include "exchange/SchemeImport.h"

#include "check/CheckMessages.h"
#include "check/CssPropertyReader.h"
#include "check/DesignTokenReader.h"
#include "check/InputText.h"
#include "exchange/FirstInvalidUtf8.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <cctype>

namespace tessary {

namespace {

// The keys of the five colours, in colour-object order, as each of our formats names them.
constexpr const char* kJsonKeys[ColorScheme::kColorCount] = {"text1", "text2", "text3", "background1",
                                                             "background2"};
constexpr const char* kTokenKeys[ColorScheme::kColorCount] = {"text-1", "text-2", "text-3", "background-1",
                                                              "background-2"};

SchemeImport::Result refused(const InputError& e)
{
    return {std::nullopt, false, CheckMessages::error(CheckOptions::Lang::Ja, e)};
}

SchemeImport::Result refused(const QString& file, const QString& where, const QString& what)
{
    return {std::nullopt, false, QStringLiteral("%1: %2: %3").arg(file, where, what)};
}

std::optional<std::int32_t> hexColor(const QJsonValue& v)
{
    const QString s = v.toString();
    if (!v.isString() || s.size() != 7 || s[0] != u'#')
        return std::nullopt;
    for (int i = 1; i < 7; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(s[i].toLatin1())) || s[i].unicode() > 0x7F)
            return std::nullopt;
    }
    const int rgb = int(s.mid(1).toUInt(nullptr, 16));
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

SchemeImport::Result ownJson(const QJsonObject& root, const QString& file)
{
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != 1.0) {
        const bool newer = version.isDouble() && version.toDouble() > 1.0;
        return refused(file, QStringLiteral("$.version"),
                       newer ? QCoreApplication::translate("SchemeImport", "新しい版の Tessary で書かれた配色です") : QCoreApplication::translate("SchemeImport", "版が正しくありません"));
    }
    SchemeImport::Result r{ColorScheme{}, true, {}};
    const QJsonObject colors = root.value(QLatin1String("colors")).toObject();
    const QJsonObject texts = root.value(QLatin1String("sampleTexts")).toObject();
    for (int i = 0; i < ColorScheme::kColorCount; ++i) {
        const QLatin1String key(kJsonKeys[i]);
        const auto c = hexColor(colors.value(key));
        if (!c)
            return refused(file, QStringLiteral("$.colors.") + key, QCoreApplication::translate("SchemeImport", "#RRGGBB の形の色がありません"));
        r.scheme->colors[std::size_t(i)] = *c;
        if (i < ColorScheme::kTextCount) {
            const QJsonValue t = texts.value(key);
            if (!t.isString())
                return refused(file, QStringLiteral("$.sampleTexts.") + key, QCoreApplication::translate("SchemeImport", "標本文字列がありません"));
            r.scheme->sampleTexts[std::size_t(i)] = t.toString();
        }
    }
    return r;
}

template <typename Reader>
SchemeImport::Result fromSource(const Reader& source, const QString& file, bool tokens)
{
    SchemeImport::Result r{ColorScheme{}, false, {}};
    for (int i = 0; i < ColorScheme::kColorCount; ++i) {
        const QString name = (tokens ? QStringLiteral("tessary.") : QStringLiteral("--tessary-"))
            + QLatin1String(kTokenKeys[i]);
        const ColorSource::Lookup found = source.color(name);
        if (const auto* e = std::get_if<InputError>(&found))
            return refused(*e);
        r.scheme->colors[std::size_t(i)] = std::get<std::int32_t>(found) & 0xFFFFFF;
    }
    return r;
}

} // namespace

SchemeImport::Result SchemeImport::read(QByteArrayView bytes, const QString& fileName)
{
    if (bytes.size() > InputText::kMaxFileBytes)
        return refused({InputError::Kind::TooLarge, fileName, 0, {}, QString::number(InputText::kMaxFileBytes)});
    if (const qsizetype bad = firstInvalidUtf8(bytes); bad >= 0)
        return refused({InputError::Kind::NotUtf8, fileName, 1 + int(bytes.first(bad).count('\n')), {}, {}});
    const QByteArray trimmed = bytes.toByteArray().trimmed();
    const bool json = trimmed.startsWith('{') || trimmed.startsWith("\xEF\xBB\xBF{");
    if (!json) {
        const CssPropertyReader::Result css = CssPropertyReader::read(bytes, fileName);
        if (const auto* e = std::get_if<InputError>(&css))
            return refused(*e);
        return fromSource(*std::get<std::shared_ptr<CssPropertyReader>>(css), fileName, false);
    }
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(trimmed, &parseError);
    if (parseError.error == QJsonParseError::NoError && doc.isObject()
        && doc.object().value(QLatin1String("format")) == QLatin1String("tessary-scheme"))
        return ownJson(doc.object(), fileName);
    const DesignTokenReader::Result tokens = DesignTokenReader::read(bytes, fileName);
    if (const auto* e = std::get_if<InputError>(&tokens))
        return refused(*e);
    return fromSource(*std::get<std::shared_ptr<DesignTokenReader>>(tokens), fileName, true);
}

} // namespace tessary
