// SPDX-License-Identifier: MIT
#pragma once

#include "palette/PaletteStatus.h"

#include <QByteArrayView>
#include <QList>
#include <QStringList>
#include <QString>
#include <memory>

class QIODevice;

namespace tessary {

class DefinedColor;

// Reads a GIMP palette into a new palette, or says why it cannot.
//
// The text is UTF-8 (a byte-order mark is skipped) with LF, CR LF or CR line ends. The
// first line starts with "GIMP Palette". Before the first colour, a "Name:" line names the
// palette (else the file's name without its suffix does), a "Columns:" line is ignored
// whatever its value, and '#' lines make up the palette's comment (their texts joined by
// spaces, cut at kMaxCommentChars). Blank lines and, after the first colour, '#' lines are
// skipped. A colour line holds three whole numbers 0..255 separated by spaces or tabs,
// then optionally its name, trimmed; a colour without a name gets its code as name, as
// everywhere in a palette. A colour whose name (in any letter case) came before is not
// added, and one DuplicateName refusal per such colour is kept, as a palette file's load
// gives them.
//
// Anything else - a missing first line, a wrong or missing value, bytes that are no text
// or no UTF-8, a name, a file or a colour count beyond the limits - refuses the whole file
// with one message that names it.
class GplImport {
public:
    static constexpr qsizetype kMaxFileBytes = 8 * 1024 * 1024;
    static constexpr int kMaxColors = 100000;
    // Characters of a colour's or the palette's name: within what a field of a palette
    // file holds, and short enough that a line written for it reads back.
    static constexpr qsizetype kMaxNameChars = 16 * 1024;
    static constexpr qsizetype kMaxCommentChars = 1024;

    // fileName names the file in messages and gives the palette its name when the file
    // has no Name line; it is not opened.
    static GplImport read(QByteArrayView bytes, const QString& fileName);
    // Reads the device from its position (opening it for reading if it is closed).
    static GplImport read(QIODevice& device, const QString& fileName);
    // Opens and reads the named file.
    static GplImport read(const QString& fileName);

    bool isOk() const { return m_palette != nullptr; }
    // Empty when reading succeeded.
    const QString& errorMessage() const { return m_error; }
    // The palette read, with no list control attached; null when reading failed.
    const std::shared_ptr<DefinedColor>& palette() const { return m_palette; }
    // The colours that were not added, one status each, in file order.
    const QList<PaletteStatus>& refusals() const { return m_refusals; }
    // The names refused as taken already, in file order, as the file spells them.
    const QStringList& duplicateNames() const { return m_duplicateNames; }
    // How many of the palette's name, its comment and its colours' names hold characters
    // that code page 932 lacks: a palette file stores each of those as '?'.
    int textsLosingCharacters() const { return m_textsLosingCharacters; }

private:
    static GplImport failure(const QString& fileName, const QString& reason);

    std::shared_ptr<DefinedColor> m_palette;
    QList<PaletteStatus> m_refusals;
    QStringList m_duplicateNames;
    QString m_error;
    int m_textsLosingCharacters = 0;
};

} // namespace tessary
