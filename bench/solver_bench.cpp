#include "bench_puzzles.hpp"
#include "engine/backup_store.hpp"
#include "engine/solve_to_end.hpp"
#include "files/board_file.hpp"
#include "files/puzzle_line.hpp"
#include "support/directory_backups.hpp"
#include "support/temp_dir.hpp"
#include "support/test_boards.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <vector>

namespace {

using namespace cellwright;

using bench::benchPuzzles;

// One pass of a hard search, as "Step Solve" runs it and as a whole solve
// (marks left unwritten between passes) runs it.
template <PassReport (*Pass)(EngineState&, SolverHost&)>
void BM_SolverPass(benchmark::State& state) {
    MemoryBackups host;
    EngineState start;
    start.board = test::boardOf(test::kHardPuzzle);
    EngineState engine = start;
    for (auto _ : state) {
        if (Pass(engine, host).ended())
            engine = start;
    }
}
BENCHMARK(BM_SolverPass<&solveBoard>)->Name("BM_SolverPass");
BENCHMARK(BM_SolverPass<&solveBoardQuietly>)->Name("BM_SolverPassQuiet");

// Whole solves as the "Solve" button runs them; reports ms per puzzle (median,
// worst) and passes per second.
template <class MakeHost> void solveAll(benchmark::State& state, std::size_t count, MakeHost make) {
    const auto puzzles = benchPuzzles(count);
    if (puzzles.empty()) {
        state.SkipWithError(bench::kNoPuzzles);
        return;
    }
    std::vector<double> millis;
    std::int64_t passes = 0;
    for (auto _ : state) {
        for (const Digits& puzzle : puzzles) {
            auto host = make();
            EngineState engine;
            placeDigits(engine.board, puzzle);
            const auto t0 = std::chrono::steady_clock::now();
            passes += solveToEnd(engine, *host).passes;
            millis.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count());
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["median_ms"] = millis[millis.size() / 2];
    state.counters["worst_ms"] = millis.back();
    state.counters["passes_per_s"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kIsRate);
}

void BM_SolveAllInMemory(benchmark::State& state) {
    solveAll(state, 1000, [] { return std::make_unique<MemoryBackups>(); });
}
BENCHMARK(BM_SolveAllInMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SolveFirst100OnDisk(benchmark::State& state) {
    test::TempDir dir;
    solveAll(state, 100, [&] { return std::make_unique<test::DirectoryBackups>(dir.path()); });
}
BENCHMARK(BM_SolveFirst100OnDisk)->Unit(benchmark::kMillisecond)->Iterations(1);

// One backup written and read back, as a guess and its back-out do.
void backupRoundTrip(benchmark::State& state, const std::string& directory) {
    const std::string path = directory + "/backup0.bak";
    Board board = test::boardOf(test::kPuzzle);
    Board back;
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeBoardFile(path, board));
        benchmark::DoNotOptimize(readBoardFile(path, back));
    }
    std::filesystem::remove(path);
}
void BM_BackupRoundTripDisk(benchmark::State& state) {
    test::TempDir dir; // under TMPDIR, normally the disk
    backupRoundTrip(state, dir.path());
}
void BM_BackupRoundTripShm(benchmark::State& state) {
    backupRoundTrip(state, "/dev/shm");
}
BENCHMARK(BM_BackupRoundTripDisk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BackupRoundTripShm)->Unit(benchmark::kMicrosecond);

} // namespace
