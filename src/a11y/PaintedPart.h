// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace tessary {

// What a window tells assistive technology about a part it paints itself. The window
// keeps the description alive as long as the part and hands it over with
// installPaintedAccessibility; the accessibility layer knows no window.
class PaintedPart {
public:
    virtual ~PaintedPart() = default;
};

// The display window: the five colour objects of the scheme over its client area.
class SchemeObjectsPart : public PaintedPart {
public:
    // Where sample text 0..2 was last drawn, in the part's pixels; empty when it was not.
    virtual QRect labelBox(int label) const = 0;
};

// A grid of colour chips, positions counted from 1.
class ChipGridPart : public PaintedPart {
public:
    struct Chip {
        QString name;
        QString code;
        QString comment;
    };
    // Null while there is nothing to show.
    virtual std::optional<Chip> chip(int position) const = 0;
    virtual int chipCount() const = 0;
    virtual int firstVisible() const = 0;
    virtual int columns() const = 0;
    virtual int rows() const = 0;
    virtual int chipSize() const = 0;
    // May lie past the last chip (an empty cell).
    virtual int selected() const = 0;
};

// A hue chosen on a dial, in whole degrees 0..359.
class HueDialPart : public PaintedPart {
public:
    virtual int hue() const = 0;
    virtual void setHue(int degrees) = 0;
};

} // namespace tessary
