// SPDX-License-Identifier: MIT
#pragma once

#include "display/StyleLayout.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>
#include <cstdint>

class QFont;
class QImage;
class QPainter;
class QString;

namespace tessary {

// The display window's drawing as functions of values, beside the hit tests that find
// what lies under the pointer. Each paints whatever painter it is given: the window's own
// (Qt's backing store) or an image's.
namespace DisplayPainter {

// The style's shapes as laid out for a client area of `area`, in the two colours as drawn
// (A for Shape1, B for Shape2); lattice lines in colour B, as pen strokes whose last pixel
// is not drawn.
void paintStyle(QPainter& painter, const StyleShapes& shapes, QSize area, std::int32_t brushA, std::int32_t brushB);

// The picture repeated from the top-left corner over `area`.
void paintTiles(QPainter& painter, QSize area, const QImage& block);

// The font a sample text is drawn in: `font` as it is, or on the window, where the desktop may
// ask for coloured sub-pixel edges, with greyscale smoothing as on an image. Measuring with it
// too lets the drawing reuse the measured font instead of loading a second one.
QFont textFont(const QFont& font);

// A sample text with its baseline starting at `baseline`, transparent around its glyphs.
void paintText(QPainter& painter, const QString& text, const QFont& font, QPoint baseline, std::int32_t color);

// Where a sample text of the given size stands in the client area: label 0..2 at the
// first, second and third quarter of its height, centred.
QRect labelBox(int label, QSize client, QSize text);

// How close to an edge, in pixels, a press resizes instead of moving the window.
constexpr int kResizeMargin = 4;
// The edges a press at `pos` would move in a client area of this size (none inside).
Qt::Edges edgesAt(QPoint pos, QSize client);

} // namespace DisplayPainter

} // namespace tessary
