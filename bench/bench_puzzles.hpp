#pragma once

#include "files/puzzle_line.hpp"

#include <fstream>
#include <string>
#include <vector>

namespace cellwright::bench {

// Up to limit puzzles of the benchmark collection, one 81-character line each.
// Empty when the file cannot be read: callers skip with an error, never crash.
inline std::vector<Digits> benchPuzzles(std::size_t limit = 100000) {
    std::vector<Digits> puzzles;
    std::ifstream in(CELLWRIGHT_BENCH_PUZZLES);
    std::string line;
    std::string reason;
    while (puzzles.size() < limit && std::getline(in, line)) {
        if (const auto digits = parsePuzzleLine(line, reason))
            puzzles.push_back(*digits);
    }
    return puzzles;
}

inline constexpr const char* kNoPuzzles = "no puzzles could be read from " CELLWRIGHT_BENCH_PUZZLES;

} // namespace cellwright::bench
