#pragma once

#include "support/test_boards.hpp"

#include <string>

namespace cellwright::test {

// The known puzzle in the layouts people write it in.
inline const std::string kLine(kPuzzle);
inline const std::string kBoardFile = [] { // as the window saves it
    std::string text;
    for (const char c : kLine)
        text += std::string(1, c == '.' ? '0' : c) + "\r\n";
    return text;
}();
inline const std::string kGrid = [] { // rows "| 53. | .7. | ... |", a line between bands
    std::string text;
    for (int r = 0; r < 9; ++r)
        text += (r == 3 || r == 6 ? "|-----+-----+-----|\n" : "") + std::string("| ") +
                kLine.substr(9 * r, 3) + " | " + kLine.substr(9 * r + 3, 3) + " | " +
                kLine.substr(9 * r + 6, 3) + " |\n";
    return text;
}();

} // namespace cellwright::test
