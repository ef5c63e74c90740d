// SPDX-License-Identifier: MIT
#include "palette/PaletteGridPainter.h"

#include "palette/PaletteGrid.h"
#include "platform/Surface.h"

namespace tessary {

void PaletteGridPainter::drawGrid(Surface& surface, int columnCount, int rowCount, int chipSize, int first,
                                  int lastPosition, const std::function<std::int32_t(int)>& colorAt)
{
    surface.clear();
    int i = first;
    for (int r = 0; r < rowCount; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            if (i > lastPosition)
                return;
            fillChip(surface, c, r, chipSize, colorAt(i));
            ++i;
        }
    }
}

void PaletteGridPainter::fillChip(Surface& surface, int column, int row, int chipSize, std::int32_t color)
{
    const QRect r = PaletteGrid::chipRect(column, row, chipSize);
    surface.fillRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), color);
    frameChip(surface, column, row, chipSize, kFrame);
}

void PaletteGridPainter::frameChip(Surface& surface, int column, int row, int chipSize, std::int32_t color)
{
    const QRect r = PaletteGrid::chipRect(column, row, chipSize);
    surface.frameRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(), color);
}

} // namespace tessary
