// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <cstdint>
#include <vector>

namespace tessary {

// Which of the two background colours fills a rectangle: A is colour object 3 (Shape1),
// B is colour object 4 (Shape2).
enum class StyleBrush : std::uint8_t { A, B };

// A rectangle (left, top, right, bottom) with right and bottom exclusive, in client pixels.
struct StyleFill {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    StyleBrush brush = StyleBrush::A;

    bool operator==(const StyleFill&) const = default;
};

// The layout style and its parameters as the display window stores them. Values are taken
// as given: the settings raise them to at least 1 before they get here.
struct StyleParams {
    int style = 0;                    // 0 up/down, 1 left/right, 2 square in square, 3 check, 4 lattice
    std::int32_t outsideWidth = 0;    // square in square: margin in percent of width and height
    std::int32_t divideNum = 0;       // check: cells per row and per column
    std::int32_t latticeLineWidth = 0;
    std::int32_t latticeDivideNum = 0;

    bool operator==(const StyleParams&) const = default;
};

// What a style paints: the rectangles in drawing order, then (lattice only) lines in the
// colour of brush B, vertical ones before horizontal ones. A vertical line at x runs from
// (x, 0) to (x, H) and a horizontal one at y from (0, y) to (W, y), end points excluded.
struct StyleShapes {
    std::vector<StyleFill> fills;
    std::vector<int> verticalLines;
    std::vector<int> horizontalLines;
    int lineWidth = 1;   // pen width of the lines, 1 to 32767

    // Empties the lists but keeps their storage, so a repaint allocates nothing.
    void clear();
};

// Geometry of the five layout styles and of the drawn labels, in client pixels.
class StyleLayout {
public:
    // The shapes of the style for a client area of width x height, written into out (its
    // previous contents are dropped, its storage is reused). An unknown style gives nothing.
    static void layout(int width, int height, const StyleParams& params, StyleShapes& out);
    static StyleShapes layout(int width, int height, const StyleParams& params);

    // Top-left corner of label index (0..2) measured textWidth x textHeight: centred
    // horizontally, its vertical centre at (index + 1) quarters of the height.
    static QPoint labelPosition(int index, int width, int height, int textWidth, int textHeight);
};

} // namespace tessary
