#pragma once

#include "cli/options.hpp"
#include "cli/output.hpp"
#include "cli/puzzle_source.hpp"
#include "counter/solution_count.hpp"

#include <string>

namespace cellwright::cli {

// One puzzle's count in the chosen format, ending with a newline: "No
// solution", "Unique solution" and the solution, "K solutions" below the limit
// or "At least N solutions" at it. Only a count below the limit is exact, so a
// puzzle is unique only when the limit is above 1. source, when not empty,
// names the input the puzzle came from.
std::string formatCount(const Digits& puzzle, const counter::CountResult& count,
                        std::uint32_t limit, Format format, const std::string& source);

// Counting as the run's job on each puzzle: counts the solutions of every
// puzzle of the source up to the limit, writes each count in the chosen
// format, then the summary. Returns the exit status: every puzzle unique, any
// with no solution or several, or trouble with the input or output.
int runCount(const Options& options, PuzzleSource& source, Output& output);

} // namespace cellwright::cli
