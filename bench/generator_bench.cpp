#include "cli/generate_rater.hpp"
#include "generator/puzzle_generator.hpp"
#include "generator/rating.hpp"

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

// Puzzles of a level, as --level makes them on one thread: tries made and
// rated until one is in the band. Time per kept puzzle; tries_per_puzzle says
// how rare the level is among minimal puzzles of the symmetry.
void BM_PuzzlesOfALevel(benchmark::State& state) {
    static constexpr const char* kLevels[] = {"easy", "medium", "hard", "fiendish"};
    const char* level = kLevels[state.range(0)];
    const auto symmetry = static_cast<Symmetry>(state.range(1));
    const Band band = *cellwright::cli::levelBand(level);
    const Rater rater = cellwright::cli::programRater();
    std::uint64_t index = 0;
    for (auto _ : state) {
        for (;;) {
            const Puzzle puzzle = makePuzzle(20260101, index++, symmetry);
            if (ratingInBand(puzzle.givens, band, rater, nullptr))
                break;
        }
    }
    state.SetLabel(std::string(level) + " " + std::string(symmetryName(symmetry)));
    state.SetItemsProcessed(state.iterations());
    state.counters["tries_per_puzzle"] =
        benchmark::Counter(static_cast<double>(index), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PuzzlesOfALevel)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
