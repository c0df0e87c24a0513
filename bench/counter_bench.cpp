#include "bench_puzzles.hpp"
#include "counter/solution_count.hpp"
#include "hard_set.hpp"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using cellwright::counter::Cells;

// Telling unique puzzles from the rest (limit 2) over a set of puzzles on one
// thread; per_puzzle is the time one puzzle takes.
void countAll(benchmark::State& state, const std::vector<Cells>& puzzles) {
    if (puzzles.empty()) {
        state.SkipWithError(cellwright::bench::kNoPuzzles);
        return;
    }
    std::uint64_t unique = 0;
    for (auto _ : state) {
        for (const Cells& puzzle : puzzles)
            unique += cellwright::counter::countSolutions(puzzle, 2).solutions == 1;
    }
    if (unique != puzzles.size() * state.iterations())
        state.SkipWithError("a bench puzzle did not count as unique");
    const auto count = static_cast<double>(puzzles.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
    state.counters["puzzles"] = count;
    state.counters["per_puzzle"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// bench.txt, and the hard set that scripts/bench also times cellwright-solve on.
void BM_CountBenchPuzzles(benchmark::State& state) {
    countAll(state, cellwright::bench::benchPuzzles());
}
BENCHMARK(BM_CountBenchPuzzles)->Unit(benchmark::kMillisecond);
void BM_CountHardSet(benchmark::State& state) {
    countAll(state, cellwright::bench::hardSet());
}
BENCHMARK(BM_CountHardSet)->Unit(benchmark::kMillisecond);

// The empty grid up to the largest limit: how fast solutions are enumerated.
void BM_CountEmptyGridToTheLimit(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            cellwright::counter::countSolutions(Cells{}, cellwright::counter::kMaxSolutionLimit));
}
BENCHMARK(BM_CountEmptyGridToTheLimit)->Unit(benchmark::kMillisecond);

} // namespace
