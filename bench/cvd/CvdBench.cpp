// SPDX-License-Identifier: MIT
// Simulating a full-HD picture and the five scheme colours, against copying the same
// picture (the least any cached picture costs). The per_pixel counter is the time per pixel.
#include "cvd/VisionSimulator.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <vector>

using namespace tessary;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::size_t kPixels = std::size_t(kWidth) * kHeight;

// Every pixel a different colour: the last-colour memo never helps.
const std::vector<std::uint32_t>& noise()
{
    static const std::vector<std::uint32_t> pixels = [] {
        std::mt19937 gen(1);
        std::vector<std::uint32_t> p(kPixels);
        for (auto& v : p)
            v = 0xFF000000u | (gen() & 0xFFFFFFu);
        return p;
    }();
    return pixels;
}

// A smooth two-way gradient, like a photograph's sky: short runs of one colour.
const std::vector<std::uint32_t>& gradient()
{
    static const std::vector<std::uint32_t> pixels = [] {
        std::vector<std::uint32_t> p(kPixels);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                p[std::size_t(y) * kWidth + x] = 0xFF000000u | std::uint32_t(x * 255 / (kWidth - 1)) << 16
                    | std::uint32_t(y * 255 / (kHeight - 1)) << 8 | 0x80u;
        return p;
    }();
    return pixels;
}

VisionMode modeOf(int index)
{
    switch (index) {
    case 0:
        return VisionMode(VisionKind::Protanopia);
    case 1:
        return VisionMode(VisionKind::Tritanopia);
    default:
        return VisionMode(VisionKind::Deuteranomaly, 55);
    }
}

void perPixel(benchmark::State& state)
{
    state.counters["per_pixel"] =
        benchmark::Counter(double(kPixels), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CopyPicture(benchmark::State& state)
{
    const std::vector<std::uint32_t>& src = noise();
    std::vector<std::uint32_t> dst(kPixels);
    for (auto _ : state) {
        std::copy(src.begin(), src.end(), dst.begin());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    perPixel(state);
}
BENCHMARK(BM_CopyPicture)->Unit(benchmark::kMillisecond);

template <const std::vector<std::uint32_t>& (*Source)()>
void BM_CopyAndSimulatePicture(benchmark::State& state)
{
    const VisionSimulator sim(modeOf(int(state.range(0))));
    const std::vector<std::uint32_t>& src = Source();
    std::vector<std::uint32_t> dst(kPixels);
    for (auto _ : state) {
        std::copy(src.begin(), src.end(), dst.begin());
        sim.simulatePixels(dst.data(), dst.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(sim.mode().label().toStdString());
    perPixel(state);
}
BENCHMARK_TEMPLATE(BM_CopyAndSimulatePicture, noise)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_CopyAndSimulatePicture, gradient)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_FiveSchemeColours(benchmark::State& state)
{
    const std::int32_t colours[5] = {0x000000, 0xFF0000, 0x00FF00, 0xFFF0E0, 0x102040};
    for (auto _ : state) {
        const VisionSimulator sim(modeOf(int(state.range(0))));
        for (std::int32_t c : colours)
            benchmark::DoNotOptimize(sim.simulate(c));
    }
    state.SetLabel(VisionSimulator(modeOf(int(state.range(0)))).mode().label().toStdString());
}
BENCHMARK(BM_FiveSchemeColours)->DenseRange(0, 2);

} // namespace
