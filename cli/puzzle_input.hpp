#pragma once

#include "files/puzzle_line.hpp"

#include <ostream>
#include <string>
#include <vector>

namespace cellwright::cli {

struct PuzzleSet {
    std::vector<Digits> puzzles;
    bool allReadable = true; // false if any file or line could not be read
};

// Board files, read exactly as the window's loader reads them; "-" is
// standard input. A file that cannot be read is named on errors and skipped.
PuzzleSet readBoardFiles(const std::vector<std::string>& paths, std::ostream& errors);

// A collection, one puzzle per line; "-" is standard input. Blank lines and
// lines starting with '#' are skipped; a line that is not a puzzle is reported
// on errors as FILE:LINE: reason and skipped.
PuzzleSet readPuzzleLines(const std::string& path, std::ostream& errors);

} // namespace cellwright::cli
