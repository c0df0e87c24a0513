#pragma once

#include "engine/solve_to_end.hpp"
#include "files/puzzle_line.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cellwright::cli {

// What one solver pass did, as Step Solve would have made it.
struct PassRecord {
    enum class Action { Fill, Guess, BackOut, End };
    std::int64_t pass = 0;  // from 1
    std::int16_t depth = 0; // guessDepth after the pass
    Action action = Action::Fill;
    struct Placed {
        int cell = 0; // grid index
        int digit = 0;
    };
    std::vector<Placed> filled;  // Fill: in row-major order
    Placed guess;                // Guess
    std::int16_t guessDepth = 0; // Guess: the depth it was made at
    std::vector<int> candidates; // Guess: the cell's candidates, ascending
    Verdict verdict{};           // End
};

// What one "Solve" did to one puzzle.
struct Outcome {
    Digits puzzle{};
    Board board; // the digits as the window would show them afterwards
    Verdict verdict{};
    std::int64_t passes = 0;
    std::int64_t guesses = 0;
    std::int64_t backouts = 0;
    std::int16_t maxDepth = 0;
    std::int64_t micros = 0;

    // The message line after the last pass.
    std::string message() const { return std::string(messageOf(verdict)); }
    bool solved() const { return verdict == Verdict::Solved; }
    // A backup could not be written or read back: the search stopped short.
    bool backupFailed() const {
        return verdict == Verdict::BackupNotSaved || verdict == Verdict::BackupNotLoaded;
    }
};

// Takes each pass of a traced search as it is made.
using PassSink = std::function<void(const PassRecord&)>;

// Solves like the window's Solve: cleared state, the digits into layer 0, passes
// until one ends the search, backups kept by the host. With a trace, the
// passes are plain ones, each handed to it the moment it is made, so that a
// search of millions of passes is traced in bounded memory; the outcome is the
// same.
Outcome solvePuzzle(const Digits& puzzle, SolverHost& host, const PassSink& trace = {});

} // namespace cellwright::cli
