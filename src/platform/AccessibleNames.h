// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace tessary {

// Gives every control under root that shows a caption (buttons, option buttons, check
// boxes, group frames, menus, and the field a label is the buddy of) the caption without its
// access-key marks as its accessible name. A name set by hand is kept; a name set here is
// brought up to date with the caption on the next call.
void nameControlsFromCaptions(QWidget* root);

} // namespace tessary
