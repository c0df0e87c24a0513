#pragma once

#include "logic/rating.hpp"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

namespace cellwright::teaching {

// The answers of the window's teaching commands (the hints, the solution
// check and the difficulty) as texts for the message line. Standard library,
// the logical solver and the counter only: no widgets.
//
// Contract:
// - A grid is the 81 cells as the user sees them, row-major: 1..9 is a digit
//   (given or typed, alike), anything else an empty cell. Candidates are
//   worked out afresh from the digits, as the logical solver does; no earlier
//   analysis is looked at.
// - Nothing here changes a grid: an answer is a text and, for the whole next
//   step, the cell the focus should go to.
// - A grid that is no proper puzzle (two equal digits in a house, no
//   solution, several solutions) gets an answer that says so instead.
// - cancel, when given, is polled during the longer searches; once raised,
//   the answer is the best known so far and says that it stopped.
// - Texts are UTF-8.

using Grid = logic::Digits;

enum class HintLevel : std::uint8_t {
    WhereToLook, // the technique and the house
    WhichDigit,  // the technique, the digit and the house
    NextStep,    // the whole step, and the focus to its cell
};

struct Answer {
    std::string text;
    int focusCell = -1; // -1: the focus stays where it is
};

Answer hint(const Grid& grid, HintLevel level, const std::atomic<bool>* cancel = nullptr);

// "No solution", "Unique solution" or "Several solutions". Without a clash,
// "No solution" names the first digit (row-major) not among givens whose
// removal makes the grid solvable, if there is one. givens: the digits the
// puzzle came with (all empty when it was typed in).
Answer checkSolutions(const Grid& grid, const Grid& givens,
                      const std::atomic<bool>* cancel = nullptr);

// The rating of the grid as it stands and its band, with the hardest step;
// or why it has none. soFar, when given, follows the rating as it goes: the
// value (in tenths) of the hardest step rated yet.
Answer difficulty(const Grid& grid, const std::atomic<bool>* cancel = nullptr,
                  std::atomic<int>* soFar = nullptr);

// The text of one step at a hint level, and where the focus goes for it: the
// cell it places a digit in, else the first cell it removes a candidate from.
std::string stepText(const logic::Step& step, HintLevel level);
int stepFocus(const logic::Step& step);

// "row 4, column 6": a cell as the answers name it.
std::string cellInWords(int cell);

} // namespace cellwright::teaching
