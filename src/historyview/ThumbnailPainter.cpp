// SPDX-License-Identifier: MIT
#include "historyview/ThumbnailPainter.h"

#include "historyview/ThumbnailLayout.h"

#include <QPainter>

namespace tessary {

QImage ThumbnailPainter::paint(const QSize& size, const std::array<std::int32_t, 5>& colors)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter p(&image);
    const auto bands = ThumbnailLayout::bands(size);
    for (int i = 0; i < ThumbnailLayout::kObjects; ++i) {
        const std::int32_t c = colors[std::size_t(i)];
        p.fillRect(bands[std::size_t(i)], QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    }
    p.setPen(QColor(128, 128, 128));
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    return image;
}

} // namespace tessary
