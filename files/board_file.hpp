#pragma once

#include "engine/board.hpp"

#include <array>
#include <string>
#include <string_view>

namespace cellwright {

// A board file: 81 records, one per cell in row-major order, each the cell's
// digit followed by CR LF. 243 bytes, nothing else.
inline constexpr std::size_t kBoardFileSize = 243;
using BoardFileBytes = std::array<char, kBoardFileSize>;

BoardFileBytes boardFileBytes(const Board& board);

// Writes layer 0 of the board to path (UTF-8), replacing what was there.
// Returns false on any failure; the file then holds what was written before it.
bool writeBoardFile(const std::string& path, const Board& board);

// Reads 81 items (files/board_item.hpp) into layer 0, storing each at once, so
// that the cells read before a failure keep their new values. An item that is
// not a number reads as 0. It fails on: the end of input before an item, a
// number outside -32768..32767 (as soon as its digits leave that range, so an
// endless digit run is read in bounded memory), and a number outside 0..9,
// which layer 0 cannot hold. Anything after the 81st item is ignored. Layers
// 1..9 are not touched.
bool readBoardItems(std::string_view bytes, Board& board);

// Opens path (UTF-8) and reads it as above. Anything but a regular file (a
// directory, a FIFO that would block, a device) is refused.
bool readBoardFile(const std::string& path, Board& board);

// The solver's backups: written and read as board files, but only as plain
// files of their own. The path is opened without following a symbolic link,
// and anything but a regular file with a single link is refused, never written
// through: a link planted under a backup's name must not lose its target.
// A backup is read whole or not at all: a failed read leaves the board as it
// was.
bool writeBackupFile(const std::string& path, const Board& board);
bool readBackupFile(const std::string& path, Board& board);

} // namespace cellwright
