#pragma once

#include "engine/headless_host.hpp"

#include <string>

namespace cellwright {

// Backups as backup<d>.bak board files in a directory, as the window keeps them.
class DirectoryBackups final : public HeadlessHost {
  public:
    explicit DirectoryBackups(std::string directory) : directory_(std::move(directory)) {}

    bool saveBackup(std::int16_t level, const Board& arr) override;
    bool loadBackup(std::int16_t level, Board& arr) override;
    void deleteBackups() override;

  private:
    std::string directory_;
};

} // namespace cellwright
