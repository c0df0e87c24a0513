#include "cli/puzzle_texts.hpp"
#include "files/puzzle_reader.hpp"

#include <gtest/gtest.h>

#include <regex>

namespace cellwright {
namespace {

using namespace test;

std::string with(const std::string& text, const char* from, const char* to) {
    return std::regex_replace(text, std::regex(from), to);
}

// What a reader makes of a text handed over in pieces of the given size, one
// line per event: "P@LINE" for the known puzzle, "E@LINE" for the empty grid,
// "?@LINE" for any other, "LINE: reason" for what is no puzzle and
// "LINE: warning: text".
std::string eventsOf(const std::string& text, PuzzleLayouts layouts, std::size_t piece) {
    PuzzleReader reader(layouts);
    std::vector<ReadEvent> events;
    for (std::size_t at = 0; at < text.size() && reader.wantsMore(); at += piece)
        reader.read(std::string_view(text).substr(at, piece), events);
    reader.finish(events);
    std::string seen;
    for (const ReadEvent& event : events) {
        if (const auto* found = std::get_if<FoundPuzzle>(&event)) {
            const Digits& digits = found->digits;
            seen += digits == boardOf(kLine).digits()         ? "P"
                    : digits == boardOf(kEmptyBoard).digits() ? "E"
                                                              : "?";
            seen += "@" + std::to_string(found->line) + "\n";
        } else if (const auto* problem = std::get_if<NotAPuzzle>(&event)) {
            seen += std::to_string(problem->line) + ": " + problem->reason + "\n";
        } else {
            const auto& warning = std::get<ReadWarning>(event);
            seen += std::to_string(warning.line) + ": warning: " + warning.text + "\n";
        }
    }
    return seen;
}

// Every layout is decided from the whole block it would read, the same
// however a pipe splits the input; what is no puzzle is named by the line
// where it went wrong while the puzzles around it still read.
TEST(PuzzleReader, DecidesEachLayoutFromItsWholeBlock) {
    constexpr PuzzleLayouts any = PuzzleLayouts::Any, lines = PuzzleLayouts::Lines;
    const std::string bare = with(kLine, "(.{9})", "$1\n"); // a grid of 9 rows, no drawing
    const std::string zeroRow = "000000000\n", spacedZeroRow = "0 0 0 0 0 0 0 0 0\n";
    std::string zeroGrid, spacedZeroGrid;
    for (int row = 0; row < 9; ++row)
        zeroGrid += zeroRow, spacedZeroGrid += spacedZeroRow;
    const struct {
        std::string text;
        PuzzleLayouts layouts;
        std::string events; // a pattern
    } cases[] = {
        // Board files, item for item as the window reads them.
        {kBoardFile, any, "P@0\n"},
        {"+" + with(kBoardFile, "\r\n", " , ") + "x y", any, "P@0\n"},
        {with(kBoardFile, "^([^\n]*\n[^\n]*\n)0", "$1."), any,
         "3: warning: item 3 '.' is not a number: read as an empty cell, as the window reads "
         "it\nP@0\n"},
        {"\xEF\xBB\xBF" + kBoardFile, any,
         "1: warning: item 1 '\\\\xef\\\\xbb\\\\xbf5' is not a number.*\n\\?@0\n"},
        {"-" + kBoardFile, any, "1: item 1 '-5' of the board file is not a number 0 to 9\n"},
        // Out of range, the item ends where it ends: the next is still the next.
        {"1" + with(kBoardFile, "\r\n", " ") + "\n" + kLine + "\n", any,
         "1: item 1 '15' of the board file is not a number 0 to 9\n"},
        {"3276" + with(kBoardFile, "\r\n", ","), any,
         "1: item 1 '32765' of the board file is not a number 0 to 9\n"},
        {"999999" + with(kBoardFile, "\r\n", " "), any,
         "1: item 1 '9999995' of the board file is not a number 0 to 9\n"},
        {kBoardFile.substr(0, 240) + "10\r\n", any, "81: item 81 '10'.*\n"},
        {"1\r\n", any, "1: a board file holds 81 items, this one 1\n"},
        {"# a note\n\n", any, "1: no puzzle in it\n"},
        {"53..7....|y\n", any, "1: 'y' at column 11.*\n"},
        // Puzzle lines: an empty one first, and in a file of lines only.
        {std::string(81, '0') + "\n" + kLine + "\n", any, "E@1\nP@2\n"},
        {"\xEF\xBB\xBF " + kLine + "\t4.5\r\n\n# note\n" + kLine + ",sol\n" + kLine + "#7", lines,
         "P@1\nP@4\nP@5\n"},
        {kLine + "\n" + kLine.substr(1) + "\n", lines, "P@1\n2: 80 cells.*\n"},
        {kLine + "a\n", lines, "1: 'a' at column 82.*\n"},
        {"5\n", lines, "1: 1 cells where a puzzle line has 81\n"},
        // Grids: exactly 9 rows, ended by what is not a row.
        {with(kLine, "\\.", "_") + "\n" + kGrid + "+==+\n" + kGrid, any, "P@1\nP@2\nP@15\n"},
        {with(kGrid, "[|+-]", ":") + with(kLine, "\\.", "*") + "\n" + with(kLine, "\\.", "x"), any,
         "P@1\nP@13\nP@14\n"},
        {with(bare, "\n", "\n---------\n"), any, "P@1\n"},
        {zeroGrid, any, "E@1\n"},
        {spacedZeroGrid + "\n" + spacedZeroGrid, any, "E@1\nE@11\n"},
        {bare + zeroRow, any, "1: a grid of 10 rows, not 9\n"},
        {bare.substr(10) + "---------\n" + bare, any, "1: a grid of 8 rows, not 9\nP@10\n"},
        {kGrid.substr(0, 20) + kLine + "\n", any, "1: a grid of 1 row, not 9\nP@2\n"},
        // A line too long ends the input there.
        {std::string(5000, '5') + "\n" + kLine, any, "1: line longer than 4096 bytes\n"},
        {bare + std::string(5000, '\0'), any, "P@1\n10: line longer than 4096 bytes\n"},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, c.text.size() + 1}) {
            const std::string seen = eventsOf(c.text, c.layouts, piece);
            EXPECT_TRUE(std::regex_match(seen, std::regex(c.events)))
                << c.text.substr(0, 300) << "\nread as:\n"
                << seen;
        }
    }
}

} // namespace
} // namespace cellwright
