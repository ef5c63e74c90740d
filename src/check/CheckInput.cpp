// SPDX-License-Identifier: MIT
#include "check/CheckInput.h"

#include "check/CssColorValue.h"
#include "check/CssPropertyReader.h"
#include "check/DesignTokenReader.h"
#include "check/InputText.h"
#include "settings/CiniFile.h"
#include "settings/ConfigRecord.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace tessary {

namespace {

using PairLines = QList<CheckInput::PairLine>;

bool looksLikeSchemeJson(QByteArrayView bytes)
{
    const QJsonDocument doc = QJsonDocument::fromJson(bytes.toByteArray());
    return doc.isObject() && doc.object().value(QLatin1String("format")).toString() == QLatin1String("tessary-scheme");
}

std::variant<CheckInput, InputError> schemeFromJson(QByteArrayView bytes, const QString& fileName,
                                                    const CheckOptions& options)
{
    const QJsonObject colors = QJsonDocument::fromJson(bytes.toByteArray()).object().value(QLatin1String("colors")).toObject();
    std::array<std::int32_t, 5> schemeColors{};
    for (int k = 0; k < 5; ++k) {
        const QString key = CheckInput::schemeName(k);
        const QString path = QStringLiteral("$.colors.") + key;
        const QJsonValue v = colors.value(key);
        const auto c = CssColorValue::parse(v.toString());
        if (!c)
            return InputError{InputError::Kind::NotAColor, fileName, 0, path, v.isString() ? v.toString() : QString()};
        if (!c->opaque)
            return InputError{InputError::Kind::Translucent, fileName, 0, path, v.toString()};
        schemeColors[size_t(k)] = c->color;
    }
    const double pt = options.points.value_or(12.0);
    return CheckInput::scheme(CheckInput::Kind::SchemeJson, schemeColors, {pt, pt, pt},
                              {options.bold, options.bold, options.bold});
}

// The scheme as the program loads it from its settings file; the labels' fonts give the sizes.
std::variant<CheckInput, InputError> schemeFromIni(const QString& fileName, const CheckOptions& options)
{
    CiniFile ini(fileName);
    if (!ini.hasKey(QStringLiteral("Color"), QStringLiteral("ColorObject 0")))
        return InputError{InputError::Kind::NotAScheme, fileName, 0, {}, {}};
    const ConfigRecord r = ConfigRecord::read(ini, QString());
    std::array<std::int32_t, 5> colors{};
    for (int k = 0; k < 5; ++k)
        colors[size_t(k)] = r.colors[size_t(k)] & 0xFFFFFF;
    std::array<double, 3> points{};
    std::array<bool, 3> bold{};
    for (int i = 0; i < 3; ++i) {
        points[size_t(i)] = options.points.value_or(r.fonts[size_t(i)].size);
        bold[size_t(i)] = options.points ? options.bold : r.fonts[size_t(i)].bold || options.bold;
    }
    return CheckInput::scheme(CheckInput::Kind::SchemeIni, colors, points, bold);
}

} // namespace

CheckInput CheckInput::scheme(Kind kind, const std::array<std::int32_t, 5>& colors, const std::array<double, 3>& points,
                              const std::array<bool, 3>& bold)
{
    CheckInput in;
    in.kind = kind;
    in.schemeColors = colors;
    for (int i = 0; i < 3; ++i)
        for (int j = 3; j < 5; ++j)
            in.pairs.push_back({schemeName(i), schemeName(j), colors[size_t(i)], colors[size_t(j)], points[size_t(i)],
                                bold[size_t(i)]});
    return in;
}

QString CheckInput::schemeName(int object)
{
    static const char* const names[] = {"text1", "text2", "text3", "background1", "background2"};
    return QLatin1String(names[object]);
}

