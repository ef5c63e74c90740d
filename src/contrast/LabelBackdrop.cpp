// SPDX-License-Identifier: MIT
#include "contrast/LabelBackdrop.h"

namespace tessary {

std::vector<std::uint32_t> LabelBackdrop::pixelsUnder(const QImage& picture, const QRect& box, const QSize& client)
{
    const QRect area = box.intersected(QRect(QPoint(0, 0), client));
    if (picture.isNull() || area.isEmpty())
        return {};
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    std::vector<std::uint32_t> out;
    out.reserve(std::size_t(area.width()) * std::size_t(area.height()));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y % h));
        for (int x = area.left(); x <= area.right(); ++x)
            out.push_back(row[x % w]);
    }
    return out;
}

} // namespace tessary
