// SPDX-License-Identifier: MIT
#include "pickers/PickerOverlay.h"

#include "platform/Numeric.h"

#include <algorithm>

namespace tessary {

namespace {
int deviceSize(double logical, double dpr)
{
    return std::max(1, roundHalfEven(logical * dpr));
}
} // namespace

PickerOverlay::PickerOverlay(QPointF paneOrigin, double dpr, QPoint cross, QSize visible)
    : m_origin(paneOrigin)
    , m_dpr(dpr)
    , m_cross(cross)
    , m_loupe(cross, QRect(QPoint(0, 0), visible), deviceSize(kCellSize, dpr), deviceSize(kCodeHeight, dpr),
              deviceSize(kGap, dpr))
{
}

QPointF PickerOverlay::crossHairAt() const
{
    return m_origin + QPointF(m_cross - QPoint(kCrossReach, kCrossReach)) / m_dpr;
}

QPointF PickerOverlay::loupeAt() const
{
    return m_origin + QPointF(m_loupe.frame().topLeft()) / m_dpr;
}

QRect PickerOverlay::area() const
{
    const double crossSide = (2 * kCrossReach + 1) / m_dpr;
    const QRectF cross(crossHairAt(), QSizeF(crossSide, crossSide));
    const QRectF loupe(loupeAt(), QSizeF(m_loupe.frame().size()) / m_dpr);
    return cross.united(loupe).toAlignedRect().adjusted(-1, -1, 1, 1);
}

} // namespace tessary
