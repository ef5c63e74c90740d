// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QRect;

namespace tessary {

// Width in pixels of the focus mark's ring.
inline constexpr int kFocusMarkWidth = 2;

// Marks the part of a painted control that has the keyboard focus: a ring kFocusMarkWidth
// pixels wide just inside rect, of black and white dashes, so that it shows on any colour.
void drawFocusMark(QPainter& painter, const QRect& rect);

} // namespace tessary
