#pragma once

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

namespace cellwright {

// Paths are the bytes the file system holds, never re-encoded.

// The file a board named by the user is kept in: the directory, "/", the name
// exactly as typed, and ".sudoku" unless the name holds a "." anywhere (then
// it is the whole file name). A name that is an absolute path, or starts with
// "~/" (the home folder), is used as it stands.
std::string boardFilePath(const std::string& directory, const std::string& name,
                          const std::string& home = {});

// The folder the boards a user names are kept in. Beside the program where
// the user may write there (a copy unpacked into a folder of their own);
// otherwise, as for an installed program, the user's data folder, made when
// saving. Empty when there is neither: never the current directory or "/".
std::string boardDirectory(const std::string& programDirectory, const std::string& dataDirectory,
                           bool saving);

// The solver's backup of guess level d: "backup<d>.bak" in the directory.
std::string backupFilePath(const std::string& directory, std::int16_t level);

// The names in a directory of the form "backup<number>.bak", whatever they
// name (files, links, folders), in order. Empty, with error set, when the
// directory cannot be listed.
std::vector<std::string> backupLikeNames(const std::string& directory, std::error_code& error);

// Deletes the solver's backups in a directory: regular files with a single
// link named exactly "backup<number>.bak", nothing else. False when one of
// them stays; a missing directory holds none.
bool deleteBackupFiles(const std::string& directory);

} // namespace cellwright
