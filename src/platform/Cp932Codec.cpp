// SPDX-License-Identifier: MIT
#include "platform/Cp932Codec.h"

#include "platform/Cp932Table.h"

#include <array>
#include <utility>

namespace tessary {

namespace {

// What Windows reads for a code the code page leaves unassigned.
constexpr char16_t kSubstitute = 0x30FB;

bool isLeadByte(quint8 b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Position of a trail byte among the 188 of a lead byte, or -1.
int trailIndex(quint8 b)
{
    if (b >= 0x40 && b <= 0x7E)
        return b - 0x40;
    if (b >= 0x80 && b <= 0xFC)
        return b - 0x41;
    return -1;
}

quint8 trailByte(int index) { return quint8(index < 0x3F ? index + 0x40 : index + 0x41); }

// The character of a lead byte and a trail position, 0 when none is assigned.
char16_t pairCharacter(quint8 lead, int trail)
{
    if (lead >= cp932::kUserFirstLead && lead <= cp932::kUserLastLead)
        return char16_t(cp932::kUserFirstChar + (lead - cp932::kUserFirstLead) * cp932::kTrailCount + trail);
    const int row = cp932::kRowOfLead[lead - 0x80];
    return row < 0 ? char16_t(0) : cp932::kRows[row][trail];
}

// Codes Windows writes for characters that have no code of their own.
constexpr std::pair<char16_t, quint16> kBestFit[] = {
    {0x301C, 0x8160}, {0x2212, 0x817C}, {0x2016, 0x8161}, {0x2014, 0x815C}, {0x00A2, 0x8191},
    {0x00A3, 0x8192}, {0x00AC, 0x81CA}, {0x00A5, 0x5C},   {0x203E, 0x7E},
};

// The code written for each UTF-16 unit from U+0080 on; 0 for none (such a unit is
// written as '?').
class EncodeTable {
public:
    EncodeTable()
    {
        m_codes.fill(0);
        for (int b = 0x80; b <= 0xFF; ++b) {
            if (!isLeadByte(quint8(b)))
                m_codes[cp932::kHighSingleBytes[b - 0x80]] = quint16(b);
        }
        // A character with several codes is written with the lowest one, never with one of
        // the NEC-selected rows ED and EE (their characters all have an IBM code in FA-FC).
        for (const bool necSelected : {false, true}) {
            for (int lead = 0x81; lead <= 0xFC; ++lead) {
                if (!isLeadByte(quint8(lead)) || (lead == 0xED || lead == 0xEE) != necSelected)
                    continue;
                for (int trail = 0; trail < cp932::kTrailCount; ++trail)
                    add(pairCharacter(quint8(lead), trail), quint16(lead << 8 | trailByte(trail)));
            }
        }
        for (const auto& [c, code] : kBestFit)
            add(c, code);
    }

    quint16 code(char16_t c) const { return m_codes[c]; }

private:
    void add(char16_t c, quint16 code)
    {
        if (c != 0 && m_codes[c] == 0)
            m_codes[c] = code;
    }

    std::array<quint16, 0x10000> m_codes;
};

const EncodeTable& encodeTable()
{
    static const EncodeTable table;
    return table;
}

} // namespace

bool Cp932Codec::isAscii(QByteArrayView bytes)
{
    for (char ch : bytes) {
        if (quint8(ch) >= 0x80)
            return false;
    }
    return true;
}

QString Cp932Codec::decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    const qsizetype size = bytes.size();
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype n = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const quint8 b = quint8(bytes[i]);
        if (b < 0x80) {
            out[n++] = b;
        } else if (!isLeadByte(b)) {
            out[n++] = cp932::kHighSingleBytes[b - 0x80];
        } else {
            // A lead byte before a byte that cannot follow it stands alone, so that a line
            // end or a quote after it is read as itself.
            const int trail = i + 1 < size ? trailIndex(quint8(bytes[i + 1])) : -1;
            char16_t c = 0;
            if (trail >= 0) {
                c = pairCharacter(b, trail);
                ++i;
            }
            out[n++] = c != 0 ? c : kSubstitute;
        }
    }
    text.truncate(n);
    return text;
}

QByteArray Cp932Codec::encode(QStringView text)
{
    const EncodeTable& table = encodeTable();
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char* d = out.data();
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80) {
            *d++ = char(c);
            continue;
        }
        const quint16 code = table.code(c);
        if (code == 0) {
            *d++ = '?';
            continue;
        }
        if (code > 0xFF)
            *d++ = char(code >> 8);
        *d++ = char(code & 0xFF);
    }
    out.truncate(d - out.constData());
    return out;
}

QString Cp932Codec::roundTrip(QStringView text)
{
    bool ascii = true;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return text.toString();
    return decode(encode(text));
}

} // namespace tessary
