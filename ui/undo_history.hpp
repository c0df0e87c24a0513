#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace cellwright {

// What the grid shows and what it came from: each cell's text ('.' for an
// empty cell, ' ' for a space, '0'..'9'), and the digits the puzzle was given
// with (0 where it had none), which tell a typed digit from a given one.
struct GridState {
    std::array<char, 81> cells{};
    std::array<std::int16_t, 81> givens{};
    bool operator==(const GridState&) const = default;
};

// The undo and redo of whole moves: each change of the grid's cells is one
// step, with the focus before and after it (a number the window gives its
// controls; -1 for none). The oldest steps go beyond kMaxSteps.
class UndoHistory {
  public:
    static constexpr std::size_t kMaxSteps = 1000;

    struct Restore {
        GridState state;
        int focus = -1;
    };

    explicit UndoHistory(const GridState& current = {}) : current_(current) {}

    // Forgets every step: the grid as it stands is where undo stops.
    void reset(const GridState& current);
    // A move that left the grid at now: one step when a cell changed (the
    // steps undone before it are gone), else only the givens are taken over.
    void record(const GridState& now, int focusBefore, int focusAfter);

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    std::optional<Restore> undo();
    std::optional<Restore> redo();
    const GridState& current() const { return current_; }
    std::size_t steps() const { return done_.size(); }

  private:
    struct Step {
        GridState before, after;
        int focusBefore = -1, focusAfter = -1;
    };
    GridState current_;
    std::deque<Step> done_;
    std::vector<Step> undone_;
};

} // namespace cellwright