std::variant<QList<CheckInput::PairLine>, InputError> CheckInput::parsePairs(QStringView text, const QString& fileName)
{
    static const QRegularExpression size(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)(?:pt)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    PairLines lines;
    int number = 0;
    for (QStringView line : text.split(u'\n')) {
        ++number;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList words = line.toString().split(QRegularExpression(QStringLiteral("[ \\t]+")));
        PairLine p;
        const auto names = CheckOptions::pairFromText(words[0]);
        bool ok = names.has_value() && words.size() <= 3;
        for (qsizetype w = 1; ok && w < words.size(); ++w) {
            const auto m = size.match(words[w]);
            if (m.hasMatch() && !p.points && !p.bold)
                p.points = m.captured(1).toDouble();
            else if (words[w].compare(QLatin1String("bold"), Qt::CaseInsensitive) == 0 && !p.bold)
                p.bold = true;
            else
                ok = false;
        }
        if (!ok || (p.points && !(*p.points > 0.0 && *p.points <= 1000.0)))
            return InputError{InputError::Kind::BadPairLine, fileName, number, {}, line.toString()};
        p.names = *names;
        lines.append(p);
        if (lines.size() > 1000000)
            return InputError{InputError::Kind::TooMany, fileName, number, {}, QStringLiteral("1000000")};
    }
    return lines;
}

std::variant<CheckInput, InputError> CheckInput::load(const CheckOptions& options)
{
    const QString& fileName = options.input;
    auto read = InputText::readBytes(fileName);
    if (auto* e = std::get_if<InputError>(&read))
        return *e;
    const QByteArray bytes = std::get<QByteArray>(std::move(read));
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    QByteArrayView trimmed = QByteArrayView(bytes).trimmed();
    if (trimmed.startsWith("\xEF\xBB\xBF"))
        trimmed = trimmed.sliced(3).trimmed();

    if (suffix == QLatin1String("ini") || (suffix != QLatin1String("css") && trimmed.startsWith('[')))
        return schemeFromIni(fileName, options);
    const bool json = suffix == QLatin1String("json") || suffix == QLatin1String("tokens") || trimmed.startsWith('{');
    if (json && looksLikeSchemeJson(bytes))
        return schemeFromJson(bytes, fileName, options);

    std::shared_ptr<ColorSource> source;
    if (json) {
        auto r = DesignTokenReader::read(bytes, fileName);
        if (auto* e = std::get_if<InputError>(&r))
            return *e;
        source = std::get<0>(r);
    } else {
        auto r = CssPropertyReader::read(bytes, fileName);
        if (auto* e = std::get_if<InputError>(&r))
            return *e;
        source = std::get<0>(r);
    }

    PairLines wanted;
    for (const auto& p : options.pairs)
        wanted.append({p, options.points, options.bold});
    if (!options.pairsFile.isEmpty()) {
        auto text = InputText::read(options.pairsFile);
        if (auto* e = std::get_if<InputError>(&text))
            return *e;
        auto lines = parsePairs(std::get<QString>(text), options.pairsFile);
        if (auto* e = std::get_if<InputError>(&lines))
            return *e;
        for (PairLine p : std::get<PairLines>(lines)) {
            if (!p.points)
                p.points = options.points;
            p.bold = p.bold || options.bold;
            wanted.append(p);
        }
    }
    if (wanted.isEmpty())
        return InputError{InputError::Kind::NoPairs, fileName, 0, {}, {}};

    CheckInput in;
    in.kind = json ? Kind::Tokens : Kind::Css;
    in.pairs.reserve(size_t(wanted.size()));
    for (const PairLine& p : std::as_const(wanted)) {
        const auto text = source->color(p.names.text);
        if (auto* e = std::get_if<InputError>(&text))
            return *e;
        const auto background = source->color(p.names.background);
        if (auto* e = std::get_if<InputError>(&background))
            return *e;
        in.pairs.push_back({p.names.text, p.names.background, std::get<std::int32_t>(text),
                            std::get<std::int32_t>(background), p.points.value_or(12.0), p.bold});
    }
    return in;
}

} // namespace tessary
