#pragma once

#include "engine/board.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cellwright {

using Digits = std::array<std::int16_t, kCellCount>;

// One puzzle a line: exactly 81 characters, digits 1..9, and '.' or '0' for an
// empty cell (a trailing CR is tolerated). On failure, reason says what is wrong.
std::optional<Digits> parsePuzzleLine(std::string_view line, std::string& reason);

// The 81-character form of a board's digits, '.' for an empty cell.
std::string puzzleLineOf(const Board& board);

// Puts digits into layer 0 of a board (all valid by construction).
void placeDigits(Board& board, const Digits& digits);

} // namespace cellwright
