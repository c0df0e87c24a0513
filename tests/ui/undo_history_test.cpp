// The history undo and redo walk: steps in order, redo gone after a new
// move, givens taken over without a step, and no more than the last 1,000.
#include "ui/undo_history.hpp"

#include <gtest/gtest.h>

namespace {

using cellwright::GridState;
using cellwright::UndoHistory;

GridState stateWith(char first, std::int16_t given = 0) {
    GridState state;
    state.cells.fill('.');
    state.cells[0] = first;
    state.givens[0] = given;
    return state;
}

// Steps back and forth with their focus; a new move drops what was undone;
// givens alone make no step; only the last 1,000 steps are kept.
TEST(UndoHistory, Steps) {
    UndoHistory history(stateWith('.'));
    history.record(stateWith('1'), 3, 4);
    history.record(stateWith('1', 1), -1, -1);
    history.record(stateWith('2'), 5, 6);
    EXPECT_EQ(history.undo()->state, stateWith('1', 1));
    EXPECT_EQ(history.undo()->focus, 3);
    EXPECT_FALSE(history.undo());
    EXPECT_EQ(history.redo()->focus, 4);
    history.record(stateWith('3'), 7, 8);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo()->state, stateWith('1', 1));
    for (int move = 1; move <= 1005; ++move)
        history.record(stateWith(static_cast<char>('0' + move % 10)), move, move);
    EXPECT_EQ(history.steps(), UndoHistory::kMaxSteps);
    std::optional<UndoHistory::Restore> last;
    while (const auto restored = history.undo())
        last = restored;
    EXPECT_EQ(last->focus, 6); // the moves before it are beyond reach
    EXPECT_EQ(last->state, stateWith('5'));
}

} // namespace
