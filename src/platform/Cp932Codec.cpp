// SPDX-License-Identifier: MIT
#include "platform/Cp932Codec.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tessary {

namespace {

constexpr const char* kCodecName = "windows-31j";

QStringDecoder& decoder()
{
    static thread_local QStringDecoder d(kCodecName, QStringConverter::Flag::Stateless);
    return d;
}

QStringEncoder& encoder()
{
    static thread_local QStringEncoder e(kCodecName, QStringConverter::Flag::Stateless);
    return e;
}

// Best-fit codes Windows uses for characters that have no code of their own.
int bestFit(char16_t c)
{
    switch (c) {
    case 0x301C: return 0x8160;
    case 0x2212: return 0x817C;
    case 0x2016: return 0x8161;
    case 0x2014: return 0x815C;
    case 0x00A2: return 0x8191;
    case 0x00A3: return 0x8192;
    case 0x00AC: return 0x81CA;
    case 0x00A5: return 0x5C;
    case 0x203E: return 0x7E;
    default: return -1;
    }
}

void appendCode(QByteArray& out, int code)
{
    if (code > 0xFF)
        out.append(char(code >> 8));
    out.append(char(code & 0xFF));
}

// The code of one BMP character, or -1 when the table has none. The converter answers
// unmappable characters with its substitution FC FC (which is no character of the table)
// and some with look-alikes, so only a code that decodes back to the character counts.
int tableCode(char16_t c)
{
    static thread_local QHash<char16_t, int> cache;
    const auto it = cache.constFind(c);
    if (it != cache.constEnd())
        return *it;
    int code = -1;
    const QByteArray b = encoder().encode(QStringView(&c, 1));
    if ((b.size() == 1 || b.size() == 2) && b != QByteArrayView("\xFC\xFC")) {
        const QString back = Cp932Codec::decode(b);
        if (back.size() == 1 && back.at(0).unicode() == c)
            code = b.size() == 1 ? quint8(b[0]) : (quint8(b[0]) << 8 | quint8(b[1]));
    }
    cache.insert(c, code);
    return code;
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
    // The converter drops a lead byte that ends the input; a line feed after it turns it
    // into a replacement character, and the line feed itself decodes unchanged.
    QByteArray padded;
    padded.reserve(bytes.size() + 1);
    padded.append(bytes);
    padded.append('\n');
    QString text = decoder().decode(padded);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QByteArray Cp932Codec::encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80) {
            out.append(char(c));
            continue;
        }
        int code = bestFit(c);
        if (code < 0 && !qc.isSurrogate())
            code = tableCode(c);
        if (code < 0)
            out.append('?');
        else
            appendCode(out, code);
    }
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
