// SPDX-License-Identifier: MIT
#include "exchange/SwatchWriter.h"

#include "exchange/ExchangeText.h"
#include "exchange/JsonWriter.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>

namespace tessary {

namespace {

constexpr std::uint16_t kAseColorBlock = 0x0001;
constexpr std::uint16_t kAseGroupStart = 0xC001;
constexpr std::uint16_t kAseGroupEnd = 0xC002;
constexpr std::uint16_t kAseProcessColor = 2;
// Code units a name may have: its length field counts the terminating zero as well.
constexpr qsizetype kAseMaxNameUnits = 0xFFFF - 1;

void putU16(QByteArray& out, std::uint16_t v)
{
    out += char(v >> 8);
    out += char(v & 0xFF);
}

void putU32(QByteArray& out, std::uint32_t v)
{
    putU16(out, std::uint16_t(v >> 16));
    putU16(out, std::uint16_t(v & 0xFFFF));
}

// Whole code points only: a pair of surrogates is never split.
QString aseName(const QString& name)
{
    if (name.size() <= kAseMaxNameUnits)
        return name;
    qsizetype n = kAseMaxNameUnits;
    if (name.at(n - 1).isHighSurrogate())
        --n;
    return name.left(n);
}

// Name length (with the terminator), UTF-16BE units and the terminator.
void putName(QByteArray& out, const QString& name)
{
    putU16(out, std::uint16_t(name.size() + 1));
    for (QChar c : name)
        putU16(out, c.unicode());
    putU16(out, 0);
}

void putChannel(QByteArray& out, int value)
{
    // Every 8-bit value survives value/255 as a float and back, truncated or rounded.
    putU32(out, std::bit_cast<std::uint32_t>(float(value) / 255.0f));
}

QString hexOf(const SwatchBook::Swatch& s)
{
    return ExchangeText::hexCode((s.red & 0xFF) | (s.green & 0xFF) << 8 | (s.blue & 0xFF) << 16);
}

} // namespace

QByteArray SwatchWriter::css(const SwatchBook& book, const QString& prefix)
{
    QString out;
    out.reserve(64 + book.swatches.size() * 64);
    if (!book.name.isEmpty())
        out += QStringLiteral("/* ") + ExchangeText::cssComment(book.name) + QStringLiteral(" */\n");
    for (const QString& line : book.commentLines)
        out += QStringLiteral("/* ") + ExchangeText::cssComment(line) + QStringLiteral(" */\n");
    out += QStringLiteral(":root {\n");
    for (const SwatchBook::Swatch& s : book.swatches) {
        out += QStringLiteral("  --") + prefix + s.key + QStringLiteral(": ")
               + hexOf(s) + u';';
        if (!s.description.isEmpty())
            out += QStringLiteral(" /* ") + ExchangeText::cssComment(s.description) + QStringLiteral(" */");
        out += u'\n';
    }
    out += QStringLiteral("}\n");
    return out.toUtf8();
}

QByteArray SwatchWriter::designTokens(const SwatchBook& book, const QString& groupKey)
{
    JsonWriter json;
    json.beginObject();
    json.key(groupKey);
    json.beginObject();
    if (!book.commentLines.isEmpty()) {
        json.key(QStringLiteral("$description"));
        json.value(book.commentLines.join(u'\n'));
    }
    for (const SwatchBook::Swatch& s : book.swatches) {
        json.key(s.key);
        json.beginObject();
        json.key(QStringLiteral("$type"));
        json.value(QStringLiteral("color"));
        json.key(QStringLiteral("$value"));
        json.beginObject(true);
        json.key(QStringLiteral("colorSpace"));
        json.value(QStringLiteral("srgb"));
        json.key(QStringLiteral("components"));
        json.beginArray();
        json.number(ExchangeText::fraction(s.red));
        json.number(ExchangeText::fraction(s.green));
        json.number(ExchangeText::fraction(s.blue));
        json.endArray();
        json.key(QStringLiteral("alpha"));
        json.value(1);
        // Also as hex: tools that know only the older string form read this.
        json.key(QStringLiteral("hex"));
        json.value(hexOf(s));
        json.endObject();
        if (!s.description.isEmpty()) {
            json.key(QStringLiteral("$description"));
            json.value(s.description);
        }
        json.endObject();
    }
    json.endObject();
    json.endObject();
    return json.finish();
}

QByteArray SwatchWriter::gpl(const SwatchBook& book)
{
    QByteArray out;
    out.reserve(64 + book.swatches.size() * 24);
    out += "GIMP Palette\n";
    out += "Name: " + ExchangeText::oneLine(book.name).toUtf8() + '\n';
    out += "Columns: " + QByteArray::number(std::clamp(book.columns, 0, 256)) + '\n';
    out += "#\n";
    for (const QString& line : book.commentLines) {
        const QString text = ExchangeText::oneLine(line);
        out += text.isEmpty() ? QByteArray("#\n") : "# " + text.toUtf8() + '\n';
    }
    char numbers[16];
    for (const SwatchBook::Swatch& s : book.swatches) {
        std::snprintf(numbers, sizeof numbers, "%3d %3d %3d", s.red & 0xFF, s.green & 0xFF, s.blue & 0xFF);
        out += numbers;
        const QString name = ExchangeText::oneLine(s.name);
        if (!name.isEmpty())
            out += '\t' + name.toUtf8();
        out += '\n';
    }
    return out;
}

QByteArray SwatchWriter::ase(const SwatchBook& book)
{
    const QString group = aseName(book.name);
    QByteArray out;
    out.reserve(32 + group.size() * 2 + book.swatches.size() * 48);
    out += "ASEF";
    putU16(out, 1);
    putU16(out, 0);
    // The block count includes the group's start and end blocks.
    putU32(out, std::uint32_t(book.swatches.size() + 2));

    putU16(out, kAseGroupStart);
    putU32(out, std::uint32_t(2 + 2 * (group.size() + 1)));
    putName(out, group);

    for (const SwatchBook::Swatch& s : book.swatches) {
        const QString name = aseName(s.name);
        putU16(out, kAseColorBlock);
        putU32(out, std::uint32_t(2 + 2 * (name.size() + 1) + 4 + 3 * 4 + 2));
        putName(out, name);
        out += "RGB ";
        putChannel(out, s.red & 0xFF);
        putChannel(out, s.green & 0xFF);
        putChannel(out, s.blue & 0xFF);
        putU16(out, kAseProcessColor);
    }

    putU16(out, kAseGroupEnd);
    putU32(out, 0);
    return out;
}

} // namespace tessary
