// SPDX-License-Identifier: MIT
#include "historyview/ThumbnailLayout.h"

namespace tessary {

std::array<QRect, ThumbnailLayout::kObjects> ThumbnailLayout::bands(const QSize& size)
{
    // Shares of the width in drawing order: background 1, background 2, text 1..3.
    static constexpr std::array<int, kObjects> kOrder = {3, 4, 0, 1, 2};
    static constexpr std::array<int, kObjects> kShare = {3, 3, 2, 2, 2};
    static constexpr int kTotal = 12;
    std::array<QRect, kObjects> out{};
    const int w = std::max(0, size.width());
    const int h = std::max(0, size.height());
    int x = 0;
    int sum = 0;
    for (int i = 0; i < kObjects; ++i) {
        sum += kShare[std::size_t(i)];
        // Rounded edges from the running sum, so the bands always fill the width exactly.
        const int right = (w * sum + kTotal / 2) / kTotal;
        out[std::size_t(kOrder[std::size_t(i)])] = QRect(x, 0, right - x, h);
        x = right;
    }
    return out;
}

int ThumbnailLayout::objectAt(const QSize& size, const QPoint& point)
{
    const auto b = bands(size);
    for (int i = 0; i < kObjects; ++i) {
        if (b[std::size_t(i)].contains(point))
            return i;
    }
    return -1;
}

} // namespace tessary
