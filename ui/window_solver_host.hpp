#pragma once

#include "engine/backup_store.hpp"
#include "engine/solver.hpp"
#include "files/backup_folder.hpp"

#include <bitset>
#include <string>

namespace cellwright {

// The window's side of a solver pass. Backups are board files named
// backup<d>.bak in a folder of this window's own, so that two windows never
// touch each other's and nothing beside the program is ever deleted.
//
// The folder is the truth whenever the window waits for the user: a backup
// deleted or changed there between two commands is read as it stands. Within
// one command, the backups that command writes live in memory (a whole Solve
// may save and reload them a million times); a level it has not written is
// read from the folder when first needed. When the command ends,
// writeFolder() leaves the folder holding exactly the files that writing each
// backup straight to disk would have left, and memory forgets them. The first
// backup of each command does go straight to disk, so a folder that cannot be
// made or written stops the search before its first guess (the backup is not
// saved), never later with a wrong verdict.
class WindowSolverHost final : public SolverHost {
  public:
    explicit WindowSolverHost(std::string folderBase) : folder_(std::move(folderBase)) {}

    bool saveBackup(std::int16_t level, const Board& arr) override;
    bool loadBackup(std::int16_t level, Board& arr) override;
    bool deleteBackups() override;

    // At the end of a command: brings the folder up to date, and the next
    // command reads it afresh. False when it could not be written.
    bool writeFolder();
    // At closing: the backups and the folder go.
    void removeFolder();
    // The folder, if a backup has made it; for tests.
    const std::string& folder() const { return folder_.pathIfMade(); }

  private:
    BackupFolder folder_;
    BackupStore store_;
    std::bitset<kMaxGuessDepth + 1> unwritten_;
    bool folderStale_ = false;   // backups were deleted since the folder was written
    bool folderChecked_ = false; // this command has written a backup to the folder
};

} // namespace cellwright
