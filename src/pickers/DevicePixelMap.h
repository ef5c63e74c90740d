// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace tessary {

// Where each frozen screen copy lies in the picker's view and which device pixel of which
// copy a pointer position stands for. Each screen is mapped on its own, with its own
// device-pixel ratio, because screens of different ratios do not form one image.
class DevicePixelMap {
public:
    struct Pane {
        QRect logical;      // where the copy is shown, logical pixels of the view
        QSize native;       // size of the copy, device pixels
        double dpr = 1.0;   // device pixels per logical pixel, > 0
        QPoint scroll;      // device pixel of the copy shown at the rectangle's top-left corner
    };
    struct Pixel {
        int pane = -1;      // -1: on no pane
        QPoint at;          // device pixel of that pane's copy
        bool isValid() const { return pane >= 0; }
        friend bool operator==(const Pixel&, const Pixel&) = default;
    };

    DevicePixelMap() = default;
    explicit DevicePixelMap(QList<Pane> panes);

    const QList<Pane>& panes() const { return m_panes; }
    void setPane(int index, const Pane& pane);

    // The device pixel a pointer at p stands for: in the first pane whose rectangle holds p,
    // scroll + (p - top-left) x dpr rounded half to even, kept inside the copy. Pointer
    // positions often come in whole logical pixels, so at a fractional ratio some device
    // pixels are never hit this way; stepped() reaches them.
    Pixel pixelAt(QPointF p) const;

    // The pixel dx, dy device pixels away, kept inside the same copy.
    Pixel stepped(const Pixel& px, int dx, int dy) const;

    // The pixel's position in its pane's visible part, device pixels from the pane's
    // top-left corner; may lie outside the visible part when scrolled away.
    QPoint visiblePosition(const Pixel& px) const;

    // Device pixels the pane's rectangle covers: its logical size x dpr, rounded up.
    QSize visibleSize(int pane) const;

    // Scrolls the pixel's pane as little as possible so that the pixel is visible, as far
    // as the copy reaches. True when the scroll position changed.
    bool scrollToShow(const Pixel& px);

private:
    QList<Pane> m_panes;
};

} // namespace tessary
