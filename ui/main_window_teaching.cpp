// The cells' context menu and the commands that teach: hints, the solution
// check and the difficulty, answered off the window's thread.
#include "ui/main_window.hpp"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QToolTip>

namespace cellwright {

using teaching::HintLevel;

namespace {

// The message line is cut off at the window's edge, and a whole step is
// often longer: hovering over it shows all of it.
class FullTextTip final : public QObject {
  public:
    explicit FullTextTip(QLabel* label) : QObject(label), label_(label) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != label_ || event->type() != QEvent::ToolTip)
            return false;
        const int shown = label_->window()->width() - label_->x();
        if (label_->fontMetrics().horizontalAdvance(label_->text()) <= shown)
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), label_->text(), label_);
        return true;
    }

  private:
    QLabel* label_;
};

} // namespace

void MainWindow::buildTeaching() {
    cellMenu_ = new QMenu(this);
    cellMenu_->setObjectName(QStringLiteral("cellMenu"));
    const auto connectTo = [this](QAction* action, auto command) {
        connect(action, &QAction::triggered, this, command);
    };
    connectTo(addTeachingAction(QStringLiteral("Hint: where to look"), {Qt::ALT | Qt::Key_F12}),
              [this] { hint(HintLevel::WhereToLook); });
    connectTo(addTeachingAction(QStringLiteral("Hint: which digit"), {Qt::CTRL | Qt::Key_F12}),
              [this] { hint(HintLevel::WhichDigit); });
    connectTo(addTeachingAction(QStringLiteral("Next step"), {Qt::Key_F12}),
              [this] { hint(HintLevel::NextStep); });
    connectTo(addTeachingAction(QStringLiteral("Check solutions"), {}),
              [this] { checkSolutions(); });
    connectTo(addTeachingAction(QStringLiteral("Difficulty"), {}), [this] { showDifficulty(); });
    cellMenu_->addSeparator();
    undoAction_ = addTeachingAction(QStringLiteral("Undo"), {Qt::CTRL | Qt::Key_Z});
    redoAction_ = addTeachingAction(QStringLiteral("Redo"),
                                    {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y});
    connectTo(undoAction_, [this] { undo(); });
    connectTo(redoAction_, [this] { redo(); });
    connect(cellMenu_, &QMenu::aboutToShow, this, [this] {
        settleMove();
        updateUndoActions();
    });
    buildNewPuzzleMenu();
    updateUndoActions();
    workingTimer_.setInterval(250);
    connect(&workingTimer_, &QTimer::timeout, this, [this] { showMessage(workingText_(), false); });
    messageLine_->installEventFilter(new FullTextTip(messageLine_));
}

QAction* MainWindow::addTeachingAction(const QString& text, const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action); // its keys work wherever the focus is in the window
    cellMenu_->addAction(action);
    return action;
}

void MainWindow::cellMenuRequested(int /*index*/, const QPoint& globalPos, bool byShiftChord) {
    takeBackShift(byShiftChord);
    if (cellMenu_->isVisible())
        return; // the Menu key may come as a key and as a menu request
    cellMenu_->popup(globalPos);
}

void MainWindow::takeBackShift(bool byShiftChord) {
    if (byShiftChord)
        moveDown_ = !moveDown_;
}

teaching::Grid MainWindow::gridDigits() {
    Board grid;
    fillArray(grid);
    return grid.digits();
}

void MainWindow::hint(HintLevel level) {
    ask([level](const teaching::Grid& grid,
                const std::atomic<bool>& cancel) { return teaching::hint(grid, level, &cancel); },
        [] { return QStringLiteral("Looking for the next step… (any key stops)"); });
}

void MainWindow::checkSolutions() {
    ask(
        [givens = givens_](const teaching::Grid& grid, const std::atomic<bool>& cancel) {
            return teaching::checkSolutions(grid, givens, &cancel);
        },
        [] { return QStringLiteral("Counting solutions… (any key stops)"); });
}

void MainWindow::showDifficulty() {
    auto soFar = std::make_shared<std::atomic<int>>(0);
    ask(
        [soFar](const teaching::Grid& grid, const std::atomic<bool>& cancel) {
            return teaching::difficulty(grid, &cancel, soFar.get());
        },
        [soFar] {
            const int tenths = soFar->load();
            return tenths == 0 ? QStringLiteral("Rating… (any key stops)")
                               : QStringLiteral("Rating… at least %1 so far (any key stops)")
                                     .arg(QString::fromStdString(logic::formatValue(tenths)));
        });
}

void MainWindow::ask(Question question, std::function<QString()> working) {
    stopOnInput_.disarm();
    workingTimer_.stop();
    const teaching::Grid grid = gridDigits();
    const bool answered = answerWork_.start(
        [this, question = std::move(question), grid](const std::atomic<bool>& cancel) {
            const teaching::Answer answer = question(grid, cancel);
            return [this, answer] { showAnswer(answer); };
        },
        answerMoment_, answerLimit_);
    if (answered)
        return;
    workingText_ = std::move(working);
    showMessage(workingText_(), false);
    stopOnInput_.arm();
    workingTimer_.start();
}

void MainWindow::stopAsking() {
    answerWork_.cancel();
    workingTimer_.stop();
    showMessage(QStringLiteral("Stopped"), false);
}

void MainWindow::showAnswer(const teaching::Answer& answer) {
    stopOnInput_.disarm();
    workingTimer_.stop();
    if (answer.focusCell >= 0)
        focusCell(answer.focusCell);
    // After the focus, whose candidate list it replaces.
    showMessage(QString::fromStdString(answer.text), false);
}

} // namespace cellwright
