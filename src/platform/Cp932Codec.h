// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tessary {

// Text in Microsoft's code page 932, the encoding of the settings and palette files.
class Cp932Codec {
public:
    // Bytes that are not valid code page 932 decode to substitute characters (U+001A or
    // U+FFFD); a lead byte at the very end becomes one too, it is never dropped.
    static QString decode(QByteArrayView bytes);
    // Characters outside the table are written the way Windows writes them: a few get their
    // usual look-alikes (U+301C as 81 60, U+00A5 as 5C, ...), everything else becomes '?',
    // one per UTF-16 code unit.
    static QByteArray encode(QStringView text);
    // What a text looks like after a trip through the code page.
    static QString roundTrip(QStringView text);
    static bool isAscii(QByteArrayView bytes);
};

} // namespace tessary
