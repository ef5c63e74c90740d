// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QLabel;

namespace tessary {

// What the palette's two property dialogs share in their appearance.
class PropertyDialogLook {
public:
    // The dialogs' face: the Windows Gothic at 9 points, mapped to an installed face.
    static QFont font();
    // Captions sized for the Windows face are cut in wider faces: let them run on.
    static void fitWidth(QLabel* label);
};

} // namespace tessary
