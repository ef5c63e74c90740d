// SPDX-License-Identifier: MIT
// Start-up time and resident memory of the program against a minimal Qt program with two
// windows, started alternately in the same run: each start of the program is paired with a
// start of the floor just before it. Each start reports the moment both of its windows are
// drawn and on the screen and then ends itself (TESSARY_STARTUP_PROBE); the time is taken to
// that moment, so how long a process takes to end is not counted.
//
// The program starts in three folders: an empty one, one with a typical settings file and
// one whose settings restore a 1920 x 1080 display window (run on a screen of that size).
// The floor is either the plain one or, with floor:1, one that shows what any Japanese
// program of this shape must (Japanese menus and captions, the main window's fields and
// choices, the label faces and the display window's size the settings give).
//
//   StartupBench PATH_TO_TESSARY PATH_TO_FLOOR [--benchmark_...]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <thread>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string g_tessary;
std::string g_floor;

struct Run {
    double ms = -1;
    double peakRssMb = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// How long a start waits after the last one ended: the window system is still tearing down
// the last one's windows and connection for a while, and a start in that time waits for it,
// so that each start paid for whichever program ran before it.
constexpr auto kPause = std::chrono::milliseconds(250);

// Starts exe in dir and waits for it; the time runs from the start to the moment it reports
// both windows drawn.
Run startOnce(const std::string& exe, const std::filesystem::path& dir, std::vector<std::string> args = {})
{
    std::this_thread::sleep_for(kPause);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.emplace_back("TESSARY_STARTUP_PROBE=1");
    std::vector<char*> envp;
    for (auto& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    args.insert(args.begin(), exe);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int fds[2];
    if (pipe(fds) != 0)
        return {};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, fds[1], 2);
    posix_spawn_file_actions_addclose(&fa, fds[0]);
    posix_spawn_file_actions_addclose(&fa, fds[1]);
    std::filesystem::current_path(dir);
    pid_t pid = 0;
    const long long t0 = monotonicNs();
    const int spawned = posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    close(fds[1]);
    std::string out;
    if (spawned == 0) {
        char buf[4096];
        ssize_t n;
        while ((n = read(fds[0], buf, sizeof buf)) > 0)
            out.append(buf, static_cast<size_t>(n));
    }
    close(fds[0]);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);

    Run run;
    const char* key = "DrawnAtNs: ";
    const size_t at = out.find(key);
    if (at != std::string::npos)
        run.ms = static_cast<double>(std::atoll(out.c_str() + at + std::strlen(key)) - t0) / 1e6;
    run.peakRssMb = static_cast<double>(ru.ru_maxrss) / 1024.0;
    return run;
}

double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

// The settings files, code page 932, CR LF.
const char* const kTypicalSettings =
    "[General]\r\nPrefix=#\r\nRestoreWindowFlug=1\r\nRestoreColorFlug=1\r\n"
    "[WindowPosition]\r\nmainLeft=1200\r\nmainTop=900\r\nmainWidth=5000\r\nmainHeight=2600\r\nWindowState=0\r\n"
    "tessaryLeft=6300\r\ntessaryTop=900\r\ntessaryWidth=2600\r\ntessaryHeight=2600\r\n"
    "[StyleLattice]\r\nLineWidth=3\r\nDivideNum=7\r\n[StyleDivide]\r\nDivideNum=4\r\n"
    "[StyleSquareOnSquare]\r\nOutsideWidth=25\r\n[Style]\r\nindex=2\r\n"
    "[Font 1]\r\nName=\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9\r\nSize=12\r\nBold=0\r\nItalic=0\r\nUnderline=0\r\n"
    "Strikethrough=0\r\n"
    "[Text]\r\nText 1=\x8c\xa9\x96\x7b\x82\xcc\x95\xb6\x8e\x9a\r\nText 2=\x94\x77\x8c\x69\x82\xc9\r\n"
    "Text 3=\x82\x73\x82\x85\x82\x93\x82\x93\x82\x81\x82\x92\x82\x99\r\n"
    "[Font 2]\r\nName=\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e\r\nSize=10.5\r\nBold=1\r\nItalic=0\r\n"
    "Underline=0\r\nStrikethrough=0\r\n"
    "[Font 3]\r\nName=\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e\r\nSize=9\r\nBold=0\r\nItalic=0\r\n"
    "Underline=0\r\nStrikethrough=0\r\n"
    "[Color]\r\nColorObject 0=0\r\nColorObject 1=255\r\nColorObject 2=65280\r\nColorObject 3=16711680\r\n"
    "ColorObject 4=1193046\r\n";

