#pragma once

#include "cli/options.hpp"
#include "generator/puzzle_generator.hpp"
#include "generator/rating.hpp"

#include <cstdint>
#include <optional>
#include <string>

namespace cellwright::cli {

// A puzzle as the run made it.
struct MadePuzzle {
    generator::Puzzle puzzle;
    std::optional<generator::Rating> rating; // none when no rating was asked for
    std::uint64_t seed = 0;                  // the run's
};

// One puzzle in the chosen format, ending with a newline:
// - line: the puzzle, its ER ("-" when unrated) and its solution, TAB-separated;
// - text: a line about it, then the puzzle as nine rows;
// - grid: the same line, then the puzzle drawn with box lines;
// - json: puzzle, solution, er, ep, ed, bound, technique (null when unrated),
//   givens, symmetry and seed.
std::string formatMade(const MadePuzzle& made, Format format);

} // namespace cellwright::cli
