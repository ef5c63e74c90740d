// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRectF>

namespace tessary {

// Where a window restored from the settings goes. All rectangles are outer frames in twips,
// in the coordinates of the virtual desktop.
class WindowPlacement {
public:
    // saved: the stored frame; current: the window's frame now; screens: every screen's
    // geometry; primaryArea: the primary screen's work area.
    // A width or height that is not positive keeps the current one, and sizes are held to
    // twice the desktop's extent. A frame that lies entirely outside every screen (a monitor
    // that is gone) is moved onto the primary screen's work area, keeping its size; one
    // that shows at least partly on some screen stays where it is.
    static QRectF restore(const QRectF& saved, const QRectF& current, const QList<QRectF>& screens,
                          const QRectF& primaryArea);
};

} // namespace tessary
