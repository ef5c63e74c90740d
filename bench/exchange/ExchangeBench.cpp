// SPDX-License-Identifier: MIT
// Exporting a 10,000-colour palette to each format and importing it as a GIMP palette,
// against our own palette file's save and load of the same palette in the same run:
//   ./build/bench/exchange/bench_exchange --benchmark_repetitions=5
#include "exchange/GplImport.h"
#include "exchange/PaletteExport.h"
#include "palette/DefinedColor.h"

#include <benchmark/benchmark.h>

using namespace tessary;

namespace {

constexpr int kColors = 10000;

const DefinedColor& palette()
{
    static const DefinedColor p = [] {
        DefinedColor d;
        d.setPaletteName(QStringLiteral("Bench"));
        d.setPaletteComment(QStringLiteral("generated"));
        for (int i = 0; i < kColors; ++i) {
            const QString code =
                QString::number((i * 2654435761u) & 0xFFFFFF, 16).toUpper().rightJustified(6, u'0');
            d.addColor(code, QStringLiteral("色 %1").arg(i), QStringLiteral("comment of colour %1").arg(i));
        }
        return d;
    }();
    return p;
}

// Baseline: our own palette file, written and read.
void BM_SaveOwnFile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(palette().toBytes());
}
BENCHMARK(BM_SaveOwnFile)->Unit(benchmark::kMillisecond);

void BM_LoadOwnFile(benchmark::State& state)
{
    const QByteArray bytes = palette().toBytes();
    for (auto _ : state) {
        DefinedColor d;
        benchmark::DoNotOptimize(d.loadBytes(bytes));
    }
}
BENCHMARK(BM_LoadOwnFile)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state)
{
    const auto format = ExchangeFormat(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(PaletteExport::toBytes(palette(), format));
}
BENCHMARK(BM_Export)
    ->ArgName("format")
    ->Arg(int(ExchangeFormat::Css))
    ->Arg(int(ExchangeFormat::Json))
    ->Arg(int(ExchangeFormat::DesignTokens))
    ->Arg(int(ExchangeFormat::Gpl))
    ->Arg(int(ExchangeFormat::Ase))
    ->Unit(benchmark::kMillisecond);

void BM_ImportGpl(benchmark::State& state)
{
    const QByteArray bytes = PaletteExport::toBytes(palette(), ExchangeFormat::Gpl);
    for (auto _ : state) {
        const GplImport r = GplImport::read(QByteArrayView(bytes), QStringLiteral("bench.gpl"));
        if (!r.isOk() || r.palette()->count() != kColors)
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(r.palette());
    }
}
BENCHMARK(BM_ImportGpl)->Unit(benchmark::kMillisecond);

} // namespace
