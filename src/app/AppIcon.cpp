// SPDX-License-Identifier: MIT
#include "app/AppIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <array>

namespace tessary::AppIcon {

namespace {

// The rounded rectangles of the drawing on its 128-unit grid, back to front.
struct Shape {
    QRectF rect;
    qreal radius;
    QRgb color;
};

constexpr qreal kGrid = 128;

const std::array<Shape, 6> kShapes{{
    {{8, 8, 112, 112}, 14, 0xff27324a},
    {{16, 16, 96, 48}, 6, 0xfff2c14e},
    {{16, 64, 96, 48}, 6, 0xff3c8dbc},
    {{28, 26, 72, 10}, 3, 0xff8e2c48},
    {{36, 58, 56, 12}, 3, 0xffffffff},
    {{28, 92, 72, 10}, 3, 0xff15223b},
}};

} // namespace

void paint(QPainter& painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(size / kGrid, size / kGrid);
    for (const Shape& s : kShapes) {
        painter.setBrush(QColor::fromRgba(s.color));
        painter.drawRoundedRect(s.rect, s.radius, s.radius);
    }
    painter.restore();
}

QIcon icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(painter, size);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

} // namespace tessary::AppIcon
