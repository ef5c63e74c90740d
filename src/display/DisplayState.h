// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace tessary {

// How the display window drew one sample text.
struct DrawnLabel {
    // The font the label is drawn with, and the family the system actually resolved for it
    // (a Windows face name is drawn with an installed substitute).
    QFont font;
    QString family;
    // The text's box where it was last drawn, in the display window's client pixels; empty
    // for an empty text or before the first drawing.
    QRect box;
};

// What the display window shows beyond the scheme's values, for views that measure what is
// on screen (contrast over the picture, where a screen reader points).
struct DisplayState {
    // False when there is no display window: the other members then hold their defaults.
    bool loaded = false;
    std::array<DrawnLabel, 3> labels;
    // The background picture as loaded (not tiled); null until one is loaded.
    QImage picture;
    // The display window's client size in pixels.
    QSize clientSize;
};

} // namespace tessary
