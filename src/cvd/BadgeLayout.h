// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

namespace tessary {

// Where the display window names the colour vision it imitates: a small plate in the
// bottom-right corner, inside the band where a press resizes the window, so that it covers
// as little of the scheme as it can.
struct BadgeLayout {
    // Between the plate and the client area's right and bottom edges, in pixels.
    static constexpr int Margin = 6;
    // Between the text and the plate's edges, in pixels.
    static constexpr int Padding = 3;

    QRect plate;
    QPoint textTopLeft;

    // For a client area and a text of the given sizes (pixels, negative counts as 0). A
    // client area too small for the plate gets it from its top-left corner, cut at the
    // other edges.
    static BadgeLayout place(int clientWidth, int clientHeight, int textWidth, int textHeight);
};

} // namespace tessary
