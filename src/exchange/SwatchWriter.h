// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/SwatchBook.h"

#include <QByteArray>

namespace tessary {

// Writes a swatch book in the exchange formats. Text is UTF-8 without byte-order mark
// with LF line ends; ASE names are UTF-16 big-endian.
class SwatchWriter {
public:
    // CSS custom properties on :root, "--<prefix><key>", each with its description as a
    // comment; the book's name and comment lines go first as comments.
    static QByteArray css(const SwatchBook& book, const QString& prefix);

    // Design tokens: one group under groupKey, described by the comment lines, holding a
    // colour token per swatch under its key, described by its description.
    static QByteArray designTokens(const SwatchBook& book, const QString& groupKey);

    // GIMP palette: the book's name on the Name line, its comment lines as '#' lines,
    // then "R G B<tab>name" per colour. Line breaks inside texts become spaces; no line
    // is left blank.
    static QByteArray gpl(const SwatchBook& book);

    // Adobe Swatch Exchange 1.0: one group named after the book holding every colour as
    // an RGB process colour under its name (cut to what a 16-bit length holds).
    static QByteArray ase(const SwatchBook& book);
};

} // namespace tessary
