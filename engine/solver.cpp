#include "engine/solver.hpp"

#include "engine/candidates.hpp"
#include "engine/messages.hpp"

#include <array>
#include <bit>

namespace cellwright {

namespace {

// Abandons the current guess level: restores the board from before the guess
// of the level below, whose entry still names its next candidate.
bool backOut(EngineState& state, SolverHost& host) {
    if (state.guessDepth <= 0) {
        host.showMessage(kBoardUnsolvable, true);
        return true;
    }
    state.guessStack[state.guessDepth].nextCandidate = 0;
    --state.guessDepth;
    return !host.loadBackup(state.guessDepth, state.board);
}

bool guessStep(EngineState& state, SolverHost& host, std::int16_t m) {
    const std::int16_t d = state.guessDepth;
    if (!host.saveBackup(d, state.board))
        return true;
    GuessEntry& entry = state.guessStack[d];
    ProbList probList{};
    getCell(m, state.board, entry.row, entry.col, probList);
    // A position past the list (left by edits between two steps) means the
    // level's candidates are used up, like a 0 inside it.
    const int position = entry.nextCandidate;
    const std::int16_t v = position >= 0 && position < kSize ? probList[position] : 0;
    if (v == 0)
        return backOut(state, host);
    (void)state.board.setDigit(entry.row, entry.col, v);
    ++entry.nextCandidate;
    host.guessPlaced();
    if (entry.nextCandidate <= 8) {
        state.guessDepth = static_cast<std::int16_t>(d + 1);
        return false;
    }
    // The ninth candidate was just placed: nothing is left to retry here.
    return backOut(state, host);
}

} // namespace

bool solveBoard(EngineState& state, SolverHost& host) {
    if (state.guessDepth > kMaxGuessDepth) {
        host.showMessage(kGuessLimitReached, true);
        host.deleteBackups();
        return true;
    }
    const std::int16_t m = getMinProbability(state.board);
    if (m == 0)
        return backOut(state, host);
    if (m == kNoEmptyCell) {
        host.showMessage(kBoardSolved, true);
        host.deleteBackups();
        return true;
    }
    if (m == kClash) {
        host.showMessage(kBoardUnsolvable, true);
        return true;
    }
    if (m == 1) {
        solveSimpleCells(state.board);
        return false;
    }
    return guessStep(state, host, m);
}

void solveSimpleCells(Board& arr) {
    using Mask = Board::Mask;
    const auto& bits = arr.digitBits();
    auto& marks = arr.allMarks();
    std::array<Mask, kSize> rows{}, cols{}, boxes{};
    for (int row = 0; row < kSize; ++row) {
        Mask held = 0;
        for (int col = 0; col < kSize; ++col) {
            const Mask bit = bits[gridIndex(row, col)];
            held |= bit;
            cols[col] |= bit;
            boxes[boxOf(row, col)] |= bit;
        }
        rows[row] = held;
    }
    for (int row = 0; row < kSize; ++row) {
        for (int col = 0; col < kSize; ++col) {
            const int i = gridIndex(row, col);
            if (bits[i] != 0)
                continue;
            // Recomputed from the digits as they stand now, so a digit placed
            // earlier in this sweep counts: two peers with the same single
            // candidate do not both receive it.
            Mask& box = boxes[boxOf(row, col)];
            const Mask open = static_cast<Mask>(~(rows[row] | cols[col] | box) & Board::kAllMarks);
            marks[i] = open;
            if (open != 0 && (open & (open - 1)) == 0) { // a single candidate
                (void)arr.setDigit(i, std::countr_zero(open) + 1);
                rows[row] |= open;
                cols[col] |= open;
                box |= open;
            }
        }
    }
}

} // namespace cellwright
