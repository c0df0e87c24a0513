#include "engine/candidates.hpp"
#include "support/test_boards.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace cellwright;

void runMinProbability(benchmark::State& state, Board board) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(getMinProbability(board));
        benchmark::ClobberMemory();
    }
}

void BM_MinProbabilityEmpty(benchmark::State& state) {
    runMinProbability(state, Board{});
}
void BM_MinProbabilityPuzzle(benchmark::State& state) {
    runMinProbability(state, test::boardOf(test::kHardPuzzle));
}
void BM_MinProbabilityFull(benchmark::State& state) {
    runMinProbability(state, test::boardOf(test::kSolution));
}

BENCHMARK(BM_MinProbabilityEmpty);
BENCHMARK(BM_MinProbabilityPuzzle);
BENCHMARK(BM_MinProbabilityFull);

} // namespace
