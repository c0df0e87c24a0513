// The window's Solve command, offscreen, against the headless solver on the
// same puzzle: the one of the benchmark collection that takes the most passes.
#include "bench_puzzles.hpp"
#include "cli/solve_run.hpp"
#include "engine/backup_store.hpp"
#include "support/temp_dir.hpp"
#include "support/window_fixture.hpp"
#include "ui/main_window.hpp"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

using namespace cellwright;

// What cellwright-solve does with a puzzle, backups in memory.
cli::Outcome solveInMemory(const Digits& puzzle) {
    MemoryBackups host;
    return cli::solvePuzzle(puzzle, host);
}

const std::optional<Digits>& hardestPuzzle() {
    static const std::optional<Digits> hardest = [] {
        std::optional<Digits> found;
        std::int64_t most = -1;
        for (const Digits& puzzle : bench::benchPuzzles()) {
            if (const auto passes = solveInMemory(puzzle).passes; passes > most) {
                most = passes;
                found = puzzle;
            }
        }
        return found;
    }();
    return hardest;
}

void BM_WindowSolve(benchmark::State& state) {
    if (!hardestPuzzle()) {
        state.SkipWithError(bench::kNoPuzzles);
        return;
    }
    test::TempDir dir;
    test::FakePlatform platform;
    platform.appDir = platform.dataDir = platform.tempDir = dir.path();
    MainWindow window(platform);
    window.start();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < kCellCount; ++i) {
            const int digit = (*hardestPuzzle())[i];
            window.cell(i)->setText(digit == 0 ? QString() : QString::number(digit));
        }
        state.ResumeTiming();
        window.solve();
    }
    window.hide();
}
BENCHMARK(BM_WindowSolve)->Unit(benchmark::kMillisecond);

void BM_HeadlessSolve(benchmark::State& state) {
    if (!hardestPuzzle()) {
        state.SkipWithError(bench::kNoPuzzles);
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(solveInMemory(*hardestPuzzle()));
}
BENCHMARK(BM_HeadlessSolve)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    using namespace cellwright;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return bench::exitStatusForPuzzles();
}
