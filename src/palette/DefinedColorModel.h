// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

namespace tessary {

// One defined colour of a palette: a colour code, a name (its key in the palette) and a
// comment. Colours are shared between the palette and the windows that show or edit it.
class DefinedColorModel {
public:
    // 1-based position in its palette; 0 while it belongs to no palette.
    std::int32_t index = 0;

    // Six hexadecimal digits (RRGGBB) for colours taken from the main window; the palette
    // neither checks nor changes the text.
    QString colorCode() const { return m_colorCode; }
    void setColorCode(const QString& code) { m_colorCode = code; }

    // Reading an empty name first stores the code as the name: a colour with a code never
    // reads back an empty name.
    QString colorName() const;
    void setColorName(const QString& name) { m_colorName = name; }

    QString comment() const { return m_comment; }
    void setComment(const QString& comment) { m_comment = comment; }

private:
    QString m_colorCode;
    mutable QString m_colorName;
    QString m_comment;
};

} // namespace tessary
