#pragma once

#include "engine/board.hpp"

#include <cstdint>

namespace cellwright::detail {

// Writes every cell's marks as if the cell were empty and returns the verdict
// code of getMinProbability. Two paths with identical results: plain C++, and
// SSE2 where the processor has it (every x86-64 does); the path is chosen once,
// at run time.
std::int16_t markAllCellsScalar(Board& arr);
std::int16_t markAllCellsSimd(Board& arr); // the scalar path where SSE2 is missing
bool simdAvailable();

using MarkAllCells = std::int16_t (*)(Board&);
MarkAllCells chosenMarkAllCells();

} // namespace cellwright::detail
