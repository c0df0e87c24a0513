#pragma once

#include "engine/solver.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"

#include <string>

namespace cellwright::test {

// Backups as backup<d>.bak board files in a directory, as the window keeps
// them between commands; a load that fails leaves the board as it was.
class DirectoryBackups final : public SolverHost {
  public:
    explicit DirectoryBackups(std::string directory) : directory_(std::move(directory)) {}

    bool saveBackup(std::int16_t level, const Board& arr) override {
        return writeBackupFile(backupFilePath(directory_, level), arr);
    }
    bool loadBackup(std::int16_t level, Board& arr) override {
        return readBackupFile(backupFilePath(directory_, level), arr);
    }
    bool deleteBackups() override {
        deleteBackupFiles(directory_);
        return true;
    }

  private:
    std::string directory_;
};

} // namespace cellwright::test
