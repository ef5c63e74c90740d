// SPDX-License-Identifier: MIT
#pragma once

#include "pickers/LoupeLayout.h"

#include <QPointF>
#include <QRect>
#include <QSize>

namespace tessary {

// Where the screen picker's cross-hair and loupe go: laid out in the device pixels of the
// screen copy the cross-hair is on, placed in the window's logical pixels. The loupe's sizes
// are logical, so that it looks the same on every screen.
class PickerOverlay {
public:
    static constexpr double kCellSize = 10.0;
    static constexpr double kCodeHeight = 16.0;
    static constexpr double kGap = 12.0;
    static constexpr int kCrossReach = 9;   // the cross-hair is 2 * kCrossReach + 1 device pixels square

    // paneOrigin: the copy's visible top-left corner in the window; dpr > 0; cross: the
    // cross-hair's device pixel from that corner; visible: device pixels of the copy shown.
    PickerOverlay(QPointF paneOrigin, double dpr, QPoint cross, QSize visible);

    double dpr() const { return m_dpr; }
    const LoupeLayout& loupe() const { return m_loupe; }
    QPointF crossHairAt() const;   // top-left corner of the cross-hair, logical
    QPointF loupeAt() const;       // top-left corner of the loupe, logical
    QRect area() const;            // all the overlay touches, logical, with a pixel to spare

private:
    QPointF m_origin;
    double m_dpr;
    QPoint m_cross;
    LoupeLayout m_loupe;
};

} // namespace tessary
