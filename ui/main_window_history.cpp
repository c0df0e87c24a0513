// Undo and redo of whole moves. Every change of the cells is noted as it
// happens; once the window gets back to its event queue, all that changed
// since becomes one step. So a typed digit, a Backspace, Clear, Load, a paste
// or drop, Step Solve, Solve and a new puzzle are one step each, whatever
// number of cells they write, without each command keeping a record.
#include "ui/main_window.hpp"

#include <QAction>
#include <QApplication>
#include <QPushButton>

namespace cellwright {

namespace {

char cellChar(const QString& text) {
    if (text == QLatin1String(" "))
        return ' ';
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9'))
        return text[0].toLatin1();
    return '.';
}

QString cellText(char ch) {
    return ch == '.' ? QString() : QString(QLatin1Char(ch));
}

} // namespace

GridState MainWindow::gridState() const {
    GridState state;
    for (int i = 0; i < kCellCount; ++i)
        state.cells[static_cast<std::size_t>(i)] = cellChar(cell(i)->text());
    state.givens = givens_;
    return state;
}

void MainWindow::noteGridChange() {
    if (restoringGrid_ || changePending_)
        return;
    changePending_ = true;
    focusBeforeChange_ = focusId();
    QTimer::singleShot(0, this, [this] { settleMove(); });
}

void MainWindow::settleMove() {
    if (!changePending_)
        return;
    changePending_ = false;
    history_.record(gridState(), focusBeforeChange_, focusId());
    updateUndoActions();
}

void MainWindow::markGivens() {
    // The grid was filled another way: a puzzle still being made is not
    // wanted any more.
    puzzleWork_.cancel();
    givens_ = gridDigits();
    if (!changePending_)
        history_.record(gridState(), -1, -1); // the cells are as they were
}

void MainWindow::startHistory() {
    givens_ = gridDigits();
    changePending_ = false;
    history_.reset(gridState());
    updateUndoActions();
}

void MainWindow::updateUndoActions() {
    undoAction_->setEnabled(history_.canUndo());
    redoAction_->setEnabled(history_.canRedo());
}

void MainWindow::undo(bool byShiftChord) {
    takeBackShift(byShiftChord);
    settleMove();
    if (const auto restore = history_.undo())
        showGridState(*restore);
    updateUndoActions();
}

void MainWindow::redo(bool byShiftChord) {
    takeBackShift(byShiftChord);
    settleMove();
    if (const auto restore = history_.redo())
        showGridState(*restore);
    updateUndoActions();
}

void MainWindow::showGridState(const UndoHistory::Restore& restore) {
    // Written as showArray writes: no focus moves while the cells change.
    restoringGrid_ = true;
    userEditing_ = false;
    for (int i = 0; i < kCellCount; ++i)
        cells_[static_cast<std::size_t>(i)]->setText(
            cellText(restore.state.cells[static_cast<std::size_t>(i)]));
    userEditing_ = true;
    restoringGrid_ = false;
    givens_ = restore.state.givens;
    forgetSearch();
    restoreFocus(restore.focus);
}

void MainWindow::forgetSearch() {
    // No grid holds -1: the next Step Solve sees an edit and starts a fresh
    // search, and Solve takes the grid as it stands.
    if (lastPassDigits_)
        lastPassDigits_->fill(-1);
}

// The buttons in the order their focus ids follow the cells'.
std::array<QPushButton*, 6> MainWindow::focusButtons() const {
    return {stepSolveButton_, solveButton_, checkButton_, clearButton_, saveButton_, loadButton_};
}

// The controls the focus is restored to: the cells by index, then the
// buttons.
int MainWindow::focusId() const {
    const QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < kCellCount; ++i) {
        if (focus == cells_[static_cast<std::size_t>(i)])
            return i;
    }
    const auto buttons = focusButtons();
    for (std::size_t b = 0; b < buttons.size(); ++b) {
        if (focus != nullptr && focus == buttons[b])
            return kCellCount + static_cast<int>(b);
    }
    return -1;
}

void MainWindow::restoreFocus(int id) {
    const auto buttons = focusButtons();
    if (id >= 0 && id < kCellCount)
        focusCell(id);
    else if (id >= kCellCount && id < kCellCount + 6)
        buttons[static_cast<std::size_t>(id - kCellCount)]->setFocus(Qt::OtherFocusReason);
}

} // namespace cellwright
