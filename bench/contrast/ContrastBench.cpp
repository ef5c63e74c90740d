// SPDX-License-Identifier: MIT
// The contrast table recomputed on a colour change, against the main window's slider step
// that triggers it (with the display window's repaint, without any contrast window). Also
// the picture measure per change, the per-picture index behind it, and the suggestion search.
#include "contrast/ContrastSuggestion.h"
#include "contrast/ContrastTable.h"
#include "contrast/PictureContrast.h"
#include "display/frmTessary.h"
#include "main/frmMain.h"
#include "platform/Slider.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <random>

using namespace tessary;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// A label's text box over a picture: about a long sample text at 36 pt.
constexpr int kBoxPixels = 600 * 80;

ContrastTable::Input scheme()
{
    ContrastTable::Input in;
    in.colors = {0x204080, 0x777777, 0x0000FF, 0xFFFFFF, 0x203040};
    in.fonts = {{{12.0, false}, {22.0, false}, {18.0, true}}};
    return in;
}

std::vector<std::uint32_t> pictureBox(unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::uint32_t> colour(0, 0xFFFFFF);
    std::vector<std::uint32_t> pixels(kBoxPixels);
    for (auto& p : pixels)
        p = 0xFF000000u | colour(random);
    return pixels;
}

// Baseline: the whole path of a user's step on the red slider.
void BM_RGBSliderStep(benchmark::State& state)
{
    frmMain& main = frmMain::instance();
    frmTessary& display = frmTessary::instance();
    display.showModeless();
    display.resize(kWidth, kHeight);
    QCoreApplication::processEvents();
    main.setColor(0x204080);
    Slider* red = main.findChild<Slider*>(QStringLiteral("RGBSlider0"));
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        red->setValue(v);
        display.repaint();
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_RGBSliderStep)->Unit(benchmark::kMicrosecond);

// One colour change: the six cells with their ratios, marks and every text.
void BM_TableRecompute(benchmark::State& state)
{
    ContrastTable::Input in = scheme();
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        in.colors[0] = v;
        ContrastTable t = ContrastTable::compute(in);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_TableRecompute)->Unit(benchmark::kMicrosecond);

// One colour change over a picture: three labels measured over their boxes, then the table.
void BM_TableRecomputeOverPicture(benchmark::State& state)
{
    const std::array<PictureContrast, 3> boxes{PictureContrast(pictureBox(1), PictureContrast::PixelOrder::Argb32),
                                               PictureContrast(pictureBox(2), PictureContrast::PixelOrder::Argb32),
                                               PictureContrast(pictureBox(3), PictureContrast::PixelOrder::Argb32)};
    ContrastTable::Input in = scheme();
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) & 0xFF;
        in.colors[0] = v;
        for (int i = 0; i < ContrastTable::kTexts; ++i)
            in.picture[i] = boxes[i].measure(in.colors[i]);
        ContrastTable t = ContrastTable::compute(in);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_TableRecomputeOverPicture)->Unit(benchmark::kMicrosecond);

// Once per picture or label box: the sorted luminances of one box.
void BM_PictureIndex(benchmark::State& state)
{
    const auto pixels = pictureBox(1);
    for (auto _ : state) {
        PictureContrast p(pixels, PictureContrast::PixelOrder::Argb32);
        benchmark::DoNotOptimize(p);
    }
    state.counters["pixels"] = kBoxPixels;
}
BENCHMARK(BM_PictureIndex)->Unit(benchmark::kMicrosecond);

// One press of the suggest button: a near grey, a saturated colour that loses chroma, a long
// walk to a far lightness, and an impossible pair.
void BM_Suggestion(benchmark::State& state)
{
    struct Case {
        std::int32_t text, bg1, bg2;
        double target;
    };
    const Case cases[] = {{0x777777, 0xFFFFFF, 0xFFFFFF, 4.5},
                          {0x0000FF, 0xFFFFFF, 0x000000, 4.5},
                          {0x00FF00, 0xFFFFFF, 0xFFFFFF, 7.0},
                          {0x808080, 0x000000, 0xFFFFFF, 7.0}};
    const Case& c = cases[state.range(0)];
    for (auto _ : state) {
        auto s = ContrastSuggestion::find(c.text, c.bg1, c.bg2, c.target);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Suggestion)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
