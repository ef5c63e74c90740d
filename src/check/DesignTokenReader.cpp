// SPDX-License-Identifier: MIT
#include "check/DesignTokenReader.h"

#include "check/CssColorValue.h"
#include "check/InputText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tessary {

namespace {

// "{brand.text}" -> "brand.text"; nothing for any other value.
std::optional<QString> aliasTarget(const QJsonValue& v)
{
    if (!v.isString())
        return std::nullopt;
    const QString s = v.toString();
    if (s.size() < 3 || !s.startsWith(u'{') || !s.endsWith(u'}'))
        return std::nullopt;
    const QString inner = s.mid(1, s.size() - 2);
    if (inner.contains(u'{') || inner.contains(u'}'))
        return std::nullopt;
    return inner;
}

QString shown(const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    if (v.isObject())
        return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    if (v.isArray())
        return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
    if (v.isDouble())
        return QString::number(v.toDouble());
    if (v.isBool())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QStringLiteral("null");
}

struct Parsed {
    std::optional<std::int32_t> color;
    InputError::Kind failure = InputError::Kind::NotAColor;
    QString detail;
};

Parsed fail(InputError::Kind kind, const QString& detail) { return {std::nullopt, kind, detail}; }

Parsed fromHex(const QString& text)
{
    const auto v = CssColorValue::parse(text);
    if (!v)
        return fail(InputError::Kind::NotAColor, text);
    if (!v->opaque)
        return fail(InputError::Kind::Translucent, text);
    return {v->color, {}, {}};
}

// A colour value of the current format or the older hex string.
Parsed parseColor(const QJsonValue& value)
{
    if (value.isString())
        return fromHex(value.toString());
    if (!value.isObject())
        return fail(InputError::Kind::NotAColor, shown(value));
    const QJsonObject o = value.toObject();
    const QJsonValue alpha = o.value(QLatin1String("alpha"));
    if (!alpha.isUndefined() && !(alpha.isDouble() && alpha.toDouble() >= 1.0))
        return fail(alpha.isDouble() ? InputError::Kind::Translucent : InputError::Kind::NotAColor, shown(value));
    const QString space = o.value(QLatin1String("colorSpace")).toString();
    const QJsonValue hex = o.value(QLatin1String("hex"));
    if (space != QLatin1String("srgb")) {
        // Another space: its hex fallback is what an sRGB screen shows.
        if (hex.isString())
            return fromHex(hex.toString());
        return fail(InputError::Kind::ColorSpace, space.isEmpty() ? shown(o.value(QLatin1String("colorSpace"))) : space);
    }
    const QJsonValue components = o.value(QLatin1String("components"));
    if (!components.isArray()) {
        if (hex.isString())
            return fromHex(hex.toString());
        return fail(InputError::Kind::NotAColor, shown(value));
    }
    const QJsonArray c = components.toArray();
    if (c.size() != 3)
        return fail(InputError::Kind::NotAColor, shown(value));
    std::int32_t color = 0;
    for (int k = 0; k < 3; ++k) {
        double f = 0.0; // "none" is a missing component: zero
        if (c[k].isDouble())
            f = c[k].toDouble();
        else if (c[k].toString() != QLatin1String("none"))
            return fail(InputError::Kind::NotAColor, shown(value));
        if (!(f >= 0.0 && f <= 1.0))
            return fail(InputError::Kind::NotAColor, shown(value));
        color |= std::int32_t(std::lround(f * 255.0)) << (8 * k);
    }
    return {color, {}, {}};
}

} // namespace

DesignTokenReader::Result DesignTokenReader::read(QByteArrayView bytes, const QString& fileName)
{
    auto text = InputText::decode(bytes, fileName);
    if (auto* e = std::get_if<InputError>(&text))
        return *e;
    const QByteArray utf8 = std::get<QString>(text).toUtf8();
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(utf8, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const int line = 1 + int(QByteArrayView(utf8).first(std::clamp<qsizetype>(parseError.offset, 0, utf8.size())).count('\n'));
        const auto kind = parseError.error == QJsonParseError::DeepNesting ? InputError::Kind::TooDeep
                                                                            : InputError::Kind::JsonSyntax;
        return InputError{kind, fileName, line, {}, parseError.errorString()};
    }
    if (!doc.isObject())
        return InputError{InputError::Kind::JsonSyntax, fileName, 1, {}, QStringLiteral("object")};

    auto reader = std::shared_ptr<DesignTokenReader>(new DesignTokenReader);
    reader->m_file = fileName;
    if (auto e = reader->walk(doc.object(), QString(), QStringLiteral("$"), QString(), 0))
        return *e;
    for (const QString& name : std::as_const(reader->m_order)) {
        if (auto e = reader->resolve(name))
            return *e;
    }
    return reader;
}

