// SPDX-License-Identifier: MIT
#include "display/DisplayPainter.h"

#include "display/TilePlan.h"
#include "platform/Surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace tessary::DisplayPainter {

void paintStyle(QPainter& painter, const StyleShapes& shapes, QSize area, std::int32_t brushA, std::int32_t brushB)
{
    const QColor a = Surface::toQColor(brushA);
    const QColor b = Surface::toQColor(brushB);
    for (const StyleFill& f : shapes.fills)
        painter.fillRect(QRect(f.left, f.top, f.right - f.left, f.bottom - f.top), f.brush == StyleBrush::A ? a : b);
    // A pen of width w is centred on its line: w / 2 pixels before it, the rest after.
    const int w = shapes.lineWidth;
    const int before = w / 2;
    for (int x : shapes.verticalLines)
        painter.fillRect(QRect(x - before, 0, w, area.height()), b);
    for (int y : shapes.horizontalLines)
        painter.fillRect(QRect(0, y - before, area.width(), w), b);
}

void paintTiles(QPainter& painter, QSize area, const QImage& block)
{
    const TilePlan plan(block.width(), block.height(), area.width(), area.height());
    for (int i = 0; i < plan.count(); ++i)
        painter.drawImage(plan.at(i), block);
}

QFont textFont(const QFont& font)
{
#ifdef Q_OS_WIN
    return font;
#else
    QFont grey = font;
    grey.setStyleStrategy(QFont::StyleStrategy(grey.styleStrategy() | QFont::NoSubpixelAntialias));
    return grey;
#endif
}

void paintText(QPainter& painter, const QString& text, const QFont& font, QPoint baseline, std::int32_t color)
{
    painter.setFont(textFont(font));
    painter.setPen(Surface::toQColor(color));
    painter.drawText(baseline, text);
}

QRect labelBox(int label, QSize client, QSize text)
{
    const QPoint at = StyleLayout::labelPosition(label, client.width(), client.height(), text.width(), text.height());
    return QRect(at, text);
}

Qt::Edges edgesAt(QPoint pos, QSize client)
{
    Qt::Edges edges;
    if (pos.x() < kResizeMargin)
        edges |= Qt::LeftEdge;
    else if (pos.x() >= client.width() - kResizeMargin)
        edges |= Qt::RightEdge;
    if (pos.y() < kResizeMargin)
        edges |= Qt::TopEdge;
    else if (pos.y() >= client.height() - kResizeMargin)
        edges |= Qt::BottomEdge;
    return edges;
}

} // namespace tessary::DisplayPainter
