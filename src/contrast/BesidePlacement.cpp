// SPDX-License-Identifier: MIT
#include "contrast/BesidePlacement.h"

#include <algorithm>

namespace tessary {

QPoint BesidePlacement::place(const QRect& anchor, const QSize& window, const QRect& area)
{
    const auto clampX = [&](int x) { return std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - window.width())); };
    const auto clampY = [&](int y) { return std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - window.height())); };
    struct Side {
        QPoint at;
        int room;
    };
    const Side sides[] = {
        {{anchor.right() + 1, clampY(anchor.top())}, area.right() - anchor.right()},
        {{anchor.left() - window.width(), clampY(anchor.top())}, anchor.left() - area.left()},
        {{clampX(anchor.left()), anchor.bottom() + 1}, area.bottom() - anchor.bottom()},
        {{clampX(anchor.left()), anchor.top() - window.height()}, anchor.top() - area.top()},
    };
    for (const Side& s : sides) {
        if (area.contains(QRect(s.at, window)))
            return s.at;
    }
    const Side& best = *std::max_element(std::begin(sides), std::end(sides),
                                         [](const Side& a, const Side& b) { return a.room < b.room; });
    return {clampX(best.at.x()), clampY(best.at.y())};
}

} // namespace tessary
