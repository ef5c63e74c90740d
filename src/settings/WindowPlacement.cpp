// SPDX-License-Identifier: MIT
#include "settings/WindowPlacement.h"

#include <algorithm>

namespace tessary {

namespace {

double clampStart(double start, double length, double areaStart, double areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

QRectF WindowPlacement::restore(const QRectF& saved, const QRectF& current, const QList<QRectF>& screens,
                                const QRectF& primaryArea)
{
    double width = saved.width() > 0 ? saved.width() : current.width();
    double height = saved.height() > 0 ? saved.height() : current.height();
    QRectF desktop;
    for (const QRectF& s : screens)
        desktop = desktop.united(s);
    if (!desktop.isEmpty()) {
        width = std::min(width, 2 * desktop.width());
        height = std::min(height, 2 * desktop.height());
    }
    const QRectF placed(saved.left(), saved.top(), width, height);
    if (screens.isEmpty() || primaryArea.isEmpty())
        return placed;
    // A window of no size still occupies its corner.
    const QRectF probe(placed.left(), placed.top(), std::max(width, 1.0), std::max(height, 1.0));
    for (const QRectF& s : screens) {
        if (probe.intersects(s))
            return placed;
    }
    return QRectF(clampStart(placed.left(), width, primaryArea.left(), primaryArea.width()),
                  clampStart(placed.top(), height, primaryArea.top(), primaryArea.height()), width, height);
}

} // namespace tessary
