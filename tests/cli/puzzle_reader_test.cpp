#include "cli/puzzle_texts.hpp"
#include "files/puzzle_reader.hpp"

#include <gtest/gtest.h>

#include <regex>

namespace cellwright {
namespace {

using test::kBoardFile;
using test::kGrid;
using test::kLine;

std::vector<ReadEvent> readAll(const std::string& text, PuzzleLayouts layouts, std::size_t piece) {
    PuzzleReader reader(layouts);
    std::vector<ReadEvent> events;
    for (std::size_t at = 0; at < text.size() && reader.wantsMore(); at += piece)
        reader.read(std::string_view(text).substr(at, piece), events);
    reader.finish(events);
    return events;
}

// Split anywhere, as a pipe may hand it over, input reads the same: every
// layout as the known puzzle, and what is no puzzle named by its line while
// the puzzles around it still read.
TEST(PuzzleReader, ReadsEveryLayoutAndNamesTheLineOfWhatIsNoPuzzle) {
    const auto with = [](const std::string& text, const char* from, const char* to) {
        return std::regex_replace(text, std::regex(from), to);
    };
    constexpr PuzzleLayouts any = PuzzleLayouts::Any, lines = PuzzleLayouts::Lines;
    const struct {
        std::string text;
        PuzzleLayouts layouts;
        std::size_t puzzles, line; // line: of the one problem, 0 for none
        std::string reason;
    } cases[] = {
        {kBoardFile, any, 1, 0, ""},
        {"\xEF\xBB\xBF" + with(kBoardFile, "\r\n", " , ") + "x y", any, 1, 0, ""},
        {"\xEF\xBB\xBF " + kLine + "\t4.5\r\n\n# note\n" + kLine + ",sol\n" + kLine + "#7", lines,
         3, 0, ""},
        {with(kLine, "\\.", "_") + "\n" + kGrid + "+==+\n" + kGrid, any, 3, 0, ""},
        {with(kGrid, "[|+-]", ":") + with(kLine, "\\.", "*") + "\n" + with(kLine, "\\.", "x"), any,
         3, 0, ""},
        {"1\r\n2\r\n", any, 0, 2, "81 numbers, this one 2"},
        {"", any, 0, 1, "no puzzle"},
        {kBoardFile.substr(0, 240) + "10\r\n", any, 0, 81, "item 81 '10'"},
        {kLine + "\n" + kLine.substr(1) + "\n", lines, 1, 2, "80 cells"},
        {kLine + "9\n" + kLine + "\n", any, 1, 1, "82 cells"},
        {kLine + "a\n", lines, 0, 1, "'a' at column 82"},
        {kLine.substr(0, 9) + "\n", lines, 0, 1, "9 cells where"},
        {kGrid.substr(0, kGrid.size() - 20) + "\n" + kGrid, any, 1, 1, "a grid of 8 rows"},
        {kGrid.substr(0, 20) + kLine + "\n", any, 1, 1, "a grid of 1 row"},
        {std::string(5000, '5') + "\n" + kLine, any, 1, 1, "longer than 4096"},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, c.text.size() + 1}) {
            std::size_t puzzles = 0;
            std::vector<NotAPuzzle> problems;
            for (const ReadEvent& event : readAll(c.text, c.layouts, piece)) {
                if (const auto* problem = std::get_if<NotAPuzzle>(&event))
                    problems.push_back(*problem);
                else if (std::get<FoundPuzzle>(event).digits == test::boardOf(kLine).digits())
                    ++puzzles;
            }
            EXPECT_EQ(puzzles, c.puzzles) << c.text;
            ASSERT_EQ(problems.size(), c.line == 0 ? 0U : 1U) << c.text;
            if (c.line != 0) {
                EXPECT_EQ(problems[0].line, c.line) << c.text;
                EXPECT_NE(problems[0].reason.find(c.reason), std::string::npos)
                    << problems[0].reason;
            }
        }
    }
}

} // namespace
} // namespace cellwright
