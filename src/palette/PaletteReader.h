// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>

namespace tessary {

// Reads the records of a colour-definition file: three fields each, a field quoted or
// bare, fields separated by commas and line ends (CR LF, and lone CR or LF as well).
// Spaces before a field are skipped; a quoted field runs to its closing quote, and what
// follows it up to the next comma or line end is skipped; a bare field runs to the next
// comma or line end and loses its trailing blanks. An empty line is one empty field, so
// records need not follow lines. Blank lines at the very end of the data are not a record.
//
// Inside a quoted field two quotes stand for one, as this program writes a quote, unless
// the second is followed by a comma, a line end or the end of the data: then the first
// quote closes the field. Earlier versions wrote a field's quotes undoubled, so their
// comment `3.5"` is stored as "3.5"" and reads as 3.5, as it did then.
//
// Fields are code page 932, read with Cp932Codec: bytes it cannot read become substitute
// characters and never end the reading.
class PaletteReader {
public:
    enum class Result {
        Record,      // three fields were read
        End,         // nothing but blank lines is left
        Truncated,   // the data ends within a record, or within a quoted field
        Binary,      // a field holds a NUL byte, which no text file has
        TooLong,     // a field is longer than kMaxFieldBytes
    };

    // No real colour name or comment comes near this; longer fields mean a file that
    // is no palette.
    static constexpr qsizetype kMaxFieldBytes = 64 * 1024;

    explicit PaletteReader(QByteArrayView data);

    Result next(std::array<QString, 3>& fields);
    // Byte offset of the next unread byte.
    qsizetype position() const { return m_pos; }

private:
    bool onlyBlanksLeft() const;
    Result readField(QString& out);
    void skipToSeparator();
    void consumeSeparator();

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    QByteArray m_buffer;
};

} // namespace tessary