std::optional<InputError> DesignTokenReader::walk(const QJsonObject& group, const QString& name,
                                                  const QString& path, const QString& type, int depth)
{
    if (depth > kMaxDepth)
        return InputError{InputError::Kind::TooDeep, m_file, 0, path, QString::number(kMaxDepth)};
    const QJsonValue ownType = group.value(QLatin1String("$type"));
    const QString groupType = ownType.isString() ? ownType.toString() : type;
    for (auto it = group.begin(); it != group.end(); ++it) {
        const QString key = it.key();
        if (key.startsWith(u'$') || !it->isObject())
            continue;
        const QString childName = name.isEmpty() ? key : name + u'.' + key;
        const QString childPath = path + u'.' + key;
        const QJsonObject child = it->toObject();
        if (!child.contains(QLatin1String("$value"))) {
            if (auto e = walk(child, childName, childPath, groupType, depth + 1))
                return e;
            continue;
        }
        if (m_tokens.size() >= kMaxTokens)
            return InputError{InputError::Kind::TooMany, m_file, 0, childPath, QString::number(kMaxTokens)};
        const QJsonValue tokenType = child.value(QLatin1String("$type"));
        m_tokens.insert(childName, Token{child.value(QLatin1String("$value")),
                                         tokenType.isString() ? tokenType.toString() : groupType,
                                         childPath + QStringLiteral(".$value"), std::nullopt});
        m_order.append(childName);
    }
    return std::nullopt;
}

std::optional<InputError> DesignTokenReader::resolve(const QString& name)
{
    QStringList chain{name};
    QString current = name;
    bool colorTyped = false;
    for (;;) {
        const Token& t = m_tokens[current];
        colorTyped = colorTyped || t.type == QLatin1String("color");
        if (t.color)
            break;
        const auto target = aliasTarget(t.value);
        if (!target) {
            if (!colorTyped && !t.type.isEmpty())
                return std::nullopt; // a token of another type
            const Parsed p = parseColor(t.value);
            if (!p.color) {
                if (!colorTyped)
                    return std::nullopt; // untyped and no colour: not ours to judge
                return InputError{p.failure, m_file, 0, t.jsonPath, p.detail};
            }
            m_tokens[current].color = p.color;
            break;
        }
        if (chain.contains(*target))
            return InputError{InputError::Kind::AliasCycle, m_file, 0, m_tokens[name].jsonPath,
                              chain.join(QStringLiteral(" → ")) + QStringLiteral(" → ") + *target};
        if (!m_tokens.contains(*target))
            return InputError{InputError::Kind::AliasMissing, m_file, 0, t.jsonPath, *target};
        if (chain.size() > kMaxDepth)
            return InputError{InputError::Kind::TooDeep, m_file, 0, m_tokens[name].jsonPath, QString::number(kMaxDepth)};
        chain.append(*target);
        current = *target;
    }
    const std::int32_t color = *m_tokens[current].color;
    for (const QString& n : std::as_const(chain))
        m_tokens[n].color = color;
    m_colorNames.append(name);
    return std::nullopt;
}

ColorSource::Lookup DesignTokenReader::color(const QString& asked) const
{
    QString name = asked;
    if (name.size() > 2 && name.startsWith(u'{') && name.endsWith(u'}'))
        name = name.mid(1, name.size() - 2);
    const auto it = m_tokens.constFind(name);
    if (it == m_tokens.cend())
        return InputError{InputError::Kind::UnknownName, m_file, 0, {}, asked};
    if (!it->color)
        return InputError{InputError::Kind::NotAColor, m_file, 0, it->jsonPath, shown(it->value)};
    return *it->color;
}

} // namespace tessary
