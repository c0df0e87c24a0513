// Arbitrary bytes on standard input, read as cellwright-solve reads it (a board
// file, or puzzle lines and grids; or with --lines): every puzzle it yields
// holds digits 0..9, comes in order and says where it came from; problems go
// to standard error and mark the input as not all read.
#include "cli/puzzle_source.hpp"

#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cellwright;
    using namespace cellwright::cli;
    if (size == 0)
        return 0;
    static const int memory = ::memfd_create("stdin", 0);
    if (memory < 0 || ::ftruncate(memory, 0) != 0 ||
        ::pwrite(memory, data + 1, size - 1, 0) != static_cast<ssize_t>(size - 1) ||
        ::lseek(memory, 0, SEEK_SET) != 0 || ::dup2(memory, STDIN_FILENO) != STDIN_FILENO)
        std::abort();
    PuzzleSource source({"-"}, data[0] & 1 ? PuzzleLayouts::Lines : PuzzleLayouts::Any);
    std::size_t expected = 0;
    while (const auto puzzle = source.next()) {
        if (puzzle->index != expected++ || !puzzle->origin.starts_with("<stdin>"))
            std::abort();
        for (const std::int16_t digit : puzzle->digits) {
            if (digit < 0 || digit > 9)
                std::abort();
        }
    }
    return 0;
}
