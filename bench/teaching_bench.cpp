// The window's teaching commands on every puzzle of the rated sample, as the
// window asks them: the whole next step, the solution check and the
// difficulty. An answer within 100 ms shows at once; worst_ms says how close
// the slowest puzzle comes.
#include "ui/teaching_answers.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using cellwright::teaching::Answer;
using cellwright::teaching::Grid;

std::vector<Grid> samplePuzzles() {
    std::vector<Grid> puzzles;
    std::ifstream in(CELLWRIGHT_RATED_PUZZLES);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 81 || line[0] == '#')
            continue;
        Grid grid{};
        for (std::size_t i = 0; i < 81; ++i)
            grid[i] =
                line[i] >= '1' && line[i] <= '9' ? static_cast<std::int16_t>(line[i] - '0') : 0;
        puzzles.push_back(grid);
    }
    return puzzles;
}

void answerAll(benchmark::State& state, const std::function<Answer(const Grid&)>& command) {
    static const std::vector<Grid> puzzles = samplePuzzles();
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles could be read from " CELLWRIGHT_RATED_PUZZLES);
        return;
    }
    double worst = 0;
    for (auto _ : state) {
        for (const Grid& puzzle : puzzles) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(command(puzzle));
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            worst = std::max(worst, took.count());
        }
    }
    const auto count = static_cast<double>(puzzles.size());
    state.counters["puzzles"] = count;
    state.counters["per_puzzle"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["worst_ms"] = worst;
}

void BM_HintNextStep(benchmark::State& state) {
    answerAll(state, [](const Grid& grid) {
        return cellwright::teaching::hint(grid, cellwright::teaching::HintLevel::NextStep);
    });
}
BENCHMARK(BM_HintNextStep)->Unit(benchmark::kMillisecond);

void BM_CheckSolutions(benchmark::State& state) {
    answerAll(state,
              [](const Grid& grid) { return cellwright::teaching::checkSolutions(grid, Grid{}); });
}
BENCHMARK(BM_CheckSolutions)->Unit(benchmark::kMillisecond);

void BM_Difficulty(benchmark::State& state) {
    answerAll(state, [](const Grid& grid) { return cellwright::teaching::difficulty(grid); });
}
BENCHMARK(BM_Difficulty)->Unit(benchmark::kMillisecond);

} // namespace
