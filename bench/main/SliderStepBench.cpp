// SPDX-License-Identifier: MIT
// One step of the red slider in the main window, end to end: the slider's change
// notification writes the channel into the display window, which repaints its 1920 x 1080
// scheme into the window's backing store, and the fields and the colour code follow (and, in
// one case, the contrast table).
// Measured against the repaint alone and against a bare QSlider driving a bare QPainter fill
// of an image of the same size.
#include "contrast/frmContrast.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/Slider.h"
#include "scheme/Scheme.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <benchmark/benchmark.h>

using namespace tessary;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

frmMain& prepareWindows()
{
    frmMain& main = frmMain::instance();
    frmTessary& display = frmTessary::instance();
    display.showModeless();
    display.resize(kWidth, kHeight);
    QCoreApplication::processEvents();
    main.setSampleText(0, QStringLiteral("標本文字列 Sample text 1"));
    main.setSampleText(1, QStringLiteral("標本文字列 Sample text 2"));
    main.setSampleText(2, QStringLiteral("標本文字列 Sample text 3"));
    main.setColor(0x204080);
    return main;
}

QAction* contrastItem(frmMain& main) { return main.findChild<QAction*>(QStringLiteral("mnuContrast")); }

// The whole path of a user's step on the slider.
void BM_RGBSliderStep(benchmark::State& state)
{
    frmMain& main = prepareWindows();
    Slider* red = main.findChild<Slider*>(QStringLiteral("RGBSlider0"));
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        red->setValue(v);
        // The event loop's turn after the step, in which the window is painted and the
        // contrast window follows it.
        QCoreApplication::processEvents();
    }
    const frmTessary& display = frmTessary::instance();
    state.counters["window_px"] = static_cast<double>(display.width()) * display.height();
    state.counters["drawings"] = benchmark::Counter(display.wholeDrawings(), benchmark::Counter::kAvgIterations);
    QCoreApplication::processEvents();
}
BENCHMARK(BM_RGBSliderStep)->Unit(benchmark::kMicrosecond);

// The same step with the contrast window open: its table follows every step. The display
// window is painted as in BM_RGBSliderStep, so the difference is what the table costs per change.
void BM_RGBSliderStepWithContrastWindow(benchmark::State& state)
{
    frmMain& main = prepareWindows();
    if (!contrastItem(main)->isChecked())
        contrastItem(main)->trigger();
    QCoreApplication::processEvents();
    Slider* red = main.findChild<Slider*>(QStringLiteral("RGBSlider0"));
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        red->setValue(v);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(frmContrast::loadedInstance()->table().cell(0, 0).ratio);
    }
    contrastItem(main)->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_RGBSliderStepWithContrastWindow)->Unit(benchmark::kMicrosecond);

// One colour stored and announced, without the display window's repaint: with the contrast
// window closed (0) and open (1). The difference is the table recomputed and shown.
void BM_ColourAnnounced(benchmark::State& state)
{
    frmMain& main = prepareWindows();
    const bool open = state.range(0) != 0;
    if (contrastItem(main)->isChecked() != open)
        contrastItem(main)->trigger();
    QCoreApplication::processEvents();
    frmTessary& display = frmTessary::instance();
    display.setSelectObject(0);
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        display.setColor(v | 0x4000);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(display.red());
    }
    if (open)
        contrastItem(main)->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_ColourAnnounced)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Baseline: the display window's repaint alone, which every step includes.
void BM_DisplayRepaintAlone(benchmark::State& state)
{
    prepareWindows();
    frmTessary& display = frmTessary::instance();
    for (auto _ : state) {
        display.tessaryRefresh();
        display.repaint();
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_DisplayRepaintAlone)->Unit(benchmark::kMicrosecond);

// Baseline: a bare QSlider whose valueChanged fills the two halves of an image.
void BM_BareSliderFill(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QSlider slider(Qt::Horizontal);
    slider.setRange(0, 255);
    QObject::connect(&slider, &QSlider::valueChanged, [&image](int v) {
        QPainter p(&image);
        p.fillRect(0, 0, kWidth, kHeight / 2, QColor(v, 64, 128));
        p.fillRect(0, kHeight / 2, kWidth, kHeight - kHeight / 2, QColor(255 - v, 32, 16));
    });
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        slider.setValue(v);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BareSliderFill)->Unit(benchmark::kMicrosecond);

} // namespace
