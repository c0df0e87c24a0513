#pragma once

#include "files/puzzle_line.hpp"

#include <optional>
#include <string>

namespace cellwright {

// The one puzzle a file holds, in any layout the puzzle reader knows: a board
// file as the window saves it, a puzzle line or a 9x9 grid. Nothing when the
// file cannot be read or is not a regular file, or when it holds no puzzle,
// more than one, or anything else that is no puzzle. Reads no further than it
// needs to tell, in bounded memory whatever the file's size.
std::optional<Digits> readOnePuzzleFile(const std::string& path);

} // namespace cellwright
