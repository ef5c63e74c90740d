// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

namespace tessary {

// Geometry of the palette window's chip grid: square chips of chipSize pixels, touching,
// filled row by row from the colour at the first visible position. Positions are
// 1-based; cells and rows are 0-based unless said otherwise. Nothing here divides by a
// column count of 0.
class PaletteGrid {
public:
    struct Layout {
        int columnCount = 0;
        int rowCount = 0;
        int scrollMaximum = 0;   // >= 0
        bool laidOut = false;    // false: not even one column fits
    };

    // The grid for a free area of width x height pixels and colorCount colours: as many
    // columns and rows as fit, the rows cut down to those needed plus one spare when the
    // colours leave room, and a scroll range of whole rows.
    static Layout layout(int width, int height, int chipSize, int colorCount);

    // Position of the top left chip when the grid is scrolled down by scrollPosition rows.
    static int firstVisibleIndex(int scrollPosition, int columnCount) { return scrollPosition * columnCount + 1; }
    // Palette position shown in a cell.
    static int positionAt(int column, int row, int firstVisible, int columnCount)
    {
        return firstVisible + row * columnCount + column;
    }
    // The cell under a pixel.
    static QPoint cellAt(int x, int y, int chipSize);
    // Pixel square of a cell, right and bottom exclusive (QRect's right() is inclusive).
    static QRect chipRect(int column, int row, int chipSize);
    // Pixel square of the chip at position p, or an empty rectangle when p is not among
    // the columnCount x rowCount chips shown from firstVisible.
    static QRect shownChipRect(int p, int firstVisible, int columnCount, int rowCount, int chipSize);

    // Where the list selects the colour at position p: the bottom right pixel of its chip,
    // after scrolling just far enough to bring its row into view (one row for a colour
    // just outside the visible rows), so the chip selected is always the colour chosen.
    struct Located {
        QPoint point;
        int scrollPosition = 0;   // the scroll position to set first (may be unchanged)
    };
    static Located locate(int p, int columnCount, int rowCount, int scrollPosition,
                          int scrollMaximum, int chipSize);

    // The tooltip over a pixel: "x : 3 y : 2" for the third column of the second row.
    static QString tooltipAt(int x, int y, int chipSize);
};

} // namespace tessary
