#include "bench_puzzles.hpp"
#include "logic/rating.hpp"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using cellwright::logic::Digits;

// The rated sample's puzzles whose ER (tenths) lies in [low, high].
std::vector<Digits> ratedPuzzles(int low, int high) {
    std::vector<Digits> puzzles;
    std::ifstream in(CELLWRIGHT_RATED_PUZZLES);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string puzzle;
        double er = 0;
        if (line.empty() || line[0] == '#' || !(fields >> puzzle >> er) || puzzle.size() != 81)
            continue;
        const int tenths = static_cast<int>(er * 10 + 0.5);
        if (tenths < low || tenths > high)
            continue;
        Digits digits{};
        for (std::size_t i = 0; i < 81; ++i)
            digits[i] = puzzle[i] >= '1' && puzzle[i] <= '9'
                            ? static_cast<std::int16_t>(puzzle[i] - '0')
                            : 0;
        puzzles.push_back(digits);
    }
    return puzzles;
}

// Rating every puzzle of a set on one thread; per_puzzle is the mean time of
// one rating.
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
}

// Puzzles rated up to 4.4 (Easy to Hard): the target is 0.2 ms each.
void BM_RateUpToHard(benchmark::State& state) {
    static const std::vector<Digits> puzzles = ratedPuzzles(0, 44);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateUpToHard)->Unit(benchmark::kMillisecond);

// The Fiendish band, up to 6.2, where unique loops, BUG and exclusions come in.
void BM_RateFiendish(benchmark::State& state) {
    static const std::vector<Digits> puzzles = ratedPuzzles(45, 62);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateFiendish)->Unit(benchmark::kMillisecond);

// The whole sample, up to where the techniques run out on the harder ones.
void BM_RateSample(benchmark::State& state) {
    static const std::vector<Digits> puzzles = ratedPuzzles(0, 200);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateSample)->Unit(benchmark::kMillisecond);

// The hard collection of bench.txt: mostly how fast the techniques give up.
void BM_RateBenchPuzzles(benchmark::State& state) {
    const auto loaded = cellwright::bench::benchPuzzles();
    const std::vector<Digits> puzzles(loaded.begin(), loaded.end());
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateBenchPuzzles)->Unit(benchmark::kMillisecond);

} // namespace
