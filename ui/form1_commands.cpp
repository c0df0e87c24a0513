#include "ui/form1.hpp"

#include "engine/candidates.hpp"
#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"

namespace cellwright {

namespace {
const QString kNamePrompt = QStringLiteral("Enter the board name. Example: board1");

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

bool Form1::loadSudoku(const QString& filename) {
    if (readBoardFile(filename.toStdString(), engine_.board))
        return true;
    showMessage(toQString(kErrorLoadingBoard), true);
    return false;
}

bool Form1::saveSudoku(const QString& filename) {
    if (writeBoardFile(filename.toStdString(), engine_.board))
        return true;
    showMessage(toQString(kErrorSavingBoard), true);
    return false;
}

QString Form1::boardPath(const QString& name) const {
    return QString::fromStdString(
        boardFilePath(platform_.applicationDirectory().toStdString(), name.toStdString()));
}

void Form1::Command1_Click() {
    fillArray(engine_.board);
    solveBoard(engine_, solverHost_);
    showArray(engine_.board);
}

void Form1::Command5_Click() {
    clearData(engine_);
    fillArray(engine_.board);
    while (!solveBoard(engine_, solverHost_)) {
    }
    showArray(engine_.board);
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
    saveSudoku(boardPath(name));
}

void Form1::Command4_Click() {
    const QString name = platform_.inputBox(kNamePrompt, QStringLiteral("Load"));
    if (name.isEmpty())
        return;
    clearData(engine_);
    showMessage(QString(), false);
    loadSudoku(boardPath(name));
    showArray(engine_.board); // after a failed load too: the cells read before it
}

// Backups go through the window's own file methods, so a failure shows
// "Error saving board" or "Error loading board" like any board file.
bool WindowSolverHost::saveBackup(std::int16_t level, const Board& /*arr*/) {
    const std::string dir = window_.platform().applicationDirectory().toStdString();
    return window_.saveSudoku(QString::fromStdString(backupFilePath(dir, level)));
}

bool WindowSolverHost::loadBackup(std::int16_t level, Board& /*arr*/) {
    const std::string dir = window_.platform().applicationDirectory().toStdString();
    return window_.loadSudoku(QString::fromStdString(backupFilePath(dir, level)));
}

void WindowSolverHost::deleteBackups() {
    window_.platform().deleteFiles(window_.platform().applicationDirectory(),
                                   QStringLiteral("backup*.bak"));
}

void WindowSolverHost::showMessage(std::string_view msgval, bool flashit) {
    window_.showMessage(toQString(msgval), flashit);
}

} // namespace cellwright
