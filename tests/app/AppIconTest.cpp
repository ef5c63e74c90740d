// SPDX-License-Identifier: MIT
#include "app/AppIcon.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace tessary;

namespace {

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))
        + std::abs(qAlpha(a) - qAlpha(b));
}

QImage painted(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    AppIcon::paint(p, size);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Whether the pixel and its eight neighbours are alike: away from every edge, where how a
// renderer smooths (or outlines) the shapes does not reach.
bool inside(const QImage& image, int x, int y)
{
    if (x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1)
        return false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (difference(image.pixel(x + dx, y + dy), image.pixel(x, y)) > 8)
                return false;
    return true;
}

} // namespace

// The painted icon is the installed drawing: every pixel away from the edges has the colour of
// the installed picture of that size, and a good part of each picture lies away from them.
TEST(AppIcon, PaintsTheInstalledIcon)
{
    for (int size : {64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage installed =
            QImage(QStringLiteral(TESSARY_ICON_DIR "/tessary-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(installed.size(), QSize(size, size));
        const QImage mine = painted(size);
        int compared = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (!inside(mine, x, y) || !inside(installed, x, y))
                    continue;
                ++compared;
                ASSERT_LE(difference(installed.pixel(x, y), mine.pixel(x, y)), 8) << x << "," << y;
            }
        }
        EXPECT_GT(compared, size * size / 4);
    }
}
