#include "cli/puzzle_texts.hpp"
#include "files/puzzle_reader.hpp"

#include <gtest/gtest.h>

#include <regex>

namespace cellwright {
namespace {

using namespace test;

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
        std::size_t puzzles;
        std::string problem; // "LINE: reason" as a pattern, empty for none
    } cases[] = {
        {kBoardFile, any, 1, ""},
        {"\xEF\xBB\xBF+" + with(kBoardFile, "\r\n", " , ") + "x y", any, 1, ""},
        {"\xEF\xBB\xBF " + kLine + "\t4.5\r\n\n# note\n" + kLine + ",sol\n" + kLine + "#7", lines,
         3, ""},
        {with(kLine, "\\.", "_") + "\n" + kGrid + "+==+\n" + kGrid, any, 3, ""},
        {with(kGrid, "[|+-]", ":") + with(kLine, "\\.", "*") + "\n" + with(kLine, "\\.", "x"), any,
         3, ""},
        {"1\r\n", any, 0, "1: .*81 numbers, this one 1"},
        {"# a note\n\n", any, 0, "1: no puzzle in it"},
        {"53..7....|y\n", any, 0, "1: 'y' at column 11.*"},
        {kBoardFile.substr(0, 240) + "10\r\n", any, 0, "81: item 81 '10'.*"},
        {kLine + "\n" + kLine.substr(1) + "\n", lines, 1, "2: 80 cells.*"},
        {kLine + "a\n", lines, 0, "1: 'a' at column 82.*"},
        {kLine.substr(0, 9) + "\n", lines, 0, "1: 9 cells where.*"},
        {kGrid.substr(0, kGrid.size() - 40) + "\n" + kGrid, any, 1, "1: a grid of 8 rows.*"},
        {kGrid.substr(0, 20) + kLine + "\n", any, 1, "1: a grid of 1 row.*"},
        {std::string(5000, '5') + "\n" + kLine, any, 1, "1: line longer than 4096 bytes"},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, c.text.size() + 1}) {
            PuzzleReader reader(c.layouts);
            std::vector<ReadEvent> events;
            for (std::size_t at = 0; at < c.text.size() && reader.wantsMore(); at += piece)
                reader.read(std::string_view(c.text).substr(at, piece), events);
            reader.finish(events);
            std::size_t puzzles = 0;
            std::string problems;
            for (const ReadEvent& event : events) {
                if (const auto* problem = std::get_if<NotAPuzzle>(&event))
                    problems += std::to_string(problem->line) + ": " + problem->reason + "\n";
                else if (std::get<FoundPuzzle>(event).digits == boardOf(kLine).digits())
                    ++puzzles;
            }
            EXPECT_EQ(puzzles, c.puzzles) << c.text;
            EXPECT_TRUE(
                std::regex_match(problems, std::regex(c.problem.empty() ? "" : c.problem + "\n")))
                << c.text << problems;
        }
    }
}

} // namespace
} // namespace cellwright
