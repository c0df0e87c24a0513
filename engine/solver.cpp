#include "engine/solver.hpp"

#include "engine/candidates.hpp"
#include "engine/cell_analysis.hpp"
#include "engine/mark_cells.hpp"
#include "engine/messages.hpp"

#include <array>
#include <bit>

namespace cellwright {

namespace {

// The marks of a pass that analysed the board without writing them. They are
// written, from the digits the analysis saw, before the pass ends the search
// or changes the board in a way after which it might, and before the next pass
// stops at the guess limit (it reads these marks as they stand).
class PendingMarks {
  public:
    PendingMarks(Board& board, bool pending) : board_(board), pending_(pending) {}
    void write() {
        if (pending_)
            (void)detail::chosenMarkAllCells()(board_);
        pending_ = false;
    }
    bool pending() const { return pending_; }

  private:
    Board& board_;
    bool pending_;
};

// Abandons the current guess level: restores the board from before the guess
// of the level below, whose entry still names its next candidate. The board
// is unchanged since the analysis unless the marks are written.
bool backOut(EngineState& state, SolverHost& host, PendingMarks& marks) {
    if (state.guessDepth <= 0) {
        marks.write();
        host.showMessage(kBoardUnsolvable, true);
        return true;
    }
    state.guessStack[state.guessDepth].nextCandidate = 0;
    --state.guessDepth;
    if (host.loadBackup(state.guessDepth, state.board))
        return false;
    marks.write(); // a quiet pass runs only where a failed load leaves the board as it was
    return true;
}

// Guesses at the first empty cell with the fewest (m) candidates: the cell
// getCell finds from the marks, or, in a quiet pass, the one the analysis has
// already located (the same cell, with the candidates its marks would hold).
bool guessStep(EngineState& state, SolverHost& host, const detail::Analysis& analysis,
               PendingMarks& marks) {
    const std::int16_t d = state.guessDepth;
    if (!host.saveBackup(d, state.board)) {
        marks.write();
        return true;
    }
    GuessEntry& entry = state.guessStack[d];
    ProbList probList{};
    if (marks.pending()) {
        const int cell = analysis.firstAtMin;
        entry.row = static_cast<std::int16_t>(rowOf(cell));
        entry.col = static_cast<std::int16_t>(colOf(cell));
        int listed = 0;
        for (Board::Mask open = state.board.openDigits(cell); open != 0; open &= open - 1)
            probList[listed++] = static_cast<std::int16_t>(std::countr_zero(open) + 1);
    } else {
        getCell(analysis.code, state.board, entry.row, entry.col, probList);
    }
    // A position past the list (left by edits between two steps) means the
    // level's candidates are used up, like a 0 inside it.
    const int position = entry.nextCandidate;
    const std::int16_t v = position >= 0 && position < kSize ? probList[position] : 0;
    if (v == 0)
        return backOut(state, host, marks);
    if (entry.nextCandidate >= 8 || d >= kMaxGuessDepth)
        marks.write(); // this pass backs out after the guess, or the next one stops
    (void)state.board.setDigit(entry.row, entry.col, v);
    ++entry.nextCandidate;
    host.guessPlaced();
    if (entry.nextCandidate <= 8) {
        state.guessDepth = static_cast<std::int16_t>(d + 1);
        return false;
    }
    // The ninth candidate was just placed: nothing is left to retry here.
    return backOut(state, host, marks);
}

void sweepSimpleCells(Board& arr, int from) {
    if (!arr.clashFree())
        (void)arr.refreshUnits(); // filling empty cells keeps them current from here
    const auto& bits = arr.digitBits();
    auto& marks = arr.allMarks();
    for (int i = from; i < kCellCount; ++i) {
        if (bits[i] != 0)
            continue;
        // From the digits as they stand now, so a digit placed earlier in this
        // sweep counts: two peers with the same single candidate do not both
        // receive it.
        const Board::Mask open = arr.openDigits(i);
        marks[i] = open;
        if (open != 0 && (open & (open - 1)) == 0) // a single candidate
            (void)arr.setDigit(i, std::countr_zero(open) + 1);
    }
}

// One pass; a quiet one leaves the marks unwritten where no one can read them.
bool runPass(EngineState& state, SolverHost& host, bool quiet) {
    if (state.guessDepth > kMaxGuessDepth) {
        host.showMessage(kGuessLimitReached, true);
        host.deleteBackups();
        return true;
    }
    Board& board = state.board;
    const detail::Analysis analysis =
        quiet ? detail::analyseWithoutMarks(board) : detail::chosenMarkAllCells()(board);
    PendingMarks marks(board, quiet);
    const std::int16_t m = analysis.code;
    if (m == 0)
        return backOut(state, host, marks);
    if (m == kNoEmptyCell) {
        marks.write();
        host.showMessage(kBoardSolved, true);
        host.deleteBackups();
        return true;
    }
    if (m == kClash) {
        marks.write();
        host.showMessage(kBoardUnsolvable, true);
        return true;
    }
    if (m == 1) {
        // The cells before the first single already carry the marks the sweep
        // would give them: nothing has been placed yet.
        if (quiet)
            detail::sweepWithoutMarks(board, analysis.firstAtMin);
        else
            sweepSimpleCells(board, analysis.firstAtMin);
        return false;
    }
    return guessStep(state, host, analysis, marks);
}

} // namespace

bool solveBoard(EngineState& state, SolverHost& host) {
    return runPass(state, host, false);
}

bool solveBoardQuietly(EngineState& state, SolverHost& host) {
    return runPass(state, host, true);
}

void solveSimpleCells(Board& arr) {
    sweepSimpleCells(arr, 0);
}

} // namespace cellwright
