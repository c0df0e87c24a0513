#include "ui/window_solver_host.hpp"

#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "ui/main_window.hpp"

namespace cellwright {

bool WindowSolverHost::saveBackup(std::int16_t level, const Board& arr) {
    if (!folderChecked_) {
        const std::string& dir = folder_.path();
        if (dir.empty() || !writeBackupFile(backupFilePath(dir, level), arr)) {
            showMessage(kErrorSavingBoard, true);
            return false;
        }
        folderChecked_ = true;
        store_.save(level, arr);
        unwritten_.reset(level);
        return true;
    }
    store_.save(level, arr);
    unwritten_.set(level);
    return true;
}

bool WindowSolverHost::loadBackup(std::int16_t level, Board& arr) {
    if (store_.load(level, arr))
        return true;
    showMessage(kErrorLoadingBoard, true);
    return false;
}

void WindowSolverHost::deleteBackups() {
    store_.clear();
    unwritten_.reset();
    folderStale_ = true;
}

void WindowSolverHost::showMessage(std::string_view msgval, bool flashit) {
    window_.showMessage(QString::fromUtf8(msgval.data(), static_cast<qsizetype>(msgval.size())),
                        flashit);
}

bool WindowSolverHost::writeFolder() {
    folderChecked_ = false;
    if (folderStale_) {
        // Backups saved since the deletion were written to the folder or are
        // marked unwritten; after the wipe every one of them is written again.
        if (!folder_.pathIfMade().empty())
            deleteBackupFiles(folder_.pathIfMade());
        for (std::int16_t level = 0; level <= kMaxGuessDepth; ++level) {
            if (store_.has(level))
                unwritten_.set(level);
        }
        folderStale_ = false;
    }
    if (unwritten_.none())
        return true;
    const std::string& dir = folder_.path();
    bool written = !dir.empty();
    for (std::int16_t level = 0; written && level <= kMaxGuessDepth; ++level) {
        if (unwritten_.test(level))
            written = writeBackupFile(backupFilePath(dir, level), store_.board(level));
    }
    unwritten_.reset();
    if (!written)
        showMessage(kErrorSavingBoard, true);
    return written;
}

void WindowSolverHost::removeFolder() {
    folder_.remove();
}

} // namespace cellwright
