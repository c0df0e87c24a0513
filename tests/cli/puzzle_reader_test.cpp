#include "files/puzzle_reader.hpp"
#include "support/test_boards.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace cellwright {
namespace {

const std::string kLine(test::kPuzzle);

std::string boardFileOf(const std::string& line, const std::string& separator) {
    std::string text;
    for (const char c : line)
        text += std::string(1, c == '.' ? '0' : c) + separator;
    return text;
}

// The puzzle as 9 rows, each row passed through `row`, with `between` after
// rows 3 and 6.
template <class RowForm> std::string gridOf(RowForm row, const std::string& between) {
    std::string text;
    for (int r = 0; r < 9; ++r)
        text += (r == 3 || r == 6 ? between : "") + row(kLine.substr(9 * r, 9)) + "\n";
    return text;
}
std::string boxed(const std::string& r) {
    return "| " + r.substr(0, 3) + " | " + r.substr(3, 3) + " | " + r.substr(6, 3) + " |";
}

std::vector<ReadEvent> readAll(const std::string& text, PuzzleLayouts layouts, std::size_t piece) {
    PuzzleReader reader(layouts);
    std::vector<ReadEvent> events;
    for (std::size_t at = 0; at < text.size() && reader.wantsMore(); at += piece)
        reader.read(std::string_view(text).substr(at, piece), events);
    reader.finish(events);
    return events;
}

// Every layout reads as the same puzzle, however the bytes are split.
TEST(PuzzleReader, EveryLayoutReadsTheKnownPuzzle) {
    std::string zeros = kLine;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    const std::string grid = gridOf([](const std::string& r) { return r; }, "");
    const std::string drawn = gridOf(boxed, "|-----+-----+-----|\n");
    const struct {
        std::string text;
        std::size_t puzzles;
        PuzzleLayouts layouts;
    } cases[] = {
        {boardFileOf(kLine, "\r\n"), 1, PuzzleLayouts::Any},
        {boardFileOf(kLine, ", ") + "junk after the 81st item", 1, PuzzleLayouts::Any},
        {"\xEF\xBB\xBF" + boardFileOf(kLine, " "), 1, PuzzleLayouts::Any},
        {"  " + kLine + "  \r\n", 1, PuzzleLayouts::Lines},
        {"\xEF\xBB\xBF" + zeros + "\r\n", 1, PuzzleLayouts::Lines},
        {"# comment\n" + kLine + "\t4.5\n\n" + kLine + "," + std::string(test::kSolution) + "\n", 2,
         PuzzleLayouts::Lines},
        {kLine + " rating 3\n" + kLine + "#id\n", 2, PuzzleLayouts::Any},
        {std::regex_replace(kLine, std::regex("\\."), "_") + "\n", 1, PuzzleLayouts::Any},
        {std::regex_replace(kLine, std::regex("\\."), "*") + "\n", 1, PuzzleLayouts::Any},
        {std::regex_replace(kLine, std::regex("\\."), "x"), 1, PuzzleLayouts::Any},
        {grid, 1, PuzzleLayouts::Any},
        {"+-----+-----+-----+\n" + drawn + "+=====+=====+=====+\n" + drawn, 2, PuzzleLayouts::Any},
        {grid + "\n" + gridOf([](const std::string& r) { return r + " : "; }, "- - -\n"), 2,
         PuzzleLayouts::Any},
        {grid + kLine + "\n" + grid, 3, PuzzleLayouts::Any},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, c.text.size()}) {
            const auto events = readAll(c.text, c.layouts, piece);
            ASSERT_EQ(events.size(), c.puzzles) << c.text;
            for (const ReadEvent& event : events) {
                ASSERT_TRUE(std::holds_alternative<FoundPuzzle>(event)) << c.text;
                EXPECT_EQ(std::get<FoundPuzzle>(event).digits, test::boardOf(kLine).digits())
                    << c.text;
            }
        }
    }
}

// What is not a puzzle is named by its line; the puzzles around it still read.
TEST(PuzzleReader, RefusesWhatIsNoPuzzleByLine) {
    const std::string grid = gridOf(boxed, "");
    const struct {
        std::string text;
        PuzzleLayouts layouts;
        std::size_t line;
        std::string reason;
        std::size_t puzzles;
    } cases[] = {
        {"1\r\n2\r\n", PuzzleLayouts::Any, 2, "81 numbers, this one 2", 0},
        {"", PuzzleLayouts::Any, 1, "no puzzle", 0},
        {"# only a comment\n", PuzzleLayouts::Any, 1, "no puzzle", 0},
        {boardFileOf(kLine.substr(0, 80), "\r\n") + "10\r\n", PuzzleLayouts::Any, 81,
         "item 81 '10'", 0},
        {kLine + "\n" + kLine.substr(1) + "\n", PuzzleLayouts::Lines, 2, "80 cells", 1},
        {kLine + "9\n" + kLine + "\n", PuzzleLayouts::Any, 1, "82 cells", 1},
        {kLine + "a\n", PuzzleLayouts::Lines, 1, "'a' at column 82", 0},
        {kLine.substr(0, 9) + "\n", PuzzleLayouts::Lines, 1, "9 cells where", 0},
        {grid.substr(0, grid.size() - 20) + "\n" + grid, PuzzleLayouts::Any, 1, "a grid of 8 rows",
         1},
        {grid.substr(0, 24) + "\n" + kLine + "\n", PuzzleLayouts::Any, 1, "a grid of 1 row", 1},
        {"53..7....|x\n", PuzzleLayouts::Any, 1, "'x' at column 10", 0},
        {std::string(5000, '5') + "\n" + kLine, PuzzleLayouts::Any, 1, "longer than 4096", 1},
    };
    for (const auto& c : cases) {
        const auto events = readAll(c.text, c.layouts, 3);
        std::size_t puzzles = 0;
        std::vector<NotAPuzzle> problems;
        for (const ReadEvent& event : events) {
            if (const auto* problem = std::get_if<NotAPuzzle>(&event))
                problems.push_back(*problem);
            else
                ++puzzles;
        }
        EXPECT_EQ(puzzles, c.puzzles) << c.text;
        ASSERT_EQ(problems.size(), 1U) << c.text;
        EXPECT_EQ(problems[0].line, c.line) << c.text;
        EXPECT_NE(problems[0].reason.find(c.reason), std::string::npos) << problems[0].reason;
    }
}

TEST(PuzzleReader, BoardFileEndsAtItsLastItem) {
    PuzzleReader reader(PuzzleLayouts::Any);
    std::vector<ReadEvent> events;
    for (int item = 0; item < 81; ++item) {
        EXPECT_TRUE(reader.wantsMore()) << item;
        reader.read("0\n", events);
    }
    EXPECT_FALSE(reader.wantsMore()) << "the rest of an endless input is not read";
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(std::get<FoundPuzzle>(events[0]).line, 0U);
}

} // namespace
} // namespace cellwright