std::string largeWindowSettings()
{
    std::string s = kTypicalSettings;
    const std::string from = "tessaryLeft=6300\r\ntessaryTop=900\r\ntessaryWidth=2600\r\ntessaryHeight=2600\r\n";
    s.replace(s.find(from), from.size(), "tessaryLeft=0\r\ntessaryTop=0\r\ntessaryWidth=28800\r\ntessaryHeight=16200\r\n");
    return s;
}

enum Folder { Empty, Typical, LargeWindow };

void BM_Startup(benchmark::State& state)
{
    const auto folder = static_cast<Folder>(state.range(0));
    const std::string program = std::filesystem::path(g_tessary).stem().string();
    std::vector<std::string> floorArgs;
    if (state.range(1) == 1)
        floorArgs = {"--japanese", program};
    const auto dir = std::filesystem::temp_directory_path() / ("tessary-startup-bench-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    if (folder != Empty) {
        std::ofstream ini(dir / (program + ".ini"), std::ios::binary);
        ini << (folder == Typical ? std::string(kTypicalSettings) : largeWindowSettings());
    }
    std::vector<double> floorMs, appMs, pairRatio, floorRss, appRss;
    for (auto _ : state) {
        const Run f = startOnce(g_floor, dir, floorArgs);
        const Run a = startOnce(g_tessary, dir);
        if (f.ms <= 0 || a.ms <= 0) {
            state.SkipWithError("a start did not report its windows drawn");
            break;
        }
        floorMs.push_back(f.ms);
        appMs.push_back(a.ms);
        pairRatio.push_back(a.ms / f.ms);
        floorRss.push_back(f.peakRssMb);
        appRss.push_back(a.peakRssMb);
        state.SetIterationTime(a.ms / 1000.0);
    }
    state.counters["floor_ms"] = quantile(floorMs, 0.5);
    state.counters["tessary_ms"] = quantile(appMs, 0.5);
    state.counters["ratio"] = quantile(appMs, 0.5) / std::max(0.001, quantile(floorMs, 0.5));
    // The spread of the ratio of each start to the floor started just before it.
    state.counters["pair_ratio_p25"] = quantile(pairRatio, 0.25);
    state.counters["pair_ratio_p50"] = quantile(pairRatio, 0.5);
    state.counters["pair_ratio_p75"] = quantile(pairRatio, 0.75);
    state.counters["floor_rss_MB"] = quantile(floorRss, 0.5);
    state.counters["rss_diff_MB"] = quantile(appRss, 0.5) - quantile(floorRss, 0.5);
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Startup)
    ->ArgNames({"folder", "floor"})
    ->ArgsProduct({{Empty, Typical, LargeWindow}, {0, 1}})
    ->UseManualTime()
    ->Iterations(41)
    ->Unit(benchmark::kMillisecond);

// The program in English against itself in Japanese, started alternately in the same folder:
// loading the catalogue and reading every caption through it is all the difference.
void BM_StartupEnglish(benchmark::State& state)
{
    const std::string program = std::filesystem::path(g_tessary).stem().string();
    const auto dir = std::filesystem::temp_directory_path() / ("tessary-startup-lang-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / (program + ".ini"), std::ios::binary) << kTypicalSettings;
    std::vector<double> japaneseMs, englishMs, pairRatio;
    for (auto _ : state) {
        const Run ja = startOnce(g_tessary, dir);
        const Run en = startOnce(g_tessary, dir, {"--lang", "en"});
        if (ja.ms <= 0 || en.ms <= 0) {
            state.SkipWithError("a start did not report its windows drawn");
            break;
        }
        japaneseMs.push_back(ja.ms);
        englishMs.push_back(en.ms);
        pairRatio.push_back(en.ms / ja.ms);
        state.SetIterationTime(en.ms / 1000.0);
    }
    state.counters["japanese_ms"] = quantile(japaneseMs, 0.5);
    state.counters["english_ms"] = quantile(englishMs, 0.5);
    state.counters["ratio"] = quantile(englishMs, 0.5) / std::max(0.001, quantile(japaneseMs, 0.5));
    state.counters["pair_ratio_p25"] = quantile(pairRatio, 0.25);
    state.counters["pair_ratio_p50"] = quantile(pairRatio, 0.5);
    state.counters["pair_ratio_p75"] = quantile(pairRatio, 0.75);
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StartupEnglish)->UseManualTime()->Iterations(41)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TESSARY FLOOR [benchmark options]\n", argv[0]);
        return 2;
    }
    g_tessary = std::filesystem::absolute(argv[1]).string();
    g_floor = std::filesystem::absolute(argv[2]).string();
    int bargc = argc - 2;
    std::vector<char*> bargv{argv[0]};
    for (int i = 3; i < argc; ++i)
        bargv.push_back(argv[i]);
    bargv.push_back(nullptr);
    benchmark::Initialize(&bargc, bargv.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
