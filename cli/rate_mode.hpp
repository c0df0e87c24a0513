#pragma once

#include "cli/options.hpp"
#include "cli/output.hpp"
#include "cli/puzzle_source.hpp"

namespace cellwright::cli {

// Rating (--rate) or explaining (--explain) as the run's job on each puzzle:
// the counting engine first tells whether the puzzle has exactly one
// solution, as only then do a person's steps lead to it; the logical solver
// then rates it, or lists its steps and rates it. Writes each result in the
// chosen format, then the summary: the puzzles per band, those only bounded,
// those not rated and the time. Returns the exit status: every puzzle rated,
// any not rated, or trouble with the input or output.
int runRate(const Options& options, PuzzleSource& source, Output& output);

} // namespace cellwright::cli
