// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <array>

namespace tessary {

// A scheme's thumbnail: five bands side by side, the two backgrounds first and widest (as the
// eye meets them), then the three texts. The painter fills these rectangles; the hit test
// answers which object a point is over.
class ThumbnailLayout {
public:
    static constexpr int kObjects = 5;
    // The rectangle of each object (0..2 texts, 3..4 backgrounds) inside size; together they
    // cover it without gaps or overlaps.
    static std::array<QRect, kObjects> bands(const QSize& size);
    // The object at point, or -1 outside.
    static int objectAt(const QSize& size, const QPoint& point);
};

} // namespace tessary
