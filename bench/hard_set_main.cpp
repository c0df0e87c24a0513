// Prints the hard set, one 81-character puzzle a line, for timing whole runs
// of cellwright-solve on the same puzzles that the benchmarks count.
#include "hard_set.hpp"

#include "files/puzzle_line.hpp"

#include <cstdio>

int main() {
    const auto set = cellwright::bench::hardSet();
    if (set.empty()) {
        std::fprintf(stderr, "%s\n", cellwright::bench::kNoPuzzles);
        return 1;
    }
    for (const cellwright::Digits& puzzle : set) {
        cellwright::Board board;
        cellwright::placeDigits(board, puzzle);
        std::printf("%s\n", cellwright::puzzleLineOf(board).c_str());
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
