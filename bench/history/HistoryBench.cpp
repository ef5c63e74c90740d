// SPDX-License-Identifier: MIT
// The cost of the history against one slider step: undo of a long drag, the memory of many
// steps, and reading a full history file.
#include "history/History.h"
#include "history/HistoryFile.h"
#include "scheme/Scheme.h"

#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace tessary;

namespace {

// One event of a slider drag: the colour changes, the history extends the drag's step.
void BM_SliderStep(benchmark::State& state)
{
    Scheme scheme;
    History history(scheme);
    history.setContextProvider([] { return History::Context{QStringLiteral("赤の変更"), QStringLiteral("drag")}; });
    history.start();
    int v = 0;
    for (auto _ : state)
        scheme.setColor(0, ++v & 0xFF);
}
BENCHMARK(BM_SliderStep);

// Undo of a drag of 100 events, then its redo: each iteration is two restores.
void BM_UndoAndRedoOf100EventDrag(benchmark::State& state)
{
    Scheme scheme;
    History history(scheme);
    history.setContextProvider([] { return History::Context{QStringLiteral("赤の変更"), QStringLiteral("drag")}; });
    history.start();
    for (int i = 1; i <= 100; ++i)
        scheme.setColor(0, i);
    for (auto _ : state) {
        history.undo();
        history.redo();
    }
}
BENCHMARK(BM_UndoAndRedoOf100EventDrag);

// 100,000 steps of single colour changes held in memory.
void BM_Memory100000Steps(benchmark::State& state)
{
    for (auto _ : state) {
#if defined(__GLIBC__)
        const std::size_t before = mallinfo2().uordblks;
#endif
        Scheme scheme;
        History history(scheme);
        history.start();
        for (int i = 1; i <= 100000; ++i)
            scheme.setColor(i % 5, i);
#if defined(__GLIBC__)
        state.counters["MB"] = double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
#endif
        benchmark::DoNotOptimize(history.size());
    }
}
BENCHMARK(BM_Memory100000Steps)->Unit(benchmark::kMillisecond)->Iterations(1);

// Reading a history file of 1,000 steps and 100 snapshots and taking it into the history.
void BM_LoadFullHistoryFile(benchmark::State& state)
{
    HistoryData data;
    SchemeState s;
    for (int i = 0; i < 1000; ++i) {
        HistoryStep step{QStringLiteral("色の変更"), s, s};
        step.after.colors[std::size_t(i % 5)] = i * 4099;
        if (i % 50 == 0)
            step.after.labels[0].text = QStringLiteral("見本の文 %1").arg(i);
        data.steps.push_back(step);
        s = step.after;
    }
    data.position = 1000;
    for (int i = 0; i < 100; ++i)
        data.snapshots.push_back({QStringLiteral("配色 %1").arg(i), QStringLiteral("2026-12-07T10:00:00Z"), data.steps[std::size_t(i * 10)].after});
    const QByteArray bytes = HistoryFile::write(data);
    state.counters["KB"] = double(bytes.size()) / 1024.0;
    Scheme scheme;
    History history(scheme);
    for (auto _ : state) {
        const HistoryFile::Result r = HistoryFile::read(bytes);
        history.setData(r.data);
        benchmark::DoNotOptimize(history.size());
    }
}
BENCHMARK(BM_LoadFullHistoryFile)->Unit(benchmark::kMillisecond);

} // namespace
