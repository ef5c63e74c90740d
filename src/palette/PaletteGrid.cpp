// SPDX-License-Identifier: MIT
#include "palette/PaletteGrid.h"

#include <QString>
#include <algorithm>

namespace tessary {

PaletteGrid::Layout PaletteGrid::layout(int width, int height, int chipSize, int colorCount)
{
    Layout g;
    if (chipSize <= 0)
        return g;
    g.columnCount = std::max(0, width) / chipSize;
    g.rowCount = std::max(0, height) / chipSize;
    if (g.columnCount == 0)
        return g;
    g.laidOut = true;
    const int n = std::max(0, colorCount);
    if (qint64(g.columnCount) * g.rowCount > n)
        g.rowCount = n / g.columnCount + 1;
    g.scrollMaximum = std::max(0, n / g.columnCount - g.rowCount + 1);
    return g;
}

QPoint PaletteGrid::cellAt(int x, int y, int chipSize)
{
    if (chipSize <= 0)
        return {0, 0};
    return {x / chipSize, y / chipSize};
}

QRect PaletteGrid::chipRect(int column, int row, int chipSize)
{
    return QRect(column * chipSize, row * chipSize, chipSize, chipSize);
}

QRect PaletteGrid::shownChipRect(int p, int firstVisible, int columnCount, int rowCount, int chipSize)
{
    const int cell = p - firstVisible;
    if (columnCount <= 0 || cell < 0 || cell >= columnCount * rowCount)
        return {};
    return chipRect(cell % columnCount, cell / columnCount, chipSize);
}

PaletteGrid::Located PaletteGrid::locate(int p, int columnCount, int rowCount,
                                         int scrollPosition, int scrollMaximum, int chipSize)
{
    Located out;
    out.scrollPosition = scrollPosition;
    if (columnCount <= 0 || rowCount <= 0)
        return out;

    const int c = std::clamp((p - 1) % columnCount + 1, 1, columnCount);
    const int row = (p - 1) / columnCount;   // 0-based row of the colour in the palette
    if (row < scrollPosition)
        out.scrollPosition = std::max(0, row);
    else if (row > scrollPosition + rowCount - 1)
        out.scrollPosition = std::clamp(row - rowCount + 1, 0, std::max(0, scrollMaximum));
    const int r = std::clamp(row - out.scrollPosition + 1, 1, rowCount);
    out.point = QPoint(c * chipSize - 1, r * chipSize - 1);
    return out;
}

QString PaletteGrid::tooltipAt(int x, int y, int chipSize)
{
    const QPoint cell = cellAt(x, y, chipSize);
    return QStringLiteral("x : %1 y : %2").arg(cell.x() + 1).arg(cell.y() + 1);
}

} // namespace tessary
