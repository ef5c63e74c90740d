// SPDX-License-Identifier: MIT
#pragma once

#include "palette/DefinedColorCollection.h"
#include "palette/PaletteStatus.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

namespace tessary {

class IColorList;

// One palette: a name, a comment and an ordered list of defined colours, read from and
// written to colour-definition files, and mirrored into a list of colour names.
class DefinedColor {
public:
    // The name that marks a palette whose colours are the system's colours by name.
    static QString systemColorPaletteName() { return QStringLiteral("CSS2 User Defined Color"); }
    // Files larger than this are no palettes; they are refused before anything changes.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

    DefinedColorCollection colorCollection;

    QString paletteName() const { return m_paletteName; }
    void setPaletteName(const QString& name) { m_paletteName = name; }
    QString paletteComment() const { return m_paletteComment; }
    void setPaletteComment(const QString& comment) { m_paletteComment = comment; }
    bool isSystemColorPalette() const { return m_paletteName == systemColorPaletteName(); }
    int count() const { return colorCollection.count(); }

    // Removes the colour at the 1-based position (ignored when there is none there),
    // refills the list and selects its first entry.
    void removeChip(std::int32_t position);
    // Refills the list control from the colours, in palette order.
    void addCombo();
    // Appends a colour keyed by its name (its code when the name is empty). Refused with
    // DuplicateName when a colour of that name in any letter case exists, and with
    // UnknownError when the colour has neither name nor code; the palette is then as before.
    PaletteStatus addColor(const QString& code, const QString& name, const QString& comment);
    // Gives the colour at the position a new name and key; refused with DuplicateName when
    // another colour has that name. An empty name makes the code the name.
    PaletteStatus renameColor(std::int32_t position, const QString& name);

    // Writes the palette as a colour-definition file. The named file is replaced only
    // once the whole palette was written (a failure leaves it as it was).
    PaletteStatus saveColor(const QString& fileName) const;
    PaletteStatus saveColor(QIODevice& device) const;
    QByteArray toBytes() const;

    // Replaces the palette's contents by a file's. Returns the problems to report, in order:
    // one DuplicateName or UnknownError per refused colour (reading goes on), then a
    // ReadError when the file could not be read to its end. After a read error the palette
    // keeps the colours read until then and the list shows them; when the file cannot be
    // opened at all nothing changes.
    QList<PaletteStatus> loadColor(const QString& fileName);
    QList<PaletteStatus> loadColor(QIODevice& device);
    QList<PaletteStatus> loadBytes(QByteArrayView bytes);

    // The list that addCombo keeps filled; not owned, may be null.
    void setPaletteNameCombo(IColorList* list) { m_colorListControl = list; }
    IColorList* colorListControl() const { return m_colorListControl; }

private:
    void resetCollection();
    void selectFirstEntry();

    QString m_paletteName;
    QString m_paletteComment;
    IColorList* m_colorListControl = nullptr;
};

} // namespace tessary
