#pragma once

#include "cli/backup_directory.hpp"
#include "cli/options.hpp"
#include "cli/output.hpp"
#include "cli/puzzle_source.hpp"

namespace cellwright::cli {

// The solver as the run's job on each puzzle: solves the puzzles of the
// source as the Solve button would, writes each result in the chosen format,
// then the summary. Returns the exit status. backups is null for backups in
// memory.
int runSolve(const Options& options, PuzzleSource& source, Output& output,
             BackupDirectory* backups);

} // namespace cellwright::cli
