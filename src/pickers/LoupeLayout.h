// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

namespace tessary {

// The magnifier beside the cross-hair, in device pixels: kCells x kCells copy pixels around
// the cross-hair, each drawn as a square of cellSize pixels, a frame around the middle one,
// and a strip below them for the colour code, all inside a border of kBorder pixels.
//
// It goes above and to the right of the cross-hair, where the dropper cursor, which hangs
// down to the right of its tip, does not hide it; where that leaves the bounds, it goes to
// the left, then below, and as a last resort it is pushed inside the bounds.
class LoupeLayout {
public:
    static constexpr int kCells = 11;   // odd, so that one cell is the middle
    static constexpr int kBorder = 2;

    // crossHair and bounds in the same device pixels; cellSize >= 1; gap: the distance
    // kept between the cross-hair and the loupe.
    LoupeLayout(QPoint crossHair, QRect bounds, int cellSize, int codeHeight, int gap);

    QRect frame() const { return m_frame; }       // the whole loupe
    QRect cells() const { return m_cells; }       // the enlarged copy pixels
    QRect codeStrip() const { return m_code; }    // where the colour code goes
    // The cell of the copy pixel (column, row) of the kCells x kCells block, 0-based.
    QRect cell(int column, int row) const;
    QRect centreCell() const { return cell(kCells / 2, kCells / 2); }

    // The copy pixels shown around a cross-hair at the given copy pixel.
    static QRect source(QPoint copyPixel);

private:
    int m_cellSize;
    QRect m_frame;
    QRect m_cells;
    QRect m_code;
};

} // namespace tessary
