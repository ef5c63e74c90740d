// SPDX-License-Identifier: MIT
#include "platform/FocusMark.h"

#include <QPainter>
#include <QPen>
#include <QRect>

namespace tessary {

namespace {

constexpr int kDash = 3;   // pixels of each colour along the ring

} // namespace

void drawFocusMark(QPainter& painter, const QRect& rect)
{
    if (rect.width() < 2 * kFocusMarkWidth || rect.height() < 2 * kFocusMarkWidth)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < kFocusMarkWidth; ++ring) {
        const QRect r = rect.adjusted(ring, ring, -ring - 1, -ring - 1);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(r);
        QPen dashes(Qt::black, 1, Qt::CustomDashLine);
        dashes.setDashPattern({qreal(kDash), qreal(kDash)});
        painter.setPen(dashes);
        painter.drawRect(r);
    }
    painter.restore();
}

} // namespace tessary
