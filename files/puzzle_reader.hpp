#pragma once

#include "files/puzzle_line.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cellwright {

// A puzzle found in the input, and the line it starts on (board files: 0, as
// they are one puzzle as a whole).
struct FoundPuzzle {
    Digits digits{};
    std::size_t line = 0;
    bool operator==(const FoundPuzzle&) const = default;
};

// Input that is no puzzle: the line it starts on and what is wrong with it.
struct NotAPuzzle {
    std::size_t line = 0;
    std::string reason;
    bool operator==(const NotAPuzzle&) const = default;
};

using ReadEvent = std::variant<FoundPuzzle, NotAPuzzle>;

enum class PuzzleLayouts {
    // A board file (81 numbers, as the window saves it); failing that, puzzle
    // lines and 9x9 grids, as many as the input holds.
    Any,
    // Puzzle lines only: one puzzle a line.
    Lines,
};

// Reads puzzles from bytes handed over in pieces of any size, so that input
// from a pipe is read as it arrives, in memory bounded by the longest line it
// keeps (kMaxLineBytes), whatever the input's size.
//
// Layouts:
//  - board file: 81 numeric items separated by blanks, CR, LF or commas, as
//    the window's loader reads them; anything after the 81st is not read. An
//    item that is not a number 0..9 sends the whole input to the forms below,
//    unless it follows lines of one number each: then the board file is bad.
//  - puzzle line: 81 cells (1-9; empty as . 0 _ * x) after optional blanks,
//    then the end of the line or a blank, TAB, ',' or '#' and anything;
//  - grid: 9 rows of 9 cells, blanks and | + - = : as box drawing; rows of
//    drawing only are skipped, a blank line ends a grid.
//  Blank lines and lines starting with '#' are skipped; a UTF-8 byte order
//  mark and CR before LF are ignored.
class PuzzleReader {
  public:
    static constexpr std::size_t kMaxLineBytes = 4096;

    explicit PuzzleReader(PuzzleLayouts layouts) : layouts_(layouts) {}

    // Reads the bytes and appends what they complete to events.
    void read(std::string_view bytes, std::vector<ReadEvent>& events);
    // The end of the input: appends what it completes (an unfinished grid or
    // board file, or a note that the input held no puzzle at all).
    void finish(std::vector<ReadEvent>& events);
    // False once a board file is complete, or refused for an item that is no
    // digit: the rest of the input is not read.
    bool wantsMore() const { return !boardDone_; }

  private:
    void takeLine(std::string_view line, bool tooLong, std::vector<ReadEvent>& events);
    void tryBoardItems(std::string_view line, std::vector<ReadEvent>& events);
    void leaveBoardForm(std::vector<ReadEvent>& events);
    void readLayoutLine(std::size_t number, std::string_view line, bool tooLong,
                        std::vector<ReadEvent>& events);
    void endGrid(std::vector<ReadEvent>& events);
    void record(ReadEvent event, std::vector<ReadEvent>& events);

    struct HeldLine {
        std::size_t number = 0;
        std::string text;
        bool tooLong = false;
    };

    PuzzleLayouts layouts_;
    std::string pending_; // the line read so far, up to kMaxLineBytes
    bool pendingTooLong_ = false;
    std::size_t lineNumber_ = 0;
    bool boardForm_ = true; // still reading as a board file (Any only)
    bool boardDone_ = false;
    std::vector<HeldLine> heldLines_; // read as a board file, kept for the other forms
    Digits boardDigits_{};
    int boardItems_ = 0;
    bool severalPerLine_ = false; // some line held more than one board item
    Digits gridDigits_{};
    int gridRows_ = 0;
    std::size_t gridLine_ = 0;
    bool anyEvent_ = false;
};

// The puzzle of a text that is one whole puzzle in any of the layouts above
// (a pasted puzzle), or nothing when it is none, or more than one.
std::optional<Digits> readWholePuzzle(std::string_view text);

} // namespace cellwright
