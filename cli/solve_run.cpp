#include "cli/solve_run.hpp"

#include <chrono>

namespace cellwright::cli {

namespace {

// What a pass did, from its report and the board it left.
PassRecord recordPass(const PassReport& pass, const EngineState& after) {
    PassRecord record;
    record.depth = after.guessDepth;
    switch (pass.action) {
    case PassAction::End:
        record.action = PassRecord::Action::End;
        record.verdict = pass.verdict;
        break;
    case PassAction::Guess:
        record.action = PassRecord::Action::Guess;
        record.guessDepth = pass.level;
        record.guess = {pass.cell, pass.digit};
        for (int digit = 1; digit <= kSize; ++digit) {
            if (pass.candidates & digitBit(digit))
                record.candidates.push_back(digit);
        }
        break;
    case PassAction::BackOut:
        record.action = PassRecord::Action::BackOut;
        break;
    case PassAction::Fill:
        for (int i = 0; i < kCellCount; ++i) {
            if ((pass.filled & kSingleCell[i]).any())
                record.filled.push_back({i, after.board.digit(i)});
        }
        break;
    }
    return record;
}

SolveResult solveStepByStep(EngineState& state, SolverHost& host, const PassSink& trace) {
    SolveResult result;
    for (;;) {
        const PassReport pass = solveBoard(state, host);
        const bool ended = result.add(pass, state.guessDepth);
        PassRecord record = recordPass(pass, state);
        record.pass = result.passes;
        trace(record);
        if (ended)
            return result;
    }
}

} // namespace

Outcome solvePuzzle(const Digits& puzzle, SolverHost& host, const PassSink& trace) {
    Outcome outcome;
    outcome.puzzle = puzzle;
    const auto start = std::chrono::steady_clock::now();
    EngineState state;
    clearData(state);
    placeDigits(state.board, puzzle);
    const SolveResult run = trace ? solveStepByStep(state, host, trace) : solveToEnd(state, host);
    outcome.micros = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
    outcome.board = state.board;
    outcome.verdict = run.verdict;
    outcome.passes = run.passes;
    outcome.maxDepth = run.maxDepth;
    outcome.guesses = run.guesses;
    outcome.backouts = run.backouts;
    if (outcome.backupFailed()) {
        // The board may hold guesses the search could not take back: it is
        // no outcome, so the givens are shown instead.
        outcome.board = Board{};
        placeDigits(outcome.board, puzzle);
    }
    return outcome;
}

} // namespace cellwright::cli
