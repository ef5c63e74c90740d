// SPDX-License-Identifier: MIT
// Undo of a slider drag of 100 events with the windows up, against one step of the same
// slider: both carry the display window's 1920 x 1080 repaint and the fields following.
#include "display/frmTessary.h"
#include "history/History.h"
#include "main/frmMain.h"
#include "platform/Slider.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace tessary;

namespace {

Slider& redSlider()
{
    frmMain& main = frmMain::instance();
    frmTessary& display = frmTessary::instance();
    display.showModeless();
    display.resize(1920, 1080);
    QCoreApplication::processEvents();
    main.setColor(0x204080);
    return *main.findChild<Slider*>(QStringLiteral("RGBSlider0"));
}

void BM_RGBSliderStep(benchmark::State& state)
{
    Slider& red = redSlider();
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        red.setValue(v);
        // The event loop's turn in which the display window paints the change.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RGBSliderStep)->Unit(benchmark::kMicrosecond);

// Each iteration is an undo and a redo of the whole drag: two restores.
void BM_UndoAndRedoOf100EventDrag(benchmark::State& state)
{
    Slider& red = redSlider();
    {
        const History::Action drag(QStringLiteral("赤の変更"));
        for (int v = 1; v <= 100; ++v)
            red.setValue(v);
    }
    QCoreApplication::processEvents();
    History& history = History::instance();
    for (auto _ : state) {
        history.undo();
        QCoreApplication::processEvents();
        history.redo();
        // The event loop's turn in which the display window paints the change.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_UndoAndRedoOf100EventDrag)->Unit(benchmark::kMicrosecond);

} // namespace
