#pragma once

#include "engine/board.hpp"

#include <array>
#include <cstdint>

namespace cellwright {

// Verdict codes of getMinProbability besides the counts 0..9.
inline constexpr std::int16_t kNoEmptyCell = 100;
inline constexpr std::int16_t kClash = 101;

// Recomputes the nine marks of cell (row, col) from the digits of its row,
// column and box and returns how many remain; lastValue receives the highest
// remaining digit, or 0. A digit in the cell itself strikes itself, so callers
// use it on empty cells.
std::int16_t findProbables(Board& arr, std::int16_t row, std::int16_t col, std::int16_t& lastValue);

// Rewrites the marks of all 81 cells as if each cell were empty: a filled cell
// is marked with its own digit exactly when no peer holds that digit. Layer 0
// is left as it was.
void doProbCheck(Board& arr);

// Runs doProbCheck, then returns kClash if any filled cell's digit is held by a
// peer (this wins over everything), else the smallest candidate count of an
// empty cell (0..9), or kNoEmptyCell when there is none.
std::int16_t getMinProbability(Board& arr);

// Zeroes layers 1..9 of every cell.
void clearProbables(Board& arr);

namespace detail {
inline constexpr std::array<std::uint8_t, 512> kMarkCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned m = 0; m < counts.size(); ++m) {
        unsigned n = 0;
        for (unsigned bits = m; bits != 0; bits >>= 1)
            n += bits & 1U;
        counts[m] = static_cast<std::uint8_t>(n);
    }
    return counts;
}();
} // namespace detail

// Number of marks in a 9-bit mask.
inline int countMarks(Board::Mask marks) {
    return detail::kMarkCounts[marks & Board::kAllMarks];
}

} // namespace cellwright
