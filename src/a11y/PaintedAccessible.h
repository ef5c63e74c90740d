// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace tessary {

class PaintedPart;

// Lets assistive technology read the painted parts: the display window (its five colours
// with their codes, the style, the sample texts), a grid of chips and a hue dial, each as
// its description says. A window with such a part calls it at the end of its constructor
// with the part and its description, which must live as long as the part: an interface
// made for the part while it was still being built is dropped, so the next question gets
// the right one.
void installPaintedAccessibility(QWidget* part, PaintedPart* description);

// Tells assistive technology that the chip selected in the palette window changed.
void announcePaletteSelection(QWidget* grid);
// Tells assistive technology that the palette window's chips were redrawn.
void announcePaletteChips(QWidget* grid);

} // namespace tessary
