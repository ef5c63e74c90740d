// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tessary {

// Text in Microsoft's code page 932, the encoding of the settings and palette files. Our own
// table (Cp932Table.cpp), so that every platform reads and writes the same bytes; the bytes
// 00-7F are ASCII both ways.
class Cp932Codec {
public:
    // Never fails. Bytes 80, A0 and FD-FF read as U+0080, U+F8F0 and U+F8F1-U+F8F3 and are
    // written back as themselves. A pair the code page leaves unassigned (85 40), and a lead
    // byte that ends the input or comes before a byte that cannot be its trail byte, read as
    // one U+30FB each, which is written as 81 45.
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
