#pragma once

#include "support/test_boards.hpp"

#include <regex>
#include <string>

namespace cellwright::test {

// The known puzzle in the layouts people write it in: a line, a board file as
// the window saves it, and a grid of rows "| 53. | .7. | ... |" with a drawn
// line after each band.
inline const std::string kLine(kPuzzle);
inline const std::string kBoardFile = std::regex_replace(
    std::regex_replace(kLine, std::regex("\\."), "0"), std::regex("."), "$&\r\n");
inline const std::string kGrid = std::regex_replace(
    std::regex_replace(kLine, std::regex("(...)(...)(...)"), "| $1 | $2 | $3 |\n"),
    std::regex("(.*\n.*\n.*\n)"), "$1|-----+-----+-----|\n");

// The longest search of bench.txt: 960,721 passes.
inline constexpr std::string_view kLongestSearch =
    ".................1..2.34..........3...52..4...1.6.........7.52..6.....8.1...9....";

} // namespace cellwright::test
