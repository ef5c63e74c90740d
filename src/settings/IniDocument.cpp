// SPDX-License-Identifier: MIT
#include "settings/IniDocument.h"

#include "platform/AtomicFileWriter.h"
#include "platform/Cp932Codec.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <QCoreApplication>

namespace tessary {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

bool isLineBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
bool isNameBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isValueBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }

template <class Pred>
QStringView trimmed(QStringView s, Pred blank)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

QStringView trimSpaces(QStringView s)
{
    return trimmed(s, [](QChar c) { return c == u' '; });
}

// Names given by the caller: trimmed of spaces, and nothing in them may break a line.
QString callerName(QStringView s)
{
    QString name = trimSpaces(s).toString();
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    return name;
}

QString folded(QStringView s) { return s.toString().toCaseFolded(); }

qsizetype firstNonBlank(QByteArrayView line)
{
    qsizetype i = 0;
    while (i < line.size() && isLineBlank(line[i]))
        ++i;
    return i;
}

// The name of a header line: after '[', up to the first ']' or the end, trimmed.
QString headerName(QByteArrayView line)
{
    const qsizetype open = firstNonBlank(line);
    const QString text = Cp932Codec::decode(line.sliced(open + 1));
    const qsizetype close = text.indexOf(u']');
    return trimmed(QStringView(text).first(close < 0 ? text.size() : close), isNameBlank).toString();
}

} // namespace

IniDocument::IniDocument()
{
    m_sections.emplace_back();
}

QByteArrayView IniDocument::bytes(const Item& item) const
{
    if (item.owned)
        return QByteArrayView(item.own);
    return QByteArrayView(m_source).sliced(item.offset, item.length);
}

QByteArrayView IniDocument::lineOf(const Item& item) const
{
    QByteArrayView b = bytes(item);
    while (!b.isEmpty() && (b.back() == '\n' || b.back() == '\r'))
        b.chop(1);
    return b;
}

// The key as the file spells it: the bytes before the first '=', without blanks around.
// '=' and blanks are never trail bytes of a double-byte character, so bytes will do.
QByteArrayView IniDocument::keySpelling(const Item& item) const
{
    const QByteArrayView line = lineOf(item);
    const qsizetype eq = line.indexOf('=');
    qsizetype b = firstNonBlank(line);
    qsizetype e = eq;
    while (e > b && (line[e - 1] == ' ' || line[e - 1] == '\t'))
        --e;
    if (b > e)
        b = e;
    return line.sliced(b, e - b);
}

void IniDocument::appendLine(Section& section, qsizetype offset, qsizetype length, Kind kind)
{
    if (kind == Kind::Other && !section.items.empty()) {
        Item& last = section.items.back();
        if (last.kind == Kind::Other && !last.owned && last.offset + last.length == offset) {
            last.length += length;
            return;
        }
    }
    Item item;
    item.offset = offset;
    item.length = length;
    item.kind = kind;
    section.items.push_back(std::move(item));
    if (kind == Kind::Entry)
        section.lastEntry = int(section.items.size()) - 1;
}

IniDocument IniDocument::fromBytes(const QByteArray& source)
{
    IniDocument doc;
    doc.m_source = source;
    const char* data = source.constData();
    const qsizetype n = source.size();
    qsizetype pos = 0;
    while (pos < n) {
        const char* end = std::find_if(data + pos, data + n, [](char c) { return c == '\r' || c == '\n'; });
        const qsizetype lineEnd = end - data;
        qsizetype eolLength = 0;
        if (lineEnd < n)
            eolLength = (data[lineEnd] == '\r' && lineEnd + 1 < n && data[lineEnd + 1] == '\n') ? 2 : 1;
        const QByteArrayView line(data + pos, lineEnd - pos);
        const qsizetype first = firstNonBlank(line);
        // Blanks and ASCII punctuation never occur inside a double-byte character, so the
        // first non-blank byte starts a character.
        Kind kind = Kind::Other;
        if (first < line.size() && line[first] == '[')
            kind = Kind::Header;
        else if (first < line.size() && line[first] != ';' && line.indexOf('=') >= 0)
            kind = Kind::Entry;

        if (kind == Kind::Header) {
            Section section;
            doc.m_sections.push_back(std::move(section));
            const int index = int(doc.m_sections.size()) - 1;
            const QString name = folded(headerName(line));
            if (!doc.m_sectionIndex.contains(name))
                doc.m_sectionIndex.insert(name, index);
        }
        doc.appendLine(doc.m_sections.back(), pos, lineEnd - pos + eolLength, kind);
        pos = lineEnd + eolLength;
    }
    return doc;
}

QByteArray IniDocument::toBytes() const
{
    qsizetype total = 0;
    for (const Section& s : m_sections) {
        for (const Item& item : s.items)
            total += item.owned ? item.own.size() : item.length;
    }
    QByteArray out;
    out.reserve(total);
    for (const Section& s : m_sections) {
        for (const Item& item : s.items)
            out.append(bytes(item));
    }
    return out;
}

