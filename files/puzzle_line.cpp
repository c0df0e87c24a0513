#include "files/puzzle_line.hpp"

namespace cellwright {

std::optional<Digits> parsePuzzleLine(std::string_view line, std::string& reason) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() != kCellCount) {
        reason = "expected 81 cells, found " + std::to_string(line.size()) + " characters";
        return std::nullopt;
    }
    Digits digits{};
    for (int i = 0; i < kCellCount; ++i) {
        const char ch = line[static_cast<std::size_t>(i)];
        if (ch == '.' || ch == '0') {
            digits[i] = 0;
        } else if (ch >= '1' && ch <= '9') {
            digits[i] = static_cast<std::int16_t>(ch - '0');
        } else {
            reason = "character " + std::to_string(i + 1) + " is not a digit or '.'";
            return std::nullopt;
        }
    }
    return digits;
}

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
