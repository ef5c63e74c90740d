// SPDX-License-Identifier: MIT
#include "pickers/DevicePixelMap.h"

#include "platform/Numeric.h"

#include <algorithm>
#include <cmath>

namespace tessary {

namespace {

QPoint clampedInto(QPoint p, QSize size)
{
    return {std::clamp(p.x(), 0, std::max(0, size.width() - 1)), std::clamp(p.y(), 0, std::max(0, size.height() - 1))};
}

// The scroll offset along one axis that keeps the pixel at visible..visible+extent-1.
int scrollFor(int pixel, int scroll, int extent, int copyExtent)
{
    if (pixel < scroll)
        scroll = pixel;
    else if (pixel >= scroll + extent)
        scroll = pixel - extent + 1;
    return std::clamp(scroll, 0, std::max(0, copyExtent - extent));
}

} // namespace

DevicePixelMap::DevicePixelMap(QList<Pane> panes)
    : m_panes(std::move(panes))
{
}

void DevicePixelMap::setPane(int index, const Pane& pane)
{
    if (index >= 0 && index < m_panes.size())
        m_panes[index] = pane;
}

DevicePixelMap::Pixel DevicePixelMap::pixelAt(QPointF p) const
{
    for (int i = 0; i < m_panes.size(); ++i) {
        const Pane& pane = m_panes[i];
        if (pane.native.isEmpty())
            continue;
        // Half-open logical rectangle: a position on the right or bottom edge belongs to the
        // screen beyond it.
        const QRectF area(pane.logical);
        if (p.x() < area.left() || p.y() < area.top() || p.x() >= area.right() || p.y() >= area.bottom())
            continue;
        const QPoint device(roundHalfEven((p.x() - area.left()) * pane.dpr),
                            roundHalfEven((p.y() - area.top()) * pane.dpr));
        return {i, clampedInto(pane.scroll + device, pane.native)};
    }
    return {};
}

DevicePixelMap::Pixel DevicePixelMap::stepped(const Pixel& px, int dx, int dy) const
{
    if (!px.isValid() || px.pane >= m_panes.size())
        return px;
    return {px.pane, clampedInto(px.at + QPoint(dx, dy), m_panes[px.pane].native)};
}

QPoint DevicePixelMap::visiblePosition(const Pixel& px) const
{
    if (!px.isValid() || px.pane >= m_panes.size())
        return {};
    return px.at - m_panes[px.pane].scroll;
}

QSize DevicePixelMap::visibleSize(int pane) const
{
    if (pane < 0 || pane >= m_panes.size())
        return {};
    const Pane& p = m_panes[pane];
    return {static_cast<int>(std::ceil(p.logical.width() * p.dpr - 1e-9)),
            static_cast<int>(std::ceil(p.logical.height() * p.dpr - 1e-9))};
}

bool DevicePixelMap::scrollToShow(const Pixel& px)
{
    if (!px.isValid() || px.pane >= m_panes.size())
        return false;
    Pane& pane = m_panes[px.pane];
    const QSize visible = visibleSize(px.pane);
    const QPoint scroll(scrollFor(px.at.x(), pane.scroll.x(), visible.width(), pane.native.width()),
                        scrollFor(px.at.y(), pane.scroll.y(), visible.height(), pane.native.height()));
    if (scroll == pane.scroll)
        return false;
    pane.scroll = scroll;
    return true;
}

} // namespace tessary
