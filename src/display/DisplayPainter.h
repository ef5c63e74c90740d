// SPDX-License-Identifier: MIT
#pragma once

#include "display/StyleLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>
#include <cstdint>

namespace tessary {

class Surface;

// The display window's drawing as functions of values, beside the hit tests that find
// what lies under the pointer.
namespace DisplayPainter {

// Fills the whole surface with the style in the two colours as drawn (A for Shape1, B for
// Shape2); lattice lines in colour B. `shapes` is scratch space kept between calls.
void paintStyle(Surface& surface, const StyleParams& params, std::int32_t brushA, std::int32_t brushB,
                StyleShapes& shapes);

// Where a sample text of the given size stands in the client area: label 0..2 at the
// first, second and third quarter of its height, centred.
QRect labelBox(int label, QSize client, QSize text);

// How close to an edge, in pixels, a press resizes instead of moving the window.
constexpr int kResizeMargin = 4;
// The edges a press at `pos` would move in a client area of this size (none inside).
Qt::Edges edgesAt(QPoint pos, QSize client);

} // namespace DisplayPainter

} // namespace tessary
