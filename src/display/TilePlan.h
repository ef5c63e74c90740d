// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <vector>

namespace tessary {

// Where copies of a picture go to tile an area: rows from the top, each row from the left,
// the first copy at (0, 0). The copies at the right and bottom edges are cut off by the
// area's edge, and there is always at least one copy.
class TilePlan {
public:
    // tileWidth and tileHeight below 1 count as 1; an empty area still gets one copy.
    TilePlan(int tileWidth, int tileHeight, int areaWidth, int areaHeight);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int count() const { return m_columns * m_rows; }
    // The top-left corner of copy i, 0 <= i < count(), in drawing order.
    QPoint at(int i) const { return {(i % m_columns) * m_tileWidth, (i / m_columns) * m_tileHeight}; }
    std::vector<QPoint> positions() const;

private:
    int m_tileWidth;
    int m_tileHeight;
    int m_columns;
    int m_rows;
};

} // namespace tessary
