// SPDX-License-Identifier: MIT
// A repaint of the display window at every slider step, into the window's backing store,
// against a bare QPainter doing the same fills and text into an image of the same size and
// format.
#include "display/CLabel.h"
#include "display/StyleLayout.h"
#include "display/frmTessary.h"
#include "platform/FontMapper.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tessary;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
const char* const kTexts[3] = {"標本文字列 Sample text 1", "標本文字列 Sample text 2", "標本文字列 Sample text 3"};

StyleParams paramsFor(int style)
{
    StyleParams p;
    p.style = style;
    p.outsideWidth = 25;
    p.divideNum = 50;
    p.latticeLineWidth = 2;
    p.latticeDivideNum = 50;
    return p;
}

frmTessary& prepareWindow(int style)
{
    frmTessary& t = frmTessary::instance();
    t.showModeless();
    t.resize(kWidth, kHeight);
    QCoreApplication::processEvents();
    const std::int32_t colours[5] = {0x000000, 0x0000FF, 0x00FF00, 0xE0F0FF, 0x402010};
    for (std::int16_t i = 0; i < 5; ++i) {
        t.setSelectObject(i);
        t.setColor(colours[i]);
    }
    for (std::int16_t i = 0; i < 3; ++i)
        t.setLabelText(i, QString::fromUtf8(kTexts[i]));
    const StyleParams p = paramsFor(style);
    t.setStyleSquareOnSquare(p.outsideWidth);
    t.setStyleDivide(p.divideNum);
    t.setStyleLattice(p.latticeLineWidth, p.latticeDivideNum);
    t.setStyle(static_cast<std::int16_t>(style));
    return t;
}

void BM_TessaryRefresh(benchmark::State& state)
{
    frmTessary& t = prepareWindow(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        t.tessaryRefresh();
        t.repaint();
    }
    QCoreApplication::processEvents();
}

// The same repaint with the colours seen through a colour vision; range(1) is the kind's
// number (0 none, the baseline of the same run).
void BM_TessaryRefreshVision(benchmark::State& state)
{
    frmTessary& t = prepareWindow(static_cast<int>(state.range(0)));
    t.setVisionMode(VisionMode(static_cast<VisionKind>(state.range(1)), 60));
    for (auto _ : state) {
        t.tessaryRefresh();
        t.repaint();
    }
    t.setVisionMode(VisionMode());
    QCoreApplication::processEvents();
}

// A repaint over a 256 x 256 photo-like picture; the simulated copy is made before the
// timing starts, as it is once per picture and mode in the program.
void BM_PictureRefreshVision(benchmark::State& state)
{
    frmTessary& t = prepareWindow(0);
    QTemporaryDir dir;
    QImage picture(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
    const QString path = dir.filePath(QStringLiteral("p.png"));
    picture.save(path);
    t.setVisionMode(VisionMode(static_cast<VisionKind>(state.range(0)), 60));
    t.loadBackgroundImage(path);
    for (auto _ : state) {
        t.tessaryRefresh();
        t.repaint();
    }
    t.setBGIVisible(false);
    t.setVisionMode(VisionMode());
    QCoreApplication::processEvents();
}

void BM_BareQPainter(benchmark::State& state)
{
    frmTessary& t = prepareWindow(static_cast<int>(state.range(0)));
    const StyleShapes shapes = StyleLayout::layout(kWidth, kHeight, paramsFor(static_cast<int>(state.range(0))));
    const QColor a(0xFF, 0xF0, 0xE0);
    const QColor b(0x10, 0x20, 0x40);
    QFont fonts[3];
    QPoint at[3];
    QString texts[3];
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int i = 0; i < 3; ++i) {
        CLabel& l = *t.label(i);
        fonts[i] = FontMapper::toQFont(*l.getFont());
        texts[i] = l.text();
        const QPoint topLeft = StyleLayout::labelPosition(i, kWidth, kHeight, l.getWidth(), l.getHeight());
        at[i] = topLeft + QPoint(0, QFontMetrics(fonts[i], &image).ascent());
    }
    const QColor textColours[3] = {Qt::black, Qt::red, Qt::green};
    for (auto _ : state) {
        QPainter p(&image);
        for (const StyleFill& f : shapes.fills)
            p.fillRect(QRect(f.left, f.top, f.right - f.left, f.bottom - f.top), f.brush == StyleBrush::A ? a : b);
        for (int x : shapes.verticalLines)
            p.fillRect(QRect(x - shapes.lineWidth / 2, 0, shapes.lineWidth, kHeight), b);
        for (int y : shapes.horizontalLines)
            p.fillRect(QRect(0, y - shapes.lineWidth / 2, kWidth, shapes.lineWidth), b);
        for (int i = 0; i < 3; ++i) {
            p.setFont(fonts[i]);
            p.setPen(textColours[i]);
            p.drawText(at[i], texts[i]);
        }
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(BM_BareQPainter)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TessaryRefresh)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TessaryRefreshVision)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 2, 3, 5}})
    ->ArgNames({"style", "kind"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PictureRefreshVision)->Arg(0)->Arg(2)->Arg(5)->ArgName("kind")->Unit(benchmark::kMicrosecond);
