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

// Input that is no puzzle: the line where it went wrong and what is wrong.
struct NotAPuzzle {
    std::size_t line = 0;
    std::string reason;
    bool operator==(const NotAPuzzle&) const = default;
};

// Input read as a puzzle all the same, worth a word: items of a board file
// that are no numbers and are read as empty cells, as the window reads them.
struct ReadWarning {
    std::size_t line = 0;
    std::string text;
    bool operator==(const ReadWarning&) const = default;
};

using ReadEvent = std::variant<FoundPuzzle, NotAPuzzle, ReadWarning>;

enum class PuzzleLayouts {
    // A board file (81 items, as the window opens it), or else puzzle lines
    // and 9x9 grids, as many as the input holds.
    Any,
    // Puzzle lines only: one puzzle a line.
    Lines,
};

// Reads puzzles from bytes handed over in pieces of any size, so that input
// from a pipe is read as it arrives, in memory bounded by kMaxLineBytes a line
// (a board file's 81 items at most are held), whatever the input's size.
//
// Layouts, each decided from the whole block it would read, never from its
// first line alone:
//  - board file: the first 81 items of the input, read item for item as the
//    window's Load reads them (readBoardItem): an item that is no number is an
//    empty cell (with a warning), a number outside 0..9 refuses the file, and
//    anything after the 81st item is not read. It is a board file when none of
//    the lines holding those items is a puzzle line or a grid row.
//  - puzzle line: 81 cells (1-9; empty as . 0 _ * x) after optional blanks,
//    then the end of the line or a blank, TAB, ',' or '#' and anything;
//  - grid: exactly 9 rows of 9 cells, blanks and | + - = : as box drawing. A
//    grid ends at a blank line, at a line that is not one of its rows, at the
//    end of the input, or at a drawn line other than one between its bands
//    (or between each of its rows, when every row so far has one).
//  Blank lines and lines starting with '#' are skipped; a UTF-8 byte order
//  mark and CR before LF are ignored. A line longer than kMaxLineBytes ends
//  the input: reading stops there at once.
class PuzzleReader {
  public:
    static constexpr std::size_t kMaxLineBytes = 4096;

    explicit PuzzleReader(PuzzleLayouts layouts)
        : layouts_(layouts), inBoardBlock_(layouts == PuzzleLayouts::Any) {}

    // Reads the bytes and appends what they complete to events.
    void read(std::string_view bytes, std::vector<ReadEvent>& events);
    // The end of the input: appends what it completes (an unfinished grid or
    // board file, or a note that the input held no puzzle at all).
    void finish(std::vector<ReadEvent>& events);
    // False once the rest of the input is not to be read: a board file is
    // complete or refused, or a line was too long.
    bool wantsMore() const { return !done_; }

  private:
    void takeLine(std::string_view line, std::vector<ReadEvent>& events);
    void takeLineTooLong(std::vector<ReadEvent>& events);
    void takeBoardLine(std::size_t number, std::string_view raw, std::string_view line,
                       std::vector<ReadEvent>& events);
    void readBoardItems(std::size_t number, std::string_view raw);
    void endBoardBlock(std::vector<ReadEvent>& events);
    void leaveBoardBlock(std::vector<ReadEvent>& events);
    void readTextLine(std::size_t number, std::string_view line, std::vector<ReadEvent>& events);
    void drawnLine(std::vector<ReadEvent>& events);
    void endGrid(std::vector<ReadEvent>& events);
    void record(ReadEvent event, std::vector<ReadEvent>& events);

    // The start of the input read as a board file, until it is one or is not.
    struct BoardBlock {
        struct HeldLine {
            std::size_t number = 0;
            std::string text;
        };
        std::vector<HeldLine> lines; // for the other layouts, should it be none
        Digits digits{};
        int items = 0;
        bool startsWithNumber = false;
        std::size_t badLine = 0; // the first item that refuses the file
        std::string bad;
        std::size_t notNumbers = 0; // items read as empty cells
        std::size_t notNumberLine = 0;
        std::string firstNotNumber;
    };
    // A grid being read: its rows so far (beyond 9 only counted).
    struct Grid {
        Digits digits{};
        int rows = 0;
        std::size_t line = 0;
        int rowsFollowedByDrawing = 0;
        bool lastWasDrawing = false;
    };

    PuzzleLayouts layouts_;
    std::string pending_; // the line read so far, up to kMaxLineBytes
    std::size_t lineNumber_ = 0;
    bool inBoardBlock_;
    bool done_ = false;
    BoardBlock board_;
    Grid grid_;
    bool anyEvent_ = false;
};

// The puzzle when a whole read gave exactly that one puzzle and nothing else
// (no warning, no second puzzle, nothing that is none).
std::optional<Digits> onlyPuzzleOf(const std::vector<ReadEvent>& events);

// The puzzle of a text that is one whole puzzle in any of the layouts above
// (a pasted puzzle), or nothing when it is none, more than one, or read with
// a warning.
std::optional<Digits> readWholePuzzle(std::string_view text);

} // namespace cellwright
