// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>

namespace tessary {

// The screen picker's pointer: a 32 x 32 dropper whose tip, the hot spot, is its top-left pixel.
class DropperCursor {
public:
    static constexpr int kSize = 32;
    static QCursor make();
};

} // namespace tessary
