#pragma once

#include <cstdint>
#include <string>

namespace cellwright {

// The file a board named by the user is kept in: the application directory,
// "/", the name exactly as typed, and ".sudoku" unless the name holds a "."
// anywhere (then it is the whole file name).
std::string boardFilePath(const std::string& applicationDirectory, const std::string& name);

// The solver's backup of guess level d: "backup<d>.bak" in the directory.
std::string backupFilePath(const std::string& directory, std::int16_t level);

// Deletes the solver's backups (backup*.bak) in a directory, and nothing else.
// Missing files or directory are not an error.
void deleteBackupFiles(const std::string& directory);

} // namespace cellwright
