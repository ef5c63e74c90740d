// SPDX-License-Identifier: MIT
#include "palette/PaletteCodec.h"

#include "platform/Cp932Codec.h"

namespace tessary {

namespace {

const char* const kCodePage = "windows-31j";

} // namespace

PaletteCodec::PaletteCodec()
{
    m_decoder.emplace(kCodePage, QStringDecoder::Flag::Stateless);
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
    return Cp932Codec::encode(text);
}

} // namespace tessary
