#include "engine/solver.hpp"

#include "engine/candidates.hpp"
#include "engine/cell_analysis.hpp"
#include "engine/mark_cells.hpp"

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

// A pass that ends the search.
PassReport ending(Verdict verdict) {
    PassReport report;
    report.action = PassAction::End;
    report.verdict = verdict;
    return report;
}

// Abandons the current guess level: restores the board from before the guess
// of the level below, whose entry still names its next candidate. The board
// is unchanged since the analysis unless the marks are written. At depth 0
// there is nothing to go back to: the board is unsolvable.
void backOut(EngineState& state, SolverHost& host, PendingMarks& marks, PassReport& report) {
    if (state.guessDepth <= 0) {
        marks.write();
        report.action = PassAction::End;
        report.verdict = Verdict::Unsolvable;
        return;
    }
    state.guessStack[state.guessDepth].nextCandidate = 0;
    --state.guessDepth;
    report.backedOut = true;
    if (host.loadBackup(state.guessDepth, state.board))
        return;
    marks.write(); // a failed load leaves the board as it was
    report.action = PassAction::End;
    report.verdict = Verdict::BackupNotLoaded;
}

// Guesses at the first empty cell with the fewest (m) candidates: the cell
// getCell finds from the marks, or, in a quiet pass, the one the analysis has
// already located (the same cell, with the candidates its marks would hold).
PassReport guessStep(EngineState& state, SolverHost& host, const detail::Analysis& analysis,
                     PendingMarks& marks) {
    const std::int16_t d = state.guessDepth;
    if (!host.saveBackup(d, state.board)) {
        marks.write();
        return ending(Verdict::BackupNotSaved);
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
    PassReport report;
    // A position past the list (left by edits between two steps) means the
    // level's candidates are used up, like a 0 inside it.
    const int position = entry.nextCandidate;
    const std::int16_t v = position >= 0 && position < kSize ? probList[position] : 0;
    if (v == 0) {
        report.action = PassAction::BackOut;
        backOut(state, host, marks, report);
        return report;
    }
    if (entry.nextCandidate >= 8 || d >= kMaxGuessDepth)
        marks.write(); // this pass backs out after the guess, or the next one stops
    (void)state.board.setDigit(entry.row, entry.col, v);
    ++entry.nextCandidate;
    report.action = PassAction::Guess;
    report.level = d;
    report.cell = static_cast<std::int16_t>(gridIndex(entry.row, entry.col));
    report.digit = v;
    for (const std::int16_t candidate : probList) {
        if (candidate != 0)
            report.candidates = static_cast<Board::Mask>(report.candidates | digitBit(candidate));
    }
    if (entry.nextCandidate <= 8) {
        state.guessDepth = static_cast<std::int16_t>(d + 1);
        return report;
    }
    // The ninth candidate was just placed: nothing is left to retry here.
    backOut(state, host, marks, report);
    return report;
}

// Returns the cells it filled.
CellSet sweepSimpleCells(Board& arr, int from) {
    if (!arr.clashFree())
        (void)arr.refreshUnits(); // filling empty cells keeps them current from here
    const auto& bits = arr.digitBits();
    auto& marks = arr.allMarks();
    CellSet filled;
    for (int i = from; i < kCellCount; ++i) {
        if (bits[i] != 0)
            continue;
        // From the digits as they stand now, so a digit placed earlier in this
        // sweep counts: two peers with the same single candidate do not both
        // receive it.
        const Board::Mask open = arr.openDigits(i);
        marks[i] = open;
        if (open != 0 && (open & (open - 1)) == 0) { // a single candidate
            (void)arr.setDigit(i, std::countr_zero(open) + 1);
            filled |= kSingleCell[i];
        }
    }
    return filled;
}

// One pass; a quiet one leaves the marks unwritten where no one can read them.
PassReport runPass(EngineState& state, SolverHost& host, bool quiet) {
    if (state.guessDepth > kMaxGuessDepth) {
        (void)host.deleteBackups(); // one left behind is never read: a level is written first
        return ending(Verdict::GuessLimit);
    }
    Board& board = state.board;
    const detail::Analysis analysis =
        quiet ? detail::analyseWithoutMarks(board) : detail::chosenMarkAllCells()(board);
    PendingMarks marks(board, quiet);
    const std::int16_t m = analysis.code;
    if (m == 0) {
        PassReport report;
        report.action = PassAction::BackOut;
        backOut(state, host, marks, report);
        return report;
    }
    if (m == kNoEmptyCell) {
        marks.write();
        (void)host.deleteBackups();
        return ending(Verdict::Solved);
    }
    if (m == kClash) {
        marks.write();
        return ending(Verdict::Unsolvable);
    }
    if (m == 1) {
        // The cells before the first single already carry the marks the sweep
        // would give them: nothing has been placed yet.
        PassReport report;
        report.filled = quiet ? detail::sweepWithoutMarks(board, analysis.firstAtMin)
                              : sweepSimpleCells(board, analysis.firstAtMin);
        return report;
    }
    return guessStep(state, host, analysis, marks);
}

} // namespace

PassReport solveBoard(EngineState& state, SolverHost& host) {
    return runPass(state, host, false);
}

PassReport solveBoardQuietly(EngineState& state, SolverHost& host) {
    return runPass(state, host, true);
}

} // namespace cellwright
