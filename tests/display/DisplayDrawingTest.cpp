// SPDX-License-Identifier: MIT
#include "display/DisplayDrawing.h"
#include "display/DisplayPainter.h"
#include "platform/Surface.h"
#include "support/GuiTest.h"

#include <QPainter>
#include <QRegion>
#include <random>

using namespace tessary;

namespace {

constexpr std::int32_t kBack = 0xC0C0C0;

class DisplayDrawingTest : public test::GuiTest {};

// The canvas the drawing stands for: every drawing made on one image in turn, which keeps
// whatever nothing drew over.
struct Canvas {
    QImage image{1, 1, QImage::Format_RGB32};
    Canvas() { image.fill(Surface::toQColor(kBack)); }
    void resize(QSize size)
    {
        QImage next(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        next.fill(Surface::toQColor(kBack));
        QPainter(&next).drawImage(0, 0, image);
        image = next;
    }
};

QImage painted(const DisplayDrawing& drawing)
{
    QImage out(drawing.size(), QImage::Format_RGB32);
    out.fill(Qt::magenta);
    QPainter p(&out);
    drawing.paint(p, QRegion(out.rect()));
    return out;
}

QImage picture(int w, int h, bool transparent, unsigned seed)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, transparent && (x + y + seed) % 3 == 0 ? 0u : qRgb(x * 40, y * 40, int(seed * 50) & 0xFF));
    return transparent ? img : img.convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Random runs of drawings, resizes and writes into the image: the kept list must paint what
// one image drawn on in turn shows, and stay short.
TEST_F(DisplayDrawingTest, PaintsWhatACanvasDrawnInTurnShows)
{
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(11);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        DisplayDrawing drawing;
        drawing.setBackColor(kBack);
        Canvas canvas;
        drawing.resize(QSize(60, 40));
        canvas.resize(QSize(60, 40));
        for (int step = 0; step < 30; ++step) {
            const QSize size = drawing.size();
            QPainter p(&canvas.image);
            switch (pick(0, 6)) {
            case 0: {
                p.end();
                const QSize next(pick(1, 80), pick(1, 60));
                drawing.resize(next);
                canvas.resize(next);
                break;
            }
            case 1:
            case 2: {
                StyleParams params{pick(0, 5), pick(0, 60), pick(1, 9), pick(1, 4), pick(1, 9)};
                const std::int32_t a = pick(0, 0xFFFFFF);
                const std::int32_t b = pick(0, 0xFFFFFF);
                drawing.addStyle(params, a, b);
                DisplayPainter::paintStyle(p, StyleLayout::layout(size.width(), size.height(), params), size, a, b);
                break;
            }
            case 3: {
                const QImage block = picture(pick(1, 9), pick(1, 9), pick(0, 1) == 1, seed);
                drawing.addTiles(block);
                if (block.hasAlphaChannel())
                    p.fillRect(canvas.image.rect(), Surface::toQColor(kBack));
                DisplayPainter::paintTiles(p, size, block);
                break;
            }
            case 4: {
                const QPoint at(pick(-10, size.width()), pick(0, size.height() + 10));
                const std::int32_t colour = pick(0, 0xFFFFFF);
                drawing.addTexts({{QStringLiteral("Wg標"), font, at, colour, QRect(at - QPoint(0, 9), QSize(30, 13))}});
                DisplayPainter::paintText(p, QStringLiteral("Wg標"), font, at, colour);
                break;
            }
            case 5: {
                p.end();
                const QRect r(pick(0, size.width()), pick(0, size.height()), pick(1, 20), pick(1, 20));
                drawing.image().fillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1, 0x123456);
                QPainter(&canvas.image).fillRect(r, Surface::toQColor(0x123456));
                break;
            }
            default:
                drawing.clear();
                p.fillRect(canvas.image.rect(), Surface::toQColor(kBack));
                break;
            }
            p.end();
            ASSERT_TRUE(test::imagesEqual(canvas.image, painted(drawing), QStringLiteral("drawing-layers")))
                << "seed " << seed << " step " << step;
            ASSERT_LE(drawing.layerCount(), 9) << "seed " << seed << " step " << step;
        }
        EXPECT_TRUE(test::imagesEqual(canvas.image, drawing.image().image(), QStringLiteral("drawing-image")))
            << "seed " << seed;
    }
}
