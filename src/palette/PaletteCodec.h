// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <optional>

namespace tessary {

// Text of colour-definition files: code page 932 without byte-order mark.
class PaletteCodec {
public:
    PaletteCodec();

    // The text of the bytes; ok is false when they are not valid code page 932 (the text
    // is then of no use).
    QString decode(QByteArrayView bytes, bool* ok);

    // The bytes of the text. Characters outside the code page take the code Windows
    // writes for them where it has a best fit (U+301C as 81 60, ...), else '?'.
    static QByteArray encode(const QString& text);

private:
    // Recreated after an error: once a converter has failed it keeps saying so.
    std::optional<QStringDecoder> m_decoder;
};

} // namespace tessary
