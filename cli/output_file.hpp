#pragma once

#include <string>
#include <string_view>

namespace cellwright::cli {

// Puts bytes into the file at path all or nothing: they are written to a new
// file beside it, made durable, and that file then takes the name. A failure
// (a full disk, a file size limit) leaves the old file as it was, or none.
// A symbolic link keeps pointing where it did, and its target is replaced;
// anything but a regular file (a FIFO, a terminal, /dev/stdout) is written to
// directly, and so is a file in a directory where no new file may be made.
// On failure, errno tells why.
bool replaceFile(const std::string& path, std::string_view bytes);

} // namespace cellwright::cli
