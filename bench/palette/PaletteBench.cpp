// SPDX-License-Identifier: MIT
// Loading a large palette and drawing its first grid, and adding a colour to a large
// palette, each against a baseline measured in the same run:
//   ./build/bench/palette/bench_palette --benchmark_repetitions=5
#include "color/colorCode.h"
#include "palette/ComboColorList.h"
#include "palette/DefinedColor.h"
#include "palette/PaletteGrid.h"
#include "palette/PaletteGridPainter.h"
#include "platform/Surface.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

using namespace tessary;

namespace {

// The grid of the palette window at its design size: 13 columns, 9 rows of 16 pixels.
constexpr int kWidth = 239 - 17;
constexpr int kHeight = 220 - 65;
constexpr int kChip = 16;

QByteArray paletteBytes(int n)
{
    QByteArray out = "\"Bench\",\"\",\"generated\"\r\n";
    for (int i = 0; i < n; ++i) {
        const QString code = QString::number((i * 2654435761u) & 0xFFFFFF, 16).toUpper().rightJustified(6, u'0');
        out += QStringLiteral("\"%1\",\"Colour %2\",\"comment of colour %2\"\r\n").arg(code).arg(i).toLatin1();
    }
    return out;
}

const QString& paletteFile(int n)
{
    static QTemporaryDir dir;
    static std::map<int, QString> files;
    auto it = files.find(n);
    if (it == files.end()) {
        const QString path = dir.filePath(QStringLiteral("p%1.tcf").arg(n));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(paletteBytes(n));
        it = files.emplace(n, path).first;
    }
    return it->second;
}

// Baseline: only reading the file's bytes.
void BM_ReadFileBytes(benchmark::State& state)
{
    const QString& path = paletteFile(int(state.range(0)));
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}
BENCHMARK(BM_ReadFileBytes)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

// What opening a palette costs the window: read and parse the file, fill the colour list
// and draw the visible chips.
void BM_LoadAndDrawFirstGrid(benchmark::State& state)
{
    const QString& path = paletteFile(int(state.range(0)));
    QComboBox combo;
    ComboColorList list(&combo, {});
    Surface surface;
    const colorCode codes;
    for (auto _ : state) {
        DefinedColor palette;
        palette.setPaletteNameCombo(&list);
        palette.loadColor(path);
        const PaletteGrid::Layout g = PaletteGrid::layout(kWidth, kHeight, kChip, palette.count());
        surface.resize(g.columnCount * kChip, g.rowCount * kChip);
        PaletteGridPainter::drawGrid(surface, g.columnCount, g.rowCount, kChip, 1, palette.count(), [&](int p) {
            return codes.HTML_RGB2VB_RGB(palette.colorCollection.item(p)->colorCode());
        });
        benchmark::DoNotOptimize(surface.image().constBits());
    }
    state.counters["colours"] = double(state.range(0));
}
BENCHMARK(BM_LoadAndDrawFirstGrid)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

// Adding one colour (and taking it off again, so that every round adds to the same size).
void BM_AddColor(benchmark::State& state)
{
    const int n = int(state.range(0));
    DefinedColor palette;
    for (int i = 0; i < n; ++i)
        palette.addColor(QStringLiteral("000000"), QStringLiteral("Colour %1").arg(i), QString());
    const QString code = QStringLiteral("FF8000");
    const QString name = QStringLiteral("Added colour");
    const QString comment = QStringLiteral("one more");
    for (auto _ : state) {
        benchmark::DoNotOptimize(palette.addColor(code, name, comment));
        palette.colorCollection.remove(palette.count());
    }
}
BENCHMARK(BM_AddColor)->Arg(10)->Arg(10000)->Unit(benchmark::kNanosecond);

} // namespace
