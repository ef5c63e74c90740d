// SPDX-License-Identifier: MIT
#include "pickers/LoupePainter.h"

#include "pickers/LoupeLayout.h"
#include "pickers/PickerOverlay.h"

#include <QPainter>

namespace tessary {

namespace {
const QColor kLoupeBackground(48, 48, 48);
} // namespace

QImage LoupePainter::crossHair(double dpr)
{
    const int side = 2 * PickerOverlay::kCrossReach + 1;
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        const int c = PickerOverlay::kCrossReach;
        const int armLength = c - kCrossGap;   // from just outside the gap to the image's edge
        for (int sign : {-1, 1}) {
            const int inner = c + sign * (kCrossGap + 1);
            const int from = std::min(inner, inner + sign * (armLength - 1));
            p.fillRect(from, c - 1, armLength, 3, Qt::white);
            p.fillRect(c - 1, from, 3, armLength, Qt::white);
        }
        for (int sign : {-1, 1}) {
            const int inner = c + sign * (kCrossGap + 1);
            const int from = std::min(inner, inner + sign * (armLength - 1));
            p.fillRect(from, c, armLength, 1, Qt::black);
            p.fillRect(c, from, 1, armLength, Qt::black);
        }
    }
    img.setDevicePixelRatio(dpr);
    return img;
}

QImage LoupePainter::loupe(const QImage& copy, QPoint copyPixel, const LoupeLayout& layout, const QString& code,
                           double dpr)
{
    const QRect frame = layout.frame();
    QImage img(frame.size(), QImage::Format_RGB32);
    img.fill(kLoupeBackground);
    {
        QPainter p(&img);
        p.translate(-frame.topLeft());
        const QRect source = LoupeLayout::source(copyPixel);
        for (int row = 0; row < LoupeLayout::kCells; ++row) {
            for (int column = 0; column < LoupeLayout::kCells; ++column) {
                const QPoint at = source.topLeft() + QPoint(column, row);
                const QColor c = copy.rect().contains(at) ? QColor(copy.pixel(at)) : QColor(Qt::black);
                p.fillRect(layout.cell(column, row), c);
            }
        }
        const QRect centre = layout.centreCell();
        const auto ring = [&p](const QRect& inner, const QColor& colour) {
            const QRect outer = inner.adjusted(-1, -1, 1, 1);
            p.fillRect(QRect(outer.left(), outer.top(), outer.width(), 1), colour);
            p.fillRect(QRect(outer.left(), outer.bottom(), outer.width(), 1), colour);
            p.fillRect(QRect(outer.left(), outer.top(), 1, outer.height()), colour);
            p.fillRect(QRect(outer.right(), outer.top(), 1, outer.height()), colour);
        };
        ring(centre, Qt::black);
        ring(centre.adjusted(-1, -1, 1, 1), Qt::white);

        const QRect strip = layout.codeStrip();
        if (!strip.isEmpty()) {
            QFont font = p.font();
            font.setPixelSize(std::max(1, strip.height() * 3 / 4));
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(strip, Qt::AlignCenter, code);
        }
    }
    img.setDevicePixelRatio(dpr);
    return img;
}

} // namespace tessary
