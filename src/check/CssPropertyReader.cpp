// SPDX-License-Identifier: MIT
#include "check/CssPropertyReader.h"

#include "check/CssColorValue.h"
#include "check/InputText.h"

namespace tessary {

namespace {

bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_'
        || u >= 0x80;
}

// Walks a style sheet's text: comments and strings are passed over whole.
class Scanner {
public:
    explicit Scanner(QStringView text) : m_text(text) {}

    QStringView text() const { return m_text; }
    qsizetype pos = 0;
    int line = 1;

    bool atEnd() const { return pos >= m_text.size(); }
    QChar peek(qsizetype ahead = 0) const
    {
        return pos + ahead < m_text.size() ? m_text[pos + ahead] : QChar();
    }
    void advance()
    {
        if (m_text[pos] == u'\n')
            ++line;
        ++pos;
    }
    // At "/*": past the comment; false when it never ends.
    bool skipComment()
    {
        advance();
        advance();
        while (!atEnd()) {
            if (peek() == u'*' && peek(1) == u'/') {
                advance();
                advance();
                return true;
            }
            advance();
        }
        return false;
    }
    void skipString()
    {
        const QChar quote = peek();
        advance();
        while (!atEnd() && peek() != quote && peek() != u'\n') {
            if (peek() == u'\\' && pos + 1 < m_text.size())
                advance();
            advance();
        }
        if (!atEnd() && peek() == quote)
            advance();
    }

private:
    QStringView m_text;
};

// "var(--name)" or "var(--name, fallback)": the name and the fallback (empty when none).
std::optional<std::pair<QString, QString>> varReference(QStringView value)
{
    value = value.trimmed();
    if (!value.startsWith(QLatin1String("var("), Qt::CaseInsensitive) || !value.endsWith(u')'))
        return std::nullopt;
    QStringView inner = value.sliced(4, value.size() - 5).trimmed();
    const qsizetype comma = inner.indexOf(u',');
    QStringView name = (comma < 0 ? inner : inner.first(comma)).trimmed();
    if (!name.startsWith(QLatin1String("--")) || name.size() < 3)
        return std::nullopt;
    QString fallback = comma < 0 ? QString() : inner.sliced(comma + 1).trimmed().toString();
    return std::make_pair(name.sliced(2).toString(), fallback);
}

} // namespace

CssPropertyReader::Result CssPropertyReader::read(QByteArrayView bytes, const QString& fileName)
{
    auto decoded = InputText::decode(bytes, fileName);
    if (auto* e = std::get_if<InputError>(&decoded))
        return *e;
    const QString text = std::get<QString>(std::move(decoded));
    auto reader = std::shared_ptr<CssPropertyReader>(new CssPropertyReader);
    reader->m_file = fileName;

    Scanner s(text);
    // A declaration starts after one of these (or at the start), past blanks.
    bool atDeclarationStart = true;
    int declarations = 0;
    while (!s.atEnd()) {
        const QChar c = s.peek();
        if (c == u'/' && s.peek(1) == u'*') {
            const int line = s.line;
            if (!s.skipComment())
                return InputError{InputError::Kind::UnclosedComment, fileName, line, {}, {}};
            continue;
        }
        if (c == u'"' || c == u'\'') {
            s.skipString();
            atDeclarationStart = false;
            continue;
        }
        if (c == u'{' || c == u';' || c == u'}') {
            atDeclarationStart = true;
            s.advance();
            continue;
        }
        if (c.isSpace()) {
            s.advance();
            continue;
        }
        if (!(atDeclarationStart && c == u'-' && s.peek(1) == u'-')) {
            atDeclarationStart = false;
            s.advance();
            continue;
        }
        atDeclarationStart = false;
        const int line = s.line;
        const qsizetype nameStart = s.pos + 2;
        s.advance();
        s.advance();
        while (!s.atEnd() && isNameChar(s.peek()))
            s.advance();
        const QString name = text.sliced(nameStart, s.pos - nameStart);
        while (!s.atEnd() && s.peek().isSpace())
            s.advance();
        if (name.isEmpty() || s.peek() != u':')
            continue;
        s.advance();
        // The value runs to ';' or '}' outside brackets; comments in it are dropped.
        QString value;
        int depth = 0;
        while (!s.atEnd()) {
            const QChar v = s.peek();
            if (v == u'/' && s.peek(1) == u'*') {
                const int commentLine = s.line;
                if (!s.skipComment())
                    return InputError{InputError::Kind::UnclosedComment, fileName, commentLine, {}, {}};
                value += u' ';
                continue;
            }
            if (v == u'"' || v == u'\'') {
                const qsizetype from = s.pos;
                s.skipString();
                value += text.sliced(from, s.pos - from);
                continue;
            }
            if (depth == 0 && (v == u';' || v == u'}'))
                break;
            if (v == u'(' || v == u'[')
                ++depth;
            else if ((v == u')' || v == u']') && depth > 0)
                --depth;
            value += v;
            s.advance();
        }
        value = value.trimmed();
        if (value.endsWith(QLatin1String("!important"), Qt::CaseInsensitive))
            value = value.chopped(10).trimmed();
        if (++declarations > kMaxProperties)
            return InputError{InputError::Kind::TooMany, fileName, line, {}, QString::number(kMaxProperties)};
        if (!reader->m_properties.contains(name))
            reader->m_order.append(name);
        reader->m_properties.insert(name, Property{value, line});
    }
    return reader;
}

ColorSource::Lookup CssPropertyReader::color(const QString& asked) const
{
    QString name = asked.startsWith(QLatin1String("--")) ? asked.mid(2) : asked;
    QStringList chain{name};
    for (;;) {
        const auto it = m_properties.constFind(name);
        if (it == m_properties.cend()) {
            if (chain.size() == 1)
                return InputError{InputError::Kind::UnknownName, m_file, 0, {}, asked};
            const Property& from = m_properties[chain[chain.size() - 2]];
            return InputError{InputError::Kind::AliasMissing, m_file, from.line, {}, QStringLiteral("--") + name};
        }
        if (const auto c = CssColorValue::parse(it->value)) {
            if (!c->opaque)
                return InputError{InputError::Kind::Translucent, m_file, it->line, {}, it->value};
            return c->color;
        }
        const auto ref = varReference(it->value);
        if (!ref)
            return InputError{InputError::Kind::NotAColor, m_file, it->line, {}, it->value};
        // A fallback is used only when the name is not defined at all.
        if (!m_properties.contains(ref->first) && !ref->second.isEmpty()) {
            const auto c = CssColorValue::parse(ref->second);
            if (!c)
                return InputError{InputError::Kind::NotAColor, m_file, it->line, {}, ref->second};
            if (!c->opaque)
                return InputError{InputError::Kind::Translucent, m_file, it->line, {}, ref->second};
            return c->color;
        }
        if (chain.contains(ref->first)) {
            QStringList dashed;
            for (const QString& n : std::as_const(chain))
                dashed.append(QStringLiteral("--") + n);
            dashed.append(QStringLiteral("--") + ref->first);
            return InputError{InputError::Kind::AliasCycle, m_file, m_properties[chain.first()].line, {},
                              dashed.join(QStringLiteral(" → "))};
        }
        if (chain.size() > kMaxChain)
            return InputError{InputError::Kind::TooDeep, m_file, m_properties[chain.first()].line, {},
                              QString::number(kMaxChain)};
        chain.append(ref->first);
        name = ref->first;
    }
}

} // namespace tessary
