// SPDX-License-Identifier: MIT
#include "pickers/DropperCursor.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tessary {

QCursor DropperCursor::make()
{
    QImage img(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.rotate(45.0);   // draw along the diagonal: x runs from the tip towards the bulb

        QPainterPath body;
        body.addRect(QRectF(5.0, -2.5, 15.0, 5.0));                // glass tube
        body.addRect(QRectF(20.0, -5.0, 3.0, 10.0));               // collar
        body.addRoundedRect(QRectF(23.0, -4.0, 14.0, 8.0), 4, 4);  // rubber bulb

        // A white halo keeps the dropper visible on dark and light screens alike.
        p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
        p.drawLine(QPointF(0.5, 0.0), QPointF(6.0, 0.0));

        p.setPen(QPen(Qt::black, 1.0));
        p.setBrush(QColor(230, 240, 250));
        p.drawRect(QRectF(5.0, -2.5, 15.0, 5.0));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(20.0, -5.0, 3.0, 10.0));
        p.setBrush(QColor(30, 30, 30));
        p.drawRoundedRect(QRectF(23.0, -4.0, 14.0, 8.0), 4, 4);
        p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0.0, 0.0), QPointF(6.0, 0.0));
    }
    // The tip itself must be solid, so the user sees exactly which pixel is taken.
    img.setPixel(0, 0, qRgba(0, 0, 0, 255));
    img.setPixel(1, 1, qRgba(0, 0, 0, 255));
    return QCursor(QPixmap::fromImage(img), 0, 0);
}

} // namespace tessary
