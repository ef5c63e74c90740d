// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace tessary {

// Lets assistive technology read the painted parts: the display window (its five colours
// with their codes, the style, the sample texts), the palette window's chips and the
// colour circle's hue. A window with such a part calls it at the end of its constructor
// with the part: an interface made for the part while it was still being built is
// dropped, so the next question gets the right one.
void installPaintedAccessibility(QWidget* part);

// Tells assistive technology that the chip selected in the palette window changed.
void announcePaletteSelection(QWidget* grid);
// Tells assistive technology that the palette window's chips were redrawn.
void announcePaletteChips(QWidget* grid);

} // namespace tessary
