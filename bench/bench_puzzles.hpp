#pragma once

#include "support/test_boards.hpp"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace cellwright::bench {

// Up to limit puzzles of the benchmark collection, one 81-character line each.
// Empty when the file cannot be read: callers skip with an error, never crash.
inline std::vector<Digits> benchPuzzles(std::size_t limit = 100000) {
    std::vector<Digits> puzzles;
    std::ifstream in(CELLWRIGHT_BENCH_PUZZLES);
    std::string line;
    while (puzzles.size() < limit && std::getline(in, line)) {
        if (const auto digits = test::digitsOf(line))
            puzzles.push_back(*digits);
    }
    return puzzles;
}

// The rated sample's puzzles whose ER, in tenths, lies in [low, high].
inline std::vector<Digits> ratedPuzzles(int low, int high) {
    std::vector<Digits> puzzles;
    std::ifstream in(CELLWRIGHT_RATED_PUZZLES);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string puzzle;
        double er = 0;
        if (line.empty() || line[0] == '#' || !(fields >> puzzle >> er))
            continue;
        const int tenths = static_cast<int>(er * 10 + 0.5);
        const auto digits = test::digitsOf(puzzle);
        if (digits && tenths >= low && tenths <= high)
            puzzles.push_back(*digits);
    }
    return puzzles;
}

inline constexpr const char* kNoPuzzles = "no puzzles could be read from " CELLWRIGHT_BENCH_PUZZLES;

// A benchmark program's exit status: a collection that could not be read is
// said once more at the end and fails the run, never taken for a result.
inline int exitStatusForPuzzles() {
    if (!benchPuzzles(1).empty())
        return 0;
    std::fprintf(stderr, "%s\n", kNoPuzzles);
    return 1;
}

} // namespace cellwright::bench
