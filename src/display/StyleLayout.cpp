// SPDX-License-Identifier: MIT
#include "display/StyleLayout.h"

#include "platform/Numeric.h"

#include <algorithm>

namespace tessary {

namespace {

// The rectangle (x, y, x + width, y + height).
StyleFill makeRect(int x, int y, int width, int height, StyleBrush brush)
{
    return {x, y, x + width, y + height, brush};
}

void computeUpDown(int w, int h, StyleShapes& out)
{
    out.fills.push_back({0, 0, w, h / 2, StyleBrush::A});
    out.fills.push_back({0, h / 2, w, h, StyleBrush::B});
}

void computeLeftRight(int w, int h, StyleShapes& out)
{
    out.fills.push_back({0, 0, w / 2, h, StyleBrush::A});
    out.fills.push_back({w / 2, 0, w, h, StyleBrush::B});
}

void computeSquareOnSquare(int w, int h, std::int32_t percent, StyleShapes& out)
{
    out.fills.push_back({0, 0, w, h, StyleBrush::A});
    const double width = w;
    const double height = h;
    const std::int32_t top = roundHalfEven(percent / 100.0 * height);
    const std::int32_t left = roundHalfEven(percent / 100.0 * width);
    const std::int32_t bottom = roundHalfEven(height - top);
    const std::int32_t right = roundHalfEven(width - left);
    if (left < right && top < bottom)
        out.fills.push_back({left, top, right, bottom, StyleBrush::B});
}

void computeDivide(int w, int h, std::int32_t n, StyleShapes& out)
{
    if (n < 1)
        return;
    const std::int32_t cw = roundHalfEven(static_cast<double>(w) / n);
    const std::int32_t ch = roundHalfEven(static_cast<double>(h) / n);
    if (cw < 1 || ch < 1)
        return;
    // Cells that start beyond the client area would be cut off entirely, so the loops stop
    // there: a huge division number costs no more than the visible cells.
    const auto rows = static_cast<std::int32_t>(std::min<std::int64_t>(n, (h + ch - 1) / ch));
    const auto cols = static_cast<std::int32_t>(std::min<std::int64_t>(n, (w + cw - 1) / cw));
    out.fills.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (std::int32_t i = 1; i <= rows; ++i) {
        const int y = (i - 1) * ch;
        for (std::int32_t j = 1; j <= cols; ++j) {
            const int x = (j - 1) * cw;
            out.fills.push_back(makeRect(x, y, cw, ch, (i + j) % 2 == 0 ? StyleBrush::A : StyleBrush::B));
        }
    }
}

void computeLattice(int w, int h, std::int32_t lineWidth, std::int32_t n, StyleShapes& out)
{
    out.fills.push_back(makeRect(0, 0, w, h, StyleBrush::A));
    // The pen width is a 16-bit value; wider than that cannot be meant.
    out.lineWidth = std::clamp<std::int32_t>(lineWidth, 1, 32767);
    if (n < 1)
        return;
    // A division number above the client size gives a step of 0: no lines that way.
    const int sx = w / n;
    const int sy = h / n;
    if (sx >= 1) {
        for (int x = 0; x <= w; x += sx)
            out.verticalLines.push_back(x);
    }
    if (sy >= 1) {
        for (int y = 0; y <= h; y += sy)
            out.horizontalLines.push_back(y);
    }
}

} // namespace

void StyleShapes::clear()
{
    fills.clear();
    verticalLines.clear();
    horizontalLines.clear();
    lineWidth = 1;
}

void StyleLayout::layout(int width, int height, const StyleParams& params, StyleShapes& out)
{
    out.clear();
    width = std::max(0, width);
    height = std::max(0, height);
    switch (params.style) {
    case 0:
        computeUpDown(width, height, out);
        break;
    case 1:
        computeLeftRight(width, height, out);
        break;
    case 2:
        computeSquareOnSquare(width, height, params.outsideWidth, out);
        break;
    case 3:
        computeDivide(width, height, params.divideNum, out);
        break;
    case 4:
        computeLattice(width, height, params.latticeLineWidth, params.latticeDivideNum, out);
        break;
    default:
        break;
    }
}

StyleShapes StyleLayout::layout(int width, int height, const StyleParams& params)
{
    StyleShapes shapes;
    layout(width, height, params, shapes);
    return shapes;
}

QPoint StyleLayout::labelPosition(int index, int width, int height, int textWidth, int textHeight)
{
    const int q = height / 4;
    return {width / 2 - textWidth / 2, (index + 1) * q - textHeight / 2};
}

} // namespace tessary
