// SPDX-License-Identifier: MIT
#include "palette/PaletteCodec.h"

namespace tessary {

namespace {

const char* const kCodePage = "windows-31j";

// What Windows writes for characters that have no code of their own in code page 932.
QByteArray bestFit(char32_t c)
{
    switch (c) {
    case 0x301C: return QByteArray("\x81\x60", 2);   // wave dash
    case 0x2212: return QByteArray("\x81\x7C", 2);   // minus sign
    case 0x2016: return QByteArray("\x81\x61", 2);   // double vertical line
    case 0x2014: return QByteArray("\x81\x5C", 2);   // em dash
    case 0x00A2: return QByteArray("\x81\x91", 2);   // cent
    case 0x00A3: return QByteArray("\x81\x92", 2);   // pound
    case 0x00AC: return QByteArray("\x81\xCA", 2);   // not
    case 0x00A5: return QByteArray("\x5C", 1);       // yen
    case 0x203E: return QByteArray("\x7E", 1);       // overline
    default: return QByteArray("?", 1);
    }
}

} // namespace

PaletteCodec::PaletteCodec()
{
    m_decoder.emplace(kCodePage, QStringDecoder::Flag::Stateless);
    m_encoder.emplace(kCodePage, QStringEncoder::Flag::Stateless);
}

QString PaletteCodec::decode(QByteArrayView bytes, bool* ok)
{
    *ok = m_decoder->isValid();
    if (bytes.isEmpty() || !*ok)
        return {};
    QString text = m_decoder->decode(bytes);
    const bool failed = m_decoder->hasError();
    if (failed)
        m_decoder.emplace(kCodePage, QStringDecoder::Flag::Stateless);
    // A NUL never belongs in a palette; it marks a binary file.
    *ok = !failed && !bytes.contains('\0');
    return text;
}

QByteArray PaletteCodec::encode(const QString& text)
{
    if (text.isEmpty())
        return {};
    QByteArray bytes = m_encoder->encode(text);
    // The encoder marks what it cannot map by a bogus FC FC; only then go character by
    // character.
    if (!m_encoder->hasError())
        return bytes;
    m_encoder.emplace(kCodePage, QStringEncoder::Flag::Stateless);
    return encodeSlowly(text);
}

QByteArray PaletteCodec::encodeSlowly(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        char32_t c = text.at(i).unicode();
        qsizetype len = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            len = 2;
        }
        const QStringView one = QStringView(text).mid(i, len);
        const QByteArray b = m_encoder->encode(one);
        if (m_encoder->hasError() || b.isEmpty()) {
            out += bestFit(c);
            m_encoder.emplace(kCodePage, QStringEncoder::Flag::Stateless);
        } else {
            out += b;
        }
        i += len;
    }
    return out;
}

} // namespace tessary
