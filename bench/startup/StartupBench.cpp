// SPDX-License-Identifier: MIT
// Start-up time and resident memory of the program against a minimal Qt program with two
// windows, started alternately in the same run. Each start ends itself once both windows
// are shown and painted (TESSARY_STARTUP_PROBE).
//
//   StartupBench PATH_TO_TESSARY PATH_TO_FLOOR [--benchmark_...]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string g_tessary;
std::string g_floor;

struct Run {
    double ms;
    long maxRssKb;
};

Run startOnce(const std::string& exe)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.emplace_back("TESSARY_STARTUP_PROBE=1");
    std::vector<char*> envp;
    for (auto& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string arg0 = exe;
    char* argv[] = {arg0.data(), nullptr};

    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const auto t0 = std::chrono::steady_clock::now();
    if (posix_spawn(&pid, exe.c_str(), &fa, nullptr, argv, envp.data()) != 0) {
        posix_spawn_file_actions_destroy(&fa);
        return {-1, 0};
    }
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    const auto t1 = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&fa);
    return {std::chrono::duration<double, std::milli>(t1 - t0).count(), ru.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void BM_StartupAlternating(benchmark::State& state)
{
    // Run in an empty folder so that no settings file is read or left behind.
    const auto dir = std::filesystem::temp_directory_path() / "tessary-startup-bench";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    std::vector<double> floorMs, appMs, floorRss, appRss;
    for (auto _ : state) {
        const Run f = startOnce(g_floor);
        const Run a = startOnce(g_tessary);
        floorMs.push_back(f.ms);
        appMs.push_back(a.ms);
        floorRss.push_back(static_cast<double>(f.maxRssKb));
        appRss.push_back(static_cast<double>(a.maxRssKb));
        state.SetIterationTime((f.ms + a.ms) / 1000.0);
    }
    state.counters["floor_ms"] = median(floorMs);
    state.counters["tessary_ms"] = median(appMs);
    state.counters["ratio"] = median(appMs) / std::max(0.001, median(floorMs));
    state.counters["floor_rss_MB"] = median(floorRss) / 1024.0;
    state.counters["tessary_rss_MB"] = median(appRss) / 1024.0;
    state.counters["rss_diff_MB"] = (median(appRss) - median(floorRss)) / 1024.0;
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_StartupAlternating)->UseManualTime()->Iterations(21)->Unit(benchmark::kMillisecond);

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
