#pragma once

#include "engine/board.hpp"
#include "engine/mark_cells.hpp"

namespace cellwright::detail {

// The analysis of markAllCells, with identical results, but computed from the
// board's open cells of each digit and without writing any marks: for a
// search that reads no marks between its passes.
Analysis analyseWithoutMarks(Board& arr);

// The simple-fill sweep from cell `from`, a single candidate at the start,
// without writing marks: the same digits land in the same cells, which it
// returns.
CellSet sweepWithoutMarks(Board& arr, int from);

} // namespace cellwright::detail
