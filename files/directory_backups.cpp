#include "files/directory_backups.hpp"

#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"

namespace cellwright {

bool DirectoryBackups::saveBackup(std::int16_t level, const Board& arr) {
    if (writeBackupFile(backupFilePath(directory_, level), arr))
        return true;
    showMessage(kErrorSavingBoard, true);
    return false;
}

bool DirectoryBackups::loadBackup(std::int16_t level, Board& arr) {
    countBackout();
    if (readBackupFile(backupFilePath(directory_, level), arr))
        return true;
    showMessage(kErrorLoadingBoard, true);
    return false;
}

void DirectoryBackups::deleteBackups() {
    deleteBackupFiles(directory_);
}

} // namespace cellwright
