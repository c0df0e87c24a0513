#include "ui/form1.hpp"

#include "engine/candidates.hpp"
#include "engine/headless_host.hpp"
#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "ui/input_hold.hpp"

#include <QApplication>
#include <QCursor>

#include <chrono>
#include <filesystem>
#include <system_error>

#include <unistd.h>

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

bool Form1::loadSudoku(const std::string& filename) {
    if (readBoardFile(filename, engine_.board))
        return true;
    showMessage(toQString(kErrorLoadingBoard), true);
    return false;
}

bool Form1::saveSudoku(const std::string& filename) {
    if (writeBoardFile(filename, engine_.board))
        return true;
    showMessage(toQString(kErrorSavingBoard), true);
    return false;
}

std::string Form1::boardPath(const QString& name, bool saving) const {
    // Boards stay beside the program where the user may write there (a copy
    // unpacked into a folder of their own); an installed program keeps them in
    // the user's data folder instead. Never the current directory or "/".
    std::string directory = platform_.applicationDirectory();
    if (directory.empty() || ::access(directory.c_str(), W_OK) != 0) {
        directory = platform_.userDataDirectory();
        std::error_code error;
        if (saving && !directory.empty())
            std::filesystem::create_directories(directory, error);
    }
    const std::string bytes = fileNameBytes(name);
    if (directory.empty() && !bytes.starts_with('/') && !bytes.starts_with("~/"))
        return {};
    return boardFilePath(directory, bytes, platform_.homeDirectory());
}

void Form1::finishPasses() {
    lastPassDigits_ = engine_.board.digits();
    solverHost_.writeFolder();
}

void Form1::Command1_Click() {
    fillArray(engine_.board);
    if (lastPassDigits_ && *lastPassDigits_ != engine_.board.digits()) {
        // The grid was edited since the last pass: a fresh search.
        engine_.guessDepth = 0;
        engine_.guessStack = {};
        solverHost_.deleteBackups();
    }
    solveBoard(engine_, solverHost_);
    showArray(engine_.board);
    finishPasses();
}

void Form1::Command5_Click() {
    constexpr std::int64_t kMoment = 150;    // ms before the wait cursor shows
    constexpr std::int64_t kRepaintGap = 50; // ms between two looks at the queue
    clearData(engine_);
    fillArray(engine_.board);
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
    showArray(engine_.board);
    finishPasses();
}

void Form1::Command6_Click() {
    fillArray(engine_.board);
    doProbCheck(engine_.board);
}

void Form1::ClearButton_Click() {
    clearData(engine_);
    for (SdkBox* box : SDK_Box_)
        box->setText(QString());
    showMessage(QString(), false);
}

void Form1::Command3_Click() {
    const QString name = platform_.inputBox(kNamePrompt, QStringLiteral("Save"));
    if (name.isEmpty())
        return;
    fillArray(engine_.board);
    showMessage(QString(), false); // an earlier failure no longer stands
    saveSudoku(boardPath(name, true));
}

void Form1::Command4_Click() {
    const QString name = platform_.inputBox(kNamePrompt, QStringLiteral("Load"));
    if (name.isEmpty())
        return;
    clearData(engine_);
    showMessage(QString(), false);
    loadSudoku(boardPath(name, false));
    showArray(engine_.board); // after a failed load too: the cells read before it
}

} // namespace cellwright
