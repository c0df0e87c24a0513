#pragma once

#include "engine/board.hpp"

#include <array>
#include <cstdint>

namespace cellwright {

// One level of the depth-first search: the cell guessed there and the position,
// in that cell's ascending candidate list, of the candidate to try next (equal to
// the number of candidates already tried at this level).
struct GuessEntry {
    std::int16_t row = 0;
    std::int16_t col = 0;
    std::int16_t nextCandidate = 0;
    bool operator==(const GuessEntry&) const = default;
};

inline constexpr int kGuessStackSize = 101;
inline constexpr int kMaxGuessDepth = 99; // above this no pass runs

using GuessStack = std::array<GuessEntry, kGuessStackSize>;

// A cell's candidates in ascending order, followed by zeros.
using ProbList = std::array<std::int16_t, kSize>;

// Everything the engine remembers between commands. The window owns exactly one.
struct EngineState {
    Board board;
    GuessStack guessStack{};
    std::int16_t guessDepth = 0;
    bool operator==(const EngineState&) const = default;
};

// Resets the whole board (all layers), guessDepth and every guessStack slot.
void clearData(EngineState& state);

// Finds the first empty cell, in row-major order, with exactly probNumber
// candidate marks as they stand (marks are read, not recomputed). On a match,
// row/col receive the cell and probList its candidates. Without a match row/col
// keep their values and probList holds the candidates of the last empty cell
// examined (untouched if the board has no empty cell).
void getCell(std::int16_t probNumber, const Board& arr, std::int16_t& row, std::int16_t& col,
             ProbList& probList);

} // namespace cellwright
