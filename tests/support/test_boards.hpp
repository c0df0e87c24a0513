#pragma once

#include "engine/board.hpp"
#include "files/puzzle_line.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace cellwright::test {

// A well-known puzzle with a unique solution, and that solution.
inline constexpr std::string_view kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
inline constexpr std::string_view kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// A hard puzzle that needs many guesses ("AI Escargot").
inline constexpr std::string_view kHardPuzzle =
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..";
// No clash, every empty cell has two candidates or more; the first with exactly
// two is (6, 0), with 4 and 6, and each runs into a dead end by singles alone.
inline constexpr std::string_view kTwoDeadEnds =
    "5.8....1...2...3.....3........7..8.38......6..1......9.9.5.1...2.7.....53.5...1..";

// Empty; and a dead end without a clash: row 0 holds 1..8 around cell (0, 4),
// whose column holds the 9.
inline constexpr std::string_view kEmptyBoard =
    ".................................................................................";
inline constexpr std::string_view kDeadEnd =
    "1234.5678........................................9...............................";

// A line (by default an empty board) with more digits placed: {index, digit}.
inline std::string lineWith(std::initializer_list<std::pair<int, char>> digits,
                            std::string line = std::string(81, '.')) {
    for (const auto& [index, digit] : digits)
        line[static_cast<std::size_t>(index)] = digit;
    return line;
}
// The digits of a line of exactly 81 cells, 1..9 and '.' or '0' for an empty
// one (a trailing CR is dropped); nothing for any other line.
inline std::optional<Digits> digitsOf(std::string_view line) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    if (line.size() != kCellCount)
        return std::nullopt;
    Digits digits{};
    for (int i = 0; i < kCellCount; ++i) {
        const char ch = line[static_cast<std::size_t>(i)];
        if (ch != '.' && (ch < '0' || ch > '9'))
            return std::nullopt;
        digits[i] = static_cast<std::int16_t>(ch == '.' ? 0 : ch - '0');
    }
    return digits;
}
inline Board boardOf(std::string_view line) {
    const auto digits = digitsOf(line);
    if (!digits)
        throw std::invalid_argument("bad test board: " + std::string(line));
    Board board;
    placeDigits(board, *digits);
    return board;
}

// True when the digits form a complete grid with every row, column and box
// holding 1..9 once, and every given of the puzzle is kept.
inline bool solves(const Board& board, std::string_view puzzle) {
    std::array<unsigned, 27> seen{}; // rows, columns, boxes
    for (int i = 0; i < 81; ++i) {
        const int v = board.digit(i);
        const char given = puzzle[static_cast<std::size_t>(i)];
        if (v < 1 || v > 9 || (given >= '1' && given <= '9' && v != given - '0'))
            return false;
        for (const int unit : {i / 9, 9 + i % 9, 18 + i / 27 * 3 + i % 9 / 3})
            seen[static_cast<std::size_t>(unit)] |= 1U << v;
    }
    return std::all_of(seen.begin(), seen.end(), [](unsigned s) { return s == 0x3FEU; });
}

} // namespace cellwright::test
