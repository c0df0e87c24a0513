#pragma once

#include "files/puzzle_line.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cellwright::cli {

// What one "Solve" did to one puzzle.
struct Outcome {
    Digits puzzle{};
    Board board;         // the digits as the window would show them afterwards
    std::string message; // the message line after the last pass
    std::int64_t passes = 0;
    std::int64_t guesses = 0;
    std::int64_t backouts = 0;
    std::int16_t maxDepth = 0;
    std::int64_t micros = 0;

    bool solved() const;
};

// Solves like the window's Solve: cleared state, the digits into layer 0, passes
// until one ends the search. Backups in memory, or as files in backupDir.
Outcome solvePuzzle(const Digits& puzzle, const std::optional<std::string>& backupDir);

// Solves every puzzle, jobs at a time, and hands the outcomes to emit in input
// order, each as soon as it and all before it are done.
void solveAll(const std::vector<Digits>& puzzles, unsigned jobs,
              const std::optional<std::string>& backupDir,
              const std::function<void(std::size_t, const Outcome&)>& emit);

} // namespace cellwright::cli