void IniDocument::indexKeys(const Section& section) const
{
    if (section.indexed)
        return;
    for (int i = 0; i < int(section.items.size()); ++i) {
        const Item& item = section.items[size_t(i)];
        if (item.kind != Kind::Entry)
            continue;
        const QString key = folded(Cp932Codec::decode(keySpelling(item)));
        if (!section.keys.contains(key))
            section.keys.insert(key, i);
    }
    section.indexed = true;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const int s = m_sectionIndex.value(folded(Cp932Codec::roundTrip(trimSpaces(section))), -1);
    if (s < 0)
        return std::nullopt;
    const Section& sec = m_sections[size_t(s)];
    indexKeys(sec);
    const int i = sec.keys.value(folded(Cp932Codec::roundTrip(trimSpaces(key))), -1);
    if (i < 0)
        return std::nullopt;
    const QByteArrayView line = lineOf(sec.items[size_t(i)]);
    const QString text = Cp932Codec::decode(line.sliced(line.indexOf('=') + 1));
    QStringView v = trimmed(QStringView(text), isValueBlank);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.sliced(1, v.size() - 2);
    return v.toString();
}

QString IniDocument::read(QStringView section, QStringView key, QStringView defaultString) const
{
    if (std::optional<QString> v = value(section, key))
        return *std::move(v);
    QString d = Cp932Codec::roundTrip(defaultString);
    while (d.endsWith(u' '))
        d.chop(1);
    return d;
}

void IniDocument::ensureLineEnd(Item& item)
{
    const QByteArrayView b = bytes(item);
    if (b.isEmpty() || b.back() == '\n' || b.back() == '\r')
        return;
    QByteArray own = b.toByteArray();
    own.append(kLineEnd);
    item.own = std::move(own);
    item.owned = true;
}

IniDocument::Item* IniDocument::lastItem()
{
    for (auto it = m_sections.rbegin(); it != m_sections.rend(); ++it) {
        if (!it->items.empty())
            return &it->items.back();
    }
    return nullptr;
}

void IniDocument::write(QStringView section, QStringView key, QStringView value)
{
    const QByteArray sectionBytes = Cp932Codec::encode(callerName(section));
    const QByteArray keyBytes = Cp932Codec::encode(callerName(key));
    QString text = value.toString();
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray valueBytes = Cp932Codec::encode(text);
    const QString sectionName = folded(Cp932Codec::decode(sectionBytes));
    const QString keyName = folded(Cp932Codec::decode(keyBytes));

    const int s = m_sectionIndex.value(sectionName, -1);
    if (s < 0) {
        if (Item* last = lastItem())
            ensureLineEnd(*last);
        Section sec;
        Item header;
        header.own = '[' + sectionBytes + ']' + kLineEnd;
        header.owned = true;
        header.kind = Kind::Header;
        Item entry;
        entry.own = keyBytes + '=' + valueBytes + kLineEnd;
        entry.owned = true;
        entry.kind = Kind::Entry;
        sec.items.push_back(std::move(header));
        sec.items.push_back(std::move(entry));
        sec.lastEntry = 1;
        sec.indexed = true;
        sec.keys.insert(keyName, 1);
        m_sections.push_back(std::move(sec));
        m_sectionIndex.insert(sectionName, int(m_sections.size()) - 1);
        return;
    }

    Section& sec = m_sections[size_t(s)];
    indexKeys(sec);
    const int i = sec.keys.value(keyName, -1);
    if (i >= 0) {
        Item& item = sec.items[size_t(i)];
        QByteArray line = keySpelling(item).toByteArray();
        line += '=' + valueBytes + kLineEnd;
        item.own = std::move(line);
        item.owned = true;
        return;
    }
    // After the last entry, so comments and blank lines that follow it stay below; only
    // lines that are no entries come after it, so the key index stays valid.
    const int at = (sec.lastEntry >= 0 ? sec.lastEntry : 0) + 1;
    ensureLineEnd(sec.items[size_t(at - 1)]);
    Item entry;
    entry.own = keyBytes + '=' + valueBytes + kLineEnd;
    entry.owned = true;
    entry.kind = Kind::Entry;
    sec.items.insert(sec.items.begin() + at, std::move(entry));
    sec.lastEntry = at;
    sec.keys.insert(keyName, at);
}

IniStatus IniDocument::readFile(const QString& path, IniDocument& document, bool& exists)
{
    document = IniDocument();
    exists = false;
    const QFileInfo info(path);
    if (!info.exists())
        return IniStatus::success();
    if (!info.isFile())
        return IniStatus::failure(QStringLiteral("%1 is not a file").arg(path), QCoreApplication::translate("IniDocument", "通常のファイルではありません"));
    exists = true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniStatus::failure(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()), file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return IniStatus::failure(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()), file.errorString());
    document = fromBytes(bytes);
    return IniStatus::success();
}

IniStatus IniDocument::writeFile(const QString& path) const
{
    const AtomicWriteResult written = AtomicFileWriter::write(path, toBytes());
    return written ? IniStatus::success() : IniStatus::failure(written.message(), written.reason(), written.replaced());
}

} // namespace tessary
