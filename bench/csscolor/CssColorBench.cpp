// SPDX-License-Identifier: MIT
// Reading one colour text per syntax, against reading a six-digit code in the same run.
#include "csscolor/CssColorReader.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <array>

namespace {

const std::array<const char*, 20> kTexts{
    "#1A5FB4",
    "#fff",
    "#1a5fb480",
    "rebeccapurple",
    "rgb(26 95 180)",
    "rgba(26, 95, 180, 0.5)",
    "hsl(213.45 74.47% 40.39%)",
    "hwb(213 10% 29%)",
    "lab(40.8% -2.3 -52.6)",
    "lch(40.8% 52.7 267.5)",
    "oklab(48.9% -0.03 -0.14)",
    "oklch(48.873% 0.14229 258.133)",
    "oklch(70% 0.4 30)",
    "color(srgb 0.1 0.37 0.7)",
    "color(display-p3 1 0 0)",
    "color(a98-rgb 0.2 0.35 0.68)",
    "color(prophoto-rgb 0.3 0.3 0.6)",
    "color(rec2020 0.2 0.3 0.65)",
    "color(xyz-d50 0.12 0.11 0.35)",
    "/* comment */ RGB( 26 , 95 , 180 )",
};

void BM_ReadColour(benchmark::State& state)
{
    const QString text = QString::fromUtf8(kTexts[std::size_t(state.range(0))]);
    state.SetLabel(text.toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(tessary::CssColorReader::read(text));
}
BENCHMARK(BM_ReadColour)->DenseRange(0, int(kTexts.size()) - 1);

} // namespace
