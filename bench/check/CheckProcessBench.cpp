// SPDX-License-Identifier: MIT
// tessary-check started, reading a token file of 1,000 colour pairs, judging them and
// printing the report, end to end; the baseline is the same program printing --help, which
// costs the start of a Qt program and nothing else.
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kPairs = 1000;

struct Files {
    QTemporaryDir dir;
    QString tokens;
    QString pairs;

    Files()
    {
        tokens = dir.filePath(QStringLiteral("tokens.json"));
        pairs = dir.filePath(QStringLiteral("pairs.txt"));
        QByteArray json = "{\"text\":{\"$type\":\"color\"";
        QByteArray list;
        for (int i = 0; i < kPairs; ++i) {
            char entry[160];
            std::snprintf(entry, sizeof entry,
                          ",\"t%d\":{\"$value\":{\"colorSpace\":\"srgb\",\"components\":[%.4f,%.4f,%.4f],\"hex\":\"#%06X\"}}",
                          i, (i % 256) / 255.0, (i * 7 % 256) / 255.0, (i * 13 % 256) / 255.0, unsigned(i) * 2654435u & 0xFFFFFFu);
            json += entry;
            list += "text.t" + QByteArray::number(i) + "=bg." + (i % 2 ? "light" : "dark") + "\n";
        }
        json += "},\"bg\":{\"$type\":\"color\",\"light\":{\"$value\":\"#fafafa\"},\"dark\":{\"$value\":\"{bg.base}\"},"
                "\"base\":{\"$value\":\"#202020\"}}}";
        write(tokens, json);
        write(pairs, list);
    }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
};

Files& files()
{
    static Files f;
    return f;
}

void run(benchmark::State& state, const QStringList& args)
{
    for (auto _ : state) {
        QProcess p;
        // The report is written whole, as into a CI log, but not kept.
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral(TESSARY_CHECK_PATH), args);
        p.waitForFinished(-1);
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() > 1)
            state.SkipWithError("tessary-check failed");
    }
}

void BM_CheckHelp(benchmark::State& state) { run(state, {QStringLiteral("--help")}); }
BENCHMARK(BM_CheckHelp)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Check1000TokenPairs(benchmark::State& state)
{
    run(state, {QStringLiteral("--pairs"), files().pairs, files().tokens});
}
BENCHMARK(BM_Check1000TokenPairs)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with a proposal searched for every failing pair.
void BM_Check1000TokenPairsWithFix(benchmark::State& state)
{
    run(state, {QStringLiteral("--pairs"), files().pairs, QStringLiteral("--fix"), files().tokens});
}
BENCHMARK(BM_Check1000TokenPairsWithFix)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
