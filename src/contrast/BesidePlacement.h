// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessary {

// Where a window opens beside another without covering it: to its right, else to its left,
// below, above, each only when the whole window fits in the screen area; else on the side
// with the most room, kept inside the area. Outer frames in pixels.
struct BesidePlacement {
    static QPoint place(const QRect& anchor, const QSize& window, const QRect& area);
};

} // namespace tessary
