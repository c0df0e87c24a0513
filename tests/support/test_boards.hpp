#pragma once

#include "engine/board.hpp"
#include "files/puzzle_line.hpp"

#include <stdexcept>
#include <string>
#include <string_view>

namespace cellwright::test {

// A well-known puzzle with a unique solution, and that solution.
inline constexpr std::string_view kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
inline constexpr std::string_view kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// A hard puzzle that needs many guesses ("AI Escargot").
inline constexpr std::string_view kHardPuzzle =
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..";

// A board without a clash on which every empty cell has at least two
// candidates; the first with exactly two is (6, 0), with candidates 4 and 6,
// and each of them runs into a dead end by simple filling alone.
inline constexpr std::string_view kTwoDeadEnds =
    "5.8....1...2...3.....3........7..8.38......6..1......9.9.5.1...2.7.....53.5...1..";

inline Board boardOf(std::string_view line) {
    std::string reason;
    const auto digits = parsePuzzleLine(line, reason);
    if (!digits)
        throw std::invalid_argument("bad test board: " + reason);
    Board board;
    placeDigits(board, *digits);
    return board;
}

// True when the digits form a complete grid with every row, column and box
// holding 1..9 once, and every given of the puzzle is kept.
inline bool solves(const Board& board, std::string_view puzzle) {
    for (int unit = 0; unit < 27; ++unit) {
        unsigned seen = 0;
        for (int k = 0; k < 9; ++k) {
            int row = 0, col = 0;
            if (unit < 9) {
                row = unit, col = k;
            } else if (unit < 18) {
                row = k, col = unit - 9;
            } else {
                row = 3 * ((unit - 18) / 3) + k / 3, col = 3 * ((unit - 18) % 3) + k % 3;
            }
            const int v = board.digit(row, col);
            if (v < 1 || v > 9)
                return false;
            seen |= 1U << v;
        }
        if (seen != 0x3FEU)
            return false;
    }
    for (int i = 0; i < 81; ++i) {
        const char given = puzzle[static_cast<std::size_t>(i)];
        if (given >= '1' && given <= '9' && board.digit(i) != given - '0')
            return false;
    }
    return true;
}

} // namespace cellwright::test
