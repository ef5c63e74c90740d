// SPDX-License-Identifier: MIT
#pragma once

#include "display/StyleLayout.h"
#include "platform/StdFont.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

namespace tessary {

// One of the three drawn labels (sample texts) of the display window.
struct SchemeLabel {
    QString text;
    // The font as the user chose it: face name, size in points, bold, italic, ...
    StdFont font;
    // The font the label is drawn with, and the family the system actually resolved for it
    // (a Windows face name is drawn with an installed substitute).
    QFont drawnFont;
    QString drawnFamily;
    // The text's box where it was last drawn, in the display window's client pixels; empty
    // for an empty text or before the first drawing.
    QRect box;
};

// What the display window draws, as values: the read side of the scheme for views that
// must not reach into any window's controls.
struct SchemeState {
    static constexpr int ObjectCount = 5;   // 0..2 sample texts, 3 Shape1, 4 Shape2
    static constexpr int LabelCount = 3;

    // False when there is no display window: the other members then hold their defaults.
    bool displayLoaded = false;
    // Colour values of objects 0..4: red in the low byte, then green, then blue.
    std::array<std::int32_t, ObjectCount> colors{};
    // The object (0..4) the main window edits.
    int selectedObject = 0;
    std::array<SchemeLabel, LabelCount> labels;
    // Style index 0..4 and its parameters.
    StyleParams style;
    // True while the background picture is shown instead of the style.
    bool pictureShown = false;
    // The background picture as loaded (not tiled); null until one is loaded.
    QImage picture;
    // The display window's client size in pixels.
    QSize clientSize;
};

} // namespace tessary
