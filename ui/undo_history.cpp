#include "ui/undo_history.hpp"

namespace cellwright {

void UndoHistory::reset(const GridState& current) {
    current_ = current;
    done_.clear();
    undone_.clear();
}

void UndoHistory::record(const GridState& now, int focusBefore, int focusAfter) {
    if (now.cells == current_.cells) {
        current_.givens = now.givens;
        if (!done_.empty())
            done_.back().after.givens = now.givens; // what a redo comes back to
        return;
    }
    done_.push_back({current_, now, focusBefore, focusAfter});
    if (done_.size() > kMaxSteps)
        done_.pop_front();
    undone_.clear();
    current_ = now;
}

std::optional<UndoHistory::Restore> UndoHistory::undo() {
    if (done_.empty())
        return std::nullopt;
    const Step step = done_.back();
    done_.pop_back();
    undone_.push_back(step);
    current_ = step.before;
    return Restore{step.before, step.focusBefore};
}

std::optional<UndoHistory::Restore> UndoHistory::redo() {
    if (undone_.empty())
        return std::nullopt;
    const Step step = undone_.back();
    undone_.pop_back();
    done_.push_back(step);
    current_ = step.after;
    return Restore{step.after, step.focusAfter};
}

} // namespace cellwright
