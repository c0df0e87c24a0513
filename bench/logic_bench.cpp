#include "bench_puzzles.hpp"
#include "logic/rating.hpp"
#include "support/random_puzzle.hpp"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <random>
#include <vector>

namespace {

using cellwright::logic::Digits;

// Rating every puzzle of a set on one thread; per_puzzle is the mean time of
// one rating, max_rss_kb the process's peak resident memory so far.
void rateAll(benchmark::State& state, const std::vector<Digits>& puzzles) {
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles could be read from " CELLWRIGHT_RATED_PUZZLES);
        return;
    }
    for (auto _ : state) {
        for (const Digits& puzzle : puzzles)
            benchmark::DoNotOptimize(cellwright::logic::rate(puzzle));
    }
    const auto count = static_cast<double>(puzzles.size());
    state.counters["puzzles"] = count;
    state.counters["per_puzzle"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["max_rss_kb"] = static_cast<double>(usage.ru_maxrss);
}

// Puzzles rated up to 4.4 (Easy to Hard): the target is 0.2 ms each.
void BM_RateUpToHard(benchmark::State& state) {
    static const std::vector<Digits> puzzles = cellwright::bench::ratedPuzzles(0, 44);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateUpToHard)->Unit(benchmark::kMillisecond);

// The Fiendish band, up to 6.2, where unique loops, BUG and exclusions come in.
void BM_RateFiendish(benchmark::State& state) {
    static const std::vector<Digits> puzzles = cellwright::bench::ratedPuzzles(45, 62);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateFiendish)->Unit(benchmark::kMillisecond);

// The whole sample, up to where the techniques run out on the harder ones.
void BM_RateSample(benchmark::State& state) {
    static const std::vector<Digits> puzzles = cellwright::bench::ratedPuzzles(0, 200);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateSample)->Unit(benchmark::kMillisecond);

// Random minimal puzzles, about a quarter of which need chains: the target
// is at most 2 ms a puzzle on average.
void BM_RateRandomMinimal(benchmark::State& state) {
    static const std::vector<Digits> puzzles = [] {
        std::mt19937 random(20261207);
        std::vector<Digits> made;
        for (int i = 0; i < 500; ++i)
            made.push_back(cellwright::test::randomMinimalPuzzle(random));
        return made;
    }();
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateRandomMinimal)->Unit(benchmark::kMillisecond);

// The sample's puzzles above 6.2, where the chaining techniques work.
void BM_RateSampleAboveSixTwo(benchmark::State& state) {
    static const std::vector<Digits> puzzles = cellwright::bench::ratedPuzzles(65, 200);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateSampleAboveSixTwo)->Unit(benchmark::kMillisecond);

// The hard collection of bench.txt: mostly how fast the techniques give up.
void BM_RateBenchPuzzles(benchmark::State& state) {
    const auto loaded = cellwright::bench::benchPuzzles();
    const std::vector<Digits> puzzles(loaded.begin(), loaded.end());
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateBenchPuzzles)->Unit(benchmark::kMillisecond);

} // namespace
