#pragma once

#include <string>

namespace cellwright {

// A folder of one owner's own for the solver's backups: made when first
// needed, mode 0700, under a base such as $XDG_RUNTIME_DIR, so that no other
// window or user can read, replace or delete what is in it. Removed, with its
// backups, when the owner goes.
class BackupFolder {
  public:
    explicit BackupFolder(std::string base) : base_(std::move(base)) {}
    ~BackupFolder() { remove(); }
    BackupFolder(const BackupFolder&) = delete;
    BackupFolder& operator=(const BackupFolder&) = delete;

    // The folder, made now if it does not exist yet; empty when it cannot be made.
    const std::string& path();
    // The folder if it has been made, else empty.
    const std::string& pathIfMade() const { return path_; }
    // Deletes its backups and the folder itself; the next path() makes a new one.
    void remove();

  private:
    std::string base_;
    std::string path_;
};

// Where a program keeps its private temporary folders: $XDG_RUNTIME_DIR when
// it names a directory, else the system's temporary directory.
std::string temporaryFolderBase();

} // namespace cellwright
