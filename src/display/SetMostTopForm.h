// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class QWidget;

namespace tessary {

// Keeps a window in front of all others (Palam true) or makes it ordinary again.
// A hidden window passed in is shown. Returns non-zero on success.
class SetMostTopForm {
public:
    // Position, size and window state stay as they were; 0 for no window or a child widget.
    std::int32_t SetFormTop(QWidget* frmObject, bool Palam);
};

} // namespace tessary
