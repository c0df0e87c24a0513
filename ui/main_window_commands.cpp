#include "ui/main_window.hpp"

#include "engine/candidates.hpp"
#include "engine/messages.hpp"
#include "engine/solve_to_end.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "ui/input_hold.hpp"

#include <QApplication>
#include <QCursor>

#include <chrono>

namespace cellwright {

namespace {
const QString kNamePrompt = QStringLiteral("Enter the board name. Example: board1");

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The wait cursor, once shown, until the command ends.
class WaitCursor {
  public:
    WaitCursor() = default;
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() {
        if (shown_)
            QApplication::restoreOverrideCursor();
    }
    void show() {
        if (!shown_)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        shown_ = true;
    }

  private:
    bool shown_ = false;
};

std::int64_t nowMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

bool MainWindow::loadSudoku(const std::string& filename) {
    if (readBoardFile(filename, engine_.board))
        return true;
    showMessage(toQString(kErrorLoadingBoard), true);
    return false;
}

bool MainWindow::saveSudoku(const std::string& filename) {
    if (writeBoardFile(filename, engine_.board))
        return true;
    showMessage(toQString(kErrorSavingBoard), true);
    return false;
}

std::string MainWindow::boardPath(const QString& name, bool saving) const {
    const std::string directory =
        boardDirectory(platform_.applicationDirectory(), platform_.userDataDirectory(), saving);
    const std::string bytes = fileNameBytes(name);
    if (directory.empty() && !bytes.starts_with('/') && !bytes.starts_with("~/"))
        return {};
    return boardFilePath(directory, bytes, platform_.homeDirectory());
}

void MainWindow::finishPasses() {
    lastPassDigits_ = engine_.board.digits();
    if (!solverHost_.writeFolder())
        showMessage(toQString(kErrorSavingBoard), true);
}

void MainWindow::clearEngine() {
    clearData(engine_);
    searchStart_.reset();
}

void MainWindow::stepSolve() {
    fillArray(engine_.board);
    if (lastPassDigits_ && *lastPassDigits_ != engine_.board.digits()) {
        // The grid was edited since the last pass: a fresh search.
        engine_.guessDepth = 0;
        engine_.guessStack = {};
        solverHost_.deleteBackups();
        searchStart_.reset();
    }
    const auto before = engine_.board.digits();
    const PassReport pass = solveBoard(engine_, solverHost_);
    if (pass.guessed() && pass.level == 0)
        searchStart_ = before;
    if (pass.ended())
        showMessage(toQString(messageOf(pass.verdict)), true);
    showArray(engine_.board);
    finishPasses();
}

void MainWindow::solve() {
    constexpr std::int64_t kMoment = 150;    // ms before the wait cursor shows
    constexpr std::int64_t kRepaintGap = 50; // ms between two looks at the queue
    // Every Solve starts afresh. Right after Step Solve, with no edit since,
    // that is from the grid as it was before the step search's first guess:
    // the user's digits and the singles, not the guesses.
    Board grid;
    fillArray(grid);
    const bool afterStepSolve =
        searchStart_ && lastPassDigits_ && *lastPassDigits_ == grid.digits();
    const auto digits = afterStepSolve ? *searchStart_ : grid.digits();
    clearEngine();
    placeDigits(engine_.board, digits);
    // Between passes of a long Solve the window stays painted and a request to
    // close gets through and stops the search; keys and clicks on the window
    // are held until the Solve has ended, so that none of them runs inside a
    // pass.
    const std::int64_t start = nowMillis();
    std::int64_t lastLook = start;
    WaitCursor waitCursor;
    InputHold hold(windowHandle());
    const SolveResult run = solveToEnd(engine_, solverHost_, [&] {
        if (const std::int64_t now = nowMillis(); now - lastLook >= kRepaintGap) {
            lastLook = now;
            if (now - start >= kMoment)
                waitCursor.show();
            QCoreApplication::processEvents();
        }
        return !closing_;
    });
    if (run.stopped) {
        hold.discard();
        return; // the window has closed and its backups are gone
    }
    showMessage(toQString(messageOf(run.verdict)), true);
    showArray(engine_.board);
    finishPasses();
}

void MainWindow::checkCandidates() {
    fillArray(engine_.board);
    doProbCheck(engine_.board);
}

void MainWindow::clear() {
    clearEngine();
    for (CellEdit* box : cells_)
        box->setText(QString());
    showMessage(QString(), false);
    markGivens();
}

void MainWindow::save() {
    const QString name = platform_.inputBox(kNamePrompt, QStringLiteral("Save"));
    if (name.isEmpty())
        return;
    fillArray(engine_.board);
    showMessage(QString(), false); // an earlier failure no longer stands
    saveSudoku(boardPath(name, true));
}

void MainWindow::load() {
    const QString name = platform_.inputBox(kNamePrompt, QStringLiteral("Load"));
    if (name.isEmpty())
        return;
    clearEngine();
    showMessage(QString(), false);
    loadSudoku(boardPath(name, false));
    showArray(engine_.board); // after a failed load too: the cells read before it
    markGivens();
}

} // namespace cellwright
