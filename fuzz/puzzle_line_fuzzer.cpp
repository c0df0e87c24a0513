// Arbitrary bytes as a puzzle line: a parsed line has 81 digits 0..9 and
// prints back to the same puzzle; a rejected one says why.
#include "files/puzzle_line.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cellwright;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::string reason;
    const auto digits = parsePuzzleLine(line, reason);
    if (!digits) {
        if (reason.empty())
            std::abort();
        return 0;
    }
    Board board;
    for (int i = 0; i < kCellCount; ++i) {
        if ((*digits)[i] < 0 || (*digits)[i] > 9)
            std::abort();
    }
    placeDigits(board, *digits);
    const std::string printed = puzzleLineOf(board);
    std::string again;
    const auto reparsed = parsePuzzleLine(printed, again);
    if (!reparsed || *reparsed != *digits)
        std::abort();
    return 0;
}
