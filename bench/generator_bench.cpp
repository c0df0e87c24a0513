#include "counter/solution_count.hpp"
#include "generator/puzzle_generator.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace cellwright::generator;

// Minimal unique puzzles on one thread, one stream each, as a run of
// cellwright-generate makes them; the argument is the symmetry.
void BM_MinimalPuzzles(benchmark::State& state) {
    const auto symmetry = static_cast<Symmetry>(state.range(0));
    std::uint64_t index = 0;
    std::int64_t givens = 0;
    for (auto _ : state) {
        const Puzzle puzzle = makePuzzle(20260101, index++, symmetry);
        for (const std::int8_t digit : puzzle.givens)
            givens += digit != 0;
    }
    state.SetLabel(std::string(symmetryName(symmetry)));
    state.SetItemsProcessed(state.iterations());
    state.counters["givens"] =
        benchmark::Counter(static_cast<double>(givens), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MinimalPuzzles)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// The complete grids the puzzles start from.
void BM_RandomSolutions(benchmark::State& state) {
    RandomStream random(20260101, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(randomSolution(random));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomSolutions)->Unit(benchmark::kMicrosecond);

} // namespace
