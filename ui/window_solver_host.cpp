#include "ui/window_solver_host.hpp"

#include "files/board_file.hpp"
#include "files/board_paths.hpp"

namespace cellwright {

bool WindowSolverHost::saveBackup(std::int16_t level, const Board& arr) {
    if (!folderChecked_) {
        const std::string& dir = folder_.path();
        if (dir.empty() || !writeBackupFile(backupFilePath(dir, level), arr))
            return false;
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
    // Not written by this command: the folder's file, unless this command
    // has deleted the backups.
    if (folderStale_ || folder_.pathIfMade().empty())
        return false;
    return readBackupFile(backupFilePath(folder_.pathIfMade(), level), arr);
}

bool WindowSolverHost::deleteBackups() {
    store_.clear();
    unwritten_.reset();
    folderStale_ = true;
    return true;
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
    bool written = true;
    if (unwritten_.any()) {
        const std::string& dir = folder_.path();
        written = !dir.empty();
        for (std::int16_t level = 0; written && level <= kMaxGuessDepth; ++level) {
            if (unwritten_.test(level))
                written = writeBackupFile(backupFilePath(dir, level), store_.board(level));
        }
        unwritten_.reset();
    }
    store_.clear();
    return written;
}

void WindowSolverHost::removeFolder() {
    folder_.remove();
}

} // namespace cellwright
