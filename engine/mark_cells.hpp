#pragma once

#include "engine/board.hpp"

#include <cstdint>

namespace cellwright::detail {

// The verdict code of getMinProbability, and the first cell in row-major order
// among the empty cells with that many candidates (-1 when the code is not a
// count): the cell getCell finds for it.
struct Analysis {
    std::int16_t code;
    std::int16_t firstAtMin;
};

// Writes every cell's marks as if the cell were empty and analyses the board.
// Two paths with identical results: plain C++, and SSE2 where the processor
// has it (every x86-64 does); the path is chosen once, at run time.
Analysis markAllCellsScalar(Board& arr);
Analysis markAllCellsSimd(Board& arr); // the scalar path where SSE2 is missing
bool simdAvailable();

using MarkAllCells = Analysis (*)(Board&);
MarkAllCells chosenMarkAllCells();

} // namespace cellwright::detail
