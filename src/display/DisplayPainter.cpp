// SPDX-License-Identifier: MIT
#include "display/DisplayPainter.h"

#include "platform/Surface.h"

namespace tessary::DisplayPainter {

void paintStyle(Surface& surface, const StyleParams& params, std::int32_t brushA, std::int32_t brushB,
                StyleShapes& shapes)
{
    const int w = surface.width();
    const int h = surface.height();
    StyleLayout::layout(w, h, params, shapes);
    for (const StyleFill& f : shapes.fills)
        surface.fillRect(f.left, f.top, f.right, f.bottom, f.brush == StyleBrush::A ? brushA : brushB);
    if (shapes.verticalLines.empty() && shapes.horizontalLines.empty())
        return;
    surface.setPen(brushB, shapes.lineWidth);
    for (int x : shapes.verticalLines)
        surface.drawLine(x, 0, x, h);
    for (int y : shapes.horizontalLines)
        surface.drawLine(0, y, w, y);
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
