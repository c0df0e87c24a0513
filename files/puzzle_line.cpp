#include "files/puzzle_line.hpp"

namespace cellwright {

std::string puzzleLineOf(const Board& board) {
    std::string line(kCellCount, '.');
    for (int i = 0; i < kCellCount; ++i) {
        if (const int v = board.digit(i); v > 0)
            line[static_cast<std::size_t>(i)] = static_cast<char>('0' + v);
    }
    return line;
}

void placeDigits(Board& board, const Digits& digits) {
    for (int i = 0; i < kCellCount; ++i)
        (void)board.setDigit(i, digits[i]);
}

} // namespace cellwright
