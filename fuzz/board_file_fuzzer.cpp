// Arbitrary bytes as a board file: the reader must stop after 81 items, keep
// layer 0 within 0..9, and agree with itself whether it reads from memory or
// from a file.
#include "files/board_file.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

std::string scratchFile() {
    char path[] = "/tmp/cellwright-fuzz-XXXXXX";
    const int fd = ::mkstemp(path);
    if (fd < 0)
        std::abort();
    ::close(fd);
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cellwright;
    static const std::string path = scratchFile();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Board fromMemory;
    for (int i = 0; i < kCellCount; ++i)
        (void)fromMemory.setDigit(i, 5);
    const bool read = readBoardItems(bytes, fromMemory);
    for (int i = 0; i < kCellCount; ++i) {
        if (fromMemory.digit(i) < 0 || fromMemory.digit(i) > 9)
            std::abort();
    }

    // The same bytes through a real file give the same board and verdict.
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    Board fromFile;
    for (int i = 0; i < kCellCount; ++i)
        (void)fromFile.setDigit(i, 5);
    if (readBoardFile(path, fromFile) != read || !(fromFile == fromMemory))
        std::abort();

    // Whatever was read writes back as exactly 243 bytes that read back the same.
    if (read) {
        const BoardFileBytes written = boardFileBytes(fromMemory);
        Board again;
        if (!readBoardItems(std::string_view(written.data(), written.size()), again) ||
            again.digits() != fromMemory.digits())
            std::abort();
    }
    return 0;
}
