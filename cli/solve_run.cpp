#include "cli/solve_run.hpp"

#include "engine/messages.hpp"

#include <chrono>

namespace cellwright::cli {

bool Outcome::solved() const {
    return message == kBoardSolved;
}

bool Outcome::backupFailed() const {
    return message == kErrorSavingBoard || message == kErrorLoadingBoard;
}

namespace {

// Tells from the state before and after a pass what the pass did.
// A guess with the ninth candidate backs out in the same pass; it is told as
// the guess it is.
PassRecord recordPass(const EngineState& before, const EngineState& after, bool ended,
                      const HeadlessHost::Counts& countsBefore, const HeadlessHost& host) {
    PassRecord record;
    record.depth = after.guessDepth;
    if (ended) {
        record.action = PassRecord::Action::End;
        record.message = host.message();
    } else if (host.counts().guesses > countsBefore.guesses) {
        record.action = PassRecord::Action::Guess;
        record.guessDepth = before.guessDepth;
        const GuessEntry& entry = after.guessStack[before.guessDepth];
        const int cell = gridIndex(entry.row, entry.col);
        // The marks are those of the pass's analysis (placing a guess leaves
        // them); the digit is the one the stack says was tried, or the ninth,
        // whose back-out in the same pass has reset the stack.
        const Board::Mask marks = after.board.marks(cell);
        for (int digit = 1; digit <= kSize; ++digit) {
            if ((marks >> (digit - 1)) & 1U)
                record.candidates.push_back(digit);
        }
        const int tried = after.guessStack[before.guessDepth].nextCandidate;
        const bool known = tried >= 1 && tried <= static_cast<int>(record.candidates.size());
        record.guess = {cell, known ? record.candidates[static_cast<std::size_t>(tried - 1)]
                                    : (record.candidates.empty() ? 0 : record.candidates.back())};
    } else if (host.counts().backouts > countsBefore.backouts) {
        record.action = PassRecord::Action::BackOut;
    } else {
        for (int i = 0; i < kCellCount; ++i) {
            if (after.board.digit(i) != before.board.digit(i))
                record.filled.push_back({i, after.board.digit(i)});
        }
    }
    return record;
}

SolveResult solveStepByStep(EngineState& state, HeadlessHost& host,
                            std::vector<PassRecord>& trace) {
    SolveResult result;
    bool done = false;
    while (!done) {
        const EngineState before = state;
        const HeadlessHost::Counts countsBefore = host.counts();
        done = solveBoard(state, host);
        ++result.passes;
        if (state.guessDepth > result.maxDepth)
            result.maxDepth = state.guessDepth;
        trace.push_back(recordPass(before, state, done, countsBefore, host));
        trace.back().pass = result.passes;
    }
    return result;
}

} // namespace

Outcome solvePuzzle(const Digits& puzzle, HeadlessHost& host, bool trace) {
    Outcome outcome;
    outcome.puzzle = puzzle;
    const auto start = std::chrono::steady_clock::now();
    EngineState state;
    clearData(state);
    placeDigits(state.board, puzzle);
    const SolveResult run =
        trace ? solveStepByStep(state, host, outcome.trace) : solveToEnd(state, host);
    outcome.micros = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
    outcome.board = state.board;
    outcome.message = host.message();
    outcome.passes = run.passes;
    outcome.maxDepth = run.maxDepth;
    outcome.guesses = host.counts().guesses;
    outcome.backouts = host.counts().backouts;
    if (outcome.backupFailed()) {
        // The board may hold guesses the search could not take back: it is
        // no outcome, so the givens are shown instead.
        outcome.board = Board{};
        placeDigits(outcome.board, puzzle);
    }
    return outcome;
}

} // namespace cellwright::cli
