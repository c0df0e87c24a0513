// The window's teaching commands on every puzzle of the rated sample, as the
// window asks them: the whole next step, the solution check and the
// difficulty. An answer within 100 ms shows at once; worst_ms says how close
// the slowest puzzle comes, in the thread's own CPU time, so that a busy
// machine does not count.
#include "bench_puzzles.hpp"
#include "ui/teaching_answers.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using cellwright::teaching::Answer;
using cellwright::teaching::Grid;

double threadMillis() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Every grid a player meets on the way: each sample puzzle after each digit
// the logical solver places.
std::vector<Grid> gridsAlongThePaths() {
    std::vector<Grid> grids;
    for (const Grid& puzzle : cellwright::bench::ratedPuzzles(0, 200)) {
        Grid grid = puzzle;
        for (const auto& step : cellwright::logic::explain(puzzle)) {
            if (!step.places())
                continue;
            grids.push_back(grid);
            grid[static_cast<std::size_t>(step.placedCell)] = step.placedDigit;
        }
    }
    return grids;
}

void answerAll(benchmark::State& state, const std::function<Answer(const Grid&)>& command,
               const std::vector<Grid>& puzzles) {
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles could be read from " CELLWRIGHT_RATED_PUZZLES);
        return;
    }
    double worst = 0;
    for (auto _ : state) {
        for (const Grid& puzzle : puzzles) {
            const double start = threadMillis();
            benchmark::DoNotOptimize(command(puzzle));
            worst = std::max(worst, threadMillis() - start);
        }
    }
    const auto count = static_cast<double>(puzzles.size());
    state.counters["puzzles"] = count;
    state.counters["per_puzzle"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["worst_ms"] = worst;
}

Answer nextStep(const Grid& grid) {
    return cellwright::teaching::hint(grid, cellwright::teaching::HintLevel::NextStep);
}

void BM_HintNextStep(benchmark::State& state) {
    static const std::vector<Grid> puzzles = cellwright::bench::ratedPuzzles(0, 200);
    answerAll(state, nextStep, puzzles);
}
BENCHMARK(BM_HintNextStep)->Unit(benchmark::kMillisecond);

// The same at every stage of solving, where chains are found.
void BM_HintNextStepAlongThePaths(benchmark::State& state) {
    static const std::vector<Grid> grids = gridsAlongThePaths();
    answerAll(state, nextStep, grids);
}
BENCHMARK(BM_HintNextStepAlongThePaths)->Unit(benchmark::kMillisecond);

void BM_CheckSolutions(benchmark::State& state) {
    static const std::vector<Grid> puzzles = cellwright::bench::ratedPuzzles(0, 200);
    answerAll(
        state, [](const Grid& grid) { return cellwright::teaching::checkSolutions(grid, Grid{}); },
        puzzles);
}
BENCHMARK(BM_CheckSolutions)->Unit(benchmark::kMillisecond);

void BM_Difficulty(benchmark::State& state) {
    static const std::vector<Grid> puzzles = cellwright::bench::ratedPuzzles(0, 200);
    answerAll(
        state, [](const Grid& grid) { return cellwright::teaching::difficulty(grid); }, puzzles);
}
BENCHMARK(BM_Difficulty)->Unit(benchmark::kMillisecond);

} // namespace
