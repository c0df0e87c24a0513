// cellwright-solve --trace on the longest search of bench.txt (960,721
// passes): its trace goes out as the search makes it, so the program's peak
// memory stays flat however long the search. A peak above the limit fails.
#include "support/temp_dir.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

constexpr double kLimitMegabytes = 50;
constexpr const char* kLongestSearch =
    ".................1..2.34..........3...52..4...1.6.........7.52..6.....8.1...9....";

// Runs the program with its output to /dev/null; its peak resident size in MB,
// or a negative number when it did not run to a normal end.
double peakMegabytesOf(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_TracePeakMemory(benchmark::State& state) {
    cellwright::test::TempDir dir;
    const std::string puzzle = dir.file("longest.txt");
    cellwright::test::writeText(puzzle, std::string(kLongestSearch) + "\n");
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, peakMegabytesOf({CELLWRIGHT_SOLVE, "--trace", puzzle}));
    state.counters["peak_MB"] = peak;
    state.counters["limit_MB"] = kLimitMegabytes;
    if (peak <= 0)
        state.SkipWithError("cellwright-solve --trace did not run to its end");
    else if (peak > kLimitMegabytes)
        state.SkipWithError("cellwright-solve --trace went past its memory limit");
}
BENCHMARK(BM_TracePeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
