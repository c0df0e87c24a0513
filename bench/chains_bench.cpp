// Rating speed where the chaining techniques work: random minimal puzzles
// (about a quarter of them need chains) and the sample's puzzles above 6.2.
#include "counter/solution_count.hpp"
#include "logic/rating.hpp"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using cellwright::logic::Digits;
using cellwright::counter::countSolutions;

// Digits added at random until the puzzle has one solution, then givens taken
// away in random order while it keeps one: a random minimal puzzle.
Digits randomMinimalPuzzle(std::mt19937& random) {
    Digits puzzle{};
    std::uniform_int_distribution<int> anyCell(0, 80);
    std::uniform_int_distribution<int> anyDigit(1, 9);
    for (;;) {
        const int cell = anyCell(random);
        if (puzzle[cell] != 0)
            continue;
        puzzle[cell] = static_cast<std::int16_t>(anyDigit(random));
        const auto solutions = countSolutions(puzzle, 2).solutions;
        if (solutions == 0)
            puzzle[cell] = 0;
        if (solutions == 1)
            break;
    }
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (int cell : order) {
        const auto given = puzzle[cell];
        puzzle[cell] = 0;
        if (given != 0 && countSolutions(puzzle, 2).solutions != 1)
            puzzle[cell] = given;
    }
    return puzzle;
}

std::vector<Digits> randomMinimalPuzzles(int count) {
    std::mt19937 random(20261207);
    std::vector<Digits> puzzles;
    for (int i = 0; i < count; ++i)
        puzzles.push_back(randomMinimalPuzzle(random));
    return puzzles;
}

std::vector<Digits> samplePuzzlesAbove(int tenths) {
    std::vector<Digits> puzzles;
    std::ifstream in(CELLWRIGHT_RATED_PUZZLES);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string puzzle;
        double er = 0;
        if (line.empty() || line[0] == '#' || !(fields >> puzzle >> er) || puzzle.size() != 81 ||
            er * 10 + 0.5 < tenths)
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

// One thread rates every puzzle; per_puzzle is the mean time of a rating,
// max_rss_kb the process's peak resident memory so far.
void rateAll(benchmark::State& state, const std::vector<Digits>& puzzles) {
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles");
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

// The target: at most 2 ms a puzzle on average.
void BM_RateRandomMinimal(benchmark::State& state) {
    static const std::vector<Digits> puzzles = randomMinimalPuzzles(500);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateRandomMinimal)->Unit(benchmark::kMillisecond);

void BM_RateSampleAboveSixTwo(benchmark::State& state) {
    static const std::vector<Digits> puzzles = samplePuzzlesAbove(65);
    rateAll(state, puzzles);
}
BENCHMARK(BM_RateSampleAboveSixTwo)->Unit(benchmark::kMillisecond);

} // namespace
