// SPDX-License-Identifier: MIT
#include "cvd/BadgeLayout.h"

#include <algorithm>

namespace tessary {

BadgeLayout BadgeLayout::place(int clientWidth, int clientHeight, int textWidth, int textHeight)
{
    const int w = std::max(textWidth, 0) + 2 * Padding;
    const int h = std::max(textHeight, 0) + 2 * Padding;
    const int left = std::max(clientWidth - Margin - w, 0);
    const int top = std::max(clientHeight - Margin - h, 0);
    BadgeLayout b;
    b.plate = QRect(left, top, w, h);
    b.textTopLeft = QPoint(left + Padding, top + Padding);
    return b;
}

} // namespace tessary
