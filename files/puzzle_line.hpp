#pragma once

#include "engine/board.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace cellwright {

using Digits = std::array<std::int16_t, kCellCount>;

// The 81-character form of a board's digits, '.' for an empty cell.
std::string puzzleLineOf(const Board& board);

// Puts digits into layer 0 of a board (all valid by construction).
void placeDigits(Board& board, const Digits& digits);

} // namespace cellwright
