// SPDX-License-Identifier: MIT
#pragma once

#include "display/StyleLayout.h"
#include "platform/StdFont.h"

#include <QString>
#include <array>
#include <cstdint>

namespace tessary {

// One of the three sample texts drawn over the scheme.
struct SchemeLabel {
    QString text;
    // The font as the user chose it: face name, size in points, bold, italic, ...
    StdFont font;

    bool operator==(const SchemeLabel&) const = default;
};

// The scheme as a value: what the user composes and the settings store.
struct SchemeState {
    static constexpr int ObjectCount = 5;   // 0..2 sample texts, 3 Shape1, 4 Shape2
    static constexpr int LabelCount = 3;

    // Colour values of objects 0..4: red in the low byte, then green, then blue.
    std::array<std::int32_t, ObjectCount> colors{};
    // The object (0..4) the main window edits.
    int selectedObject = 0;
    std::array<SchemeLabel, LabelCount> labels;
    // Style index 0..4 and its parameters.
    StyleParams style;
    // True while the background picture is shown instead of the style.
    bool pictureShown = false;
    // The file the picture was last loaded from; empty until one is loaded.
    QString pictureFile;

    bool operator==(const SchemeState&) const = default;
};

} // namespace tessary
