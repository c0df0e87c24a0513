#pragma once

#include <array>
#include <cstdint>

namespace cellwright::counter {

// Counting engine: tells whether a puzzle has no solution, exactly one or
// several, and how many up to a limit. It is independent of the step-by-step
// engine in engine/ (which stops at its first solution) and uses only the
// standard library.
//
// Contract of countSolutions:
// - cells is row-major; 0 is an empty cell, 1..9 a given.
// - A cell value outside 0..9 gives 0 solutions. Givens that clash (the same
//   digit twice in a row, column or box) give 0 at once, without a search.
// - The count is exact while it is below the limit and equals the limit once
//   that many solutions exist; the search stops there. An empty or nearly empty
//   grid therefore reaches the limit quickly instead of counting every grid.
// - limit is clamped to 1..1'000'000.
// - solution holds the first solution found (digits 1..9) when solutions >= 1,
//   and is all 0 otherwise.
// - No allocation and no shared state: calls may run on many threads at once.

using Cells = std::array<std::int16_t, 81>; // same shape as cellwright::Digits

inline constexpr std::uint32_t kMaxSolutionLimit = 1'000'000;

struct CountResult {
    std::uint32_t solutions = 0;            // exact count, capped at the limit
    std::array<std::int8_t, 81> solution{}; // the first solution found when solutions >= 1
};

CountResult countSolutions(const Cells& cells, std::uint32_t limit);

// Whether the puzzle has a solution in which cell (0..80) holds a digit other
// than digit (1..9). A caller that knows one solution asks this of a cell
// instead of counting to two: the excluded digit prunes at once, and the search
// ends at the first solution it meets. False for clashing givens and for a
// cell or digit out of range; a given at cell equal to digit leaves nothing.
bool hasSolutionWithout(const Cells& cells, int cell, int digit);

} // namespace cellwright::counter
