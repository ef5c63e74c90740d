// SPDX-License-Identifier: MIT
#include "pickers/LoupeLayout.h"

#include <algorithm>
#include <array>

namespace tessary {

LoupeLayout::LoupeLayout(QPoint crossHair, QRect bounds, int cellSize, int codeHeight, int gap)
    : m_cellSize(std::max(1, cellSize))
{
    const int side = kCells * m_cellSize;
    const QSize size(side + 2 * kBorder, side + std::max(0, codeHeight) + 2 * kBorder);
    const int right = crossHair.x() + gap + 1;
    const int left = crossHair.x() - gap - size.width();
    const int above = crossHair.y() - gap - size.height();
    const int below = crossHair.y() + gap + 1;
    const std::array<QPoint, 4> candidates = {QPoint(right, above), QPoint(left, above), QPoint(right, below),
                                              QPoint(left, below)};
    QRect placed(candidates[0], size);
    const auto fits = [&](const QPoint& p) { return bounds.contains(QRect(p, size)); };
    if (const auto it = std::find_if(candidates.begin(), candidates.end(), fits); it != candidates.end()) {
        placed.moveTopLeft(*it);
    } else {
        // Bounds smaller than the loupe keep its top-left corner visible.
        placed.moveLeft(std::max(bounds.left(), std::min(placed.left(), bounds.right() + 1 - size.width())));
        placed.moveTop(std::max(bounds.top(), std::min(placed.top(), bounds.bottom() + 1 - size.height())));
    }
    m_frame = placed;
    m_cells = QRect(placed.topLeft() + QPoint(kBorder, kBorder), QSize(side, side));
    m_code = QRect(m_cells.left(), m_cells.bottom() + 1, side, std::max(0, codeHeight));
}

QRect LoupeLayout::cell(int column, int row) const
{
    return {m_cells.left() + column * m_cellSize, m_cells.top() + row * m_cellSize, m_cellSize, m_cellSize};
}

QRect LoupeLayout::source(QPoint copyPixel)
{
    return {copyPixel - QPoint(kCells / 2, kCells / 2), QSize(kCells, kCells)};
}

} // namespace tessary
