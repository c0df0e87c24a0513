#include "files/puzzle_reader.hpp"

#include "files/board_item.hpp"

#include <array>
#include <cstdint>

namespace cellwright {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDrawing(char c) {
    return c == '|' || c == '+' || c == '-' || c == '=' || c == ':';
}

// A cell of a puzzle line or grid row: its digit, 0 when empty, -1 if not a
// cell. A table, as every byte of every line passes through it.
constexpr std::array<std::int8_t, 256> kCellValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (const char empty : {'.', '0', '_', '*', 'x'})
        values[static_cast<unsigned char>(empty)] = 0;
    for (int digit = 1; digit <= 9; ++digit)
        values[static_cast<std::size_t>('0' + digit)] = static_cast<std::int8_t>(digit);
    return values;
}();
int cellValue(char c) {
    return kCellValues[static_cast<unsigned char>(c)];
}

// Text from the input as it may be shown in a message: bytes that are not
// printable ASCII as \xNN, so that a binary file cannot upset a terminal.
std::string printable(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (c >= ' ' && c <= '~') {
            shown += c;
        } else {
            constexpr std::string_view kHex = "0123456789abcdef";
            const auto byte = static_cast<unsigned char>(c);
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 15];
        }
    }
    return shown;
}

std::string quoted(const std::string& text) {
    std::string shown(1, '\'');
    shown.append(text).push_back('\'');
    return shown;
}

bool endsPuzzleLine(char c) {
    return isBlank(c) || c == ',' || c == '#';
}

// What one line is in the layouts of puzzle lines and grids.
struct LineShape {
    enum class Kind { Blank, Comment, PuzzleLine, GridRow, Drawing, Other };
    Kind kind = Kind::Other;
    Digits digits{}; // a puzzle line's 81 cells, or a grid row's 9 first
};

LineShape shapeOf(std::string_view line) {
    LineShape shape;
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        shape.kind = LineShape::Kind::Blank;
        return shape;
    }
    if (line[start] == '#') {
        shape.kind = LineShape::Kind::Comment;
        return shape;
    }
    const std::string_view rest = line.substr(start);
    std::size_t cells = 0;
    while (cells < kCellCount && cells < rest.size() && cellValue(rest[cells]) >= 0) {
        shape.digits[cells] = static_cast<std::int16_t>(cellValue(rest[cells]));
        ++cells;
    }
    if (cells == kCellCount && (rest.size() == kCellCount || endsPuzzleLine(rest[kCellCount]))) {
        shape.kind = LineShape::Kind::PuzzleLine;
        return shape;
    }
    int rowCells = 0;
    for (const char c : rest) {
        if (cellValue(c) >= 0) {
            if (rowCells < kSize)
                shape.digits[static_cast<std::size_t>(rowCells)] =
                    static_cast<std::int16_t>(cellValue(c));
            ++rowCells;
        } else if (!isBlank(c) && !isDrawing(c)) {
            return shape; // Other
        }
    }
    if (rowCells == 0)
        shape.kind = LineShape::Kind::Drawing;
    else if (rowCells == kSize)
        shape.kind = LineShape::Kind::GridRow;
    return shape;
}

std::string describeLine(std::string_view line, PuzzleLayouts layouts) {
    const std::size_t start = line.find_first_not_of(" \t");
    int cells = 0;
    for (std::size_t i = start; i < line.size(); ++i) {
        const char c = line[i];
        if (cellValue(c) >= 0) {
            ++cells;
        } else if (cells == 81 && endsPuzzleLine(c)) {
            break;
        } else if (!isBlank(c) && (layouts == PuzzleLayouts::Lines || !isDrawing(c))) {
            return quoted(printable(std::string_view(&line[i], 1))) + " at column " +
                   std::to_string(i + 1) + " is not a cell (1-9, or . 0 _ * x for an empty one)";
        }
    }
    if (layouts == PuzzleLayouts::Lines)
        return std::to_string(cells) + " cells where a puzzle line has 81";
    return std::to_string(cells) + " cells where a puzzle line has 81 and a grid row 9";
}

// The text of the item that starts at `start`, short enough for a message.
std::string itemText(std::string_view raw, std::size_t start) {
    std::size_t end = start;
    while (end < raw.size() && !board_item::endsItem(static_cast<unsigned char>(raw[end])))
        ++end;
    constexpr std::size_t kShown = 20;
    return quoted(printable(raw.substr(start, std::min(end - start, kShown))) +
                  (end - start > kShown ? "..." : ""));
}

} // namespace

void PuzzleReader::read(std::string_view bytes, std::vector<ReadEvent>& events) {
    while (!bytes.empty() && !done_) {
        const std::size_t end = bytes.find('\n');
        const std::string_view part = bytes.substr(0, end);
        if (part.size() > kMaxLineBytes - pending_.size()) {
            takeLineTooLong(events);
            return;
        }
        pending_.append(part);
        if (end == std::string_view::npos)
            return;
        takeLine(pending_, events);
        pending_.clear();
        bytes.remove_prefix(end + 1);
    }
}

void PuzzleReader::finish(std::vector<ReadEvent>& events) {
    if (!done_ && !pending_.empty())
        takeLine(pending_, events);
    pending_.clear();
    if (done_)
        return;
    if (inBoardBlock_ && board_.items > 0) {
        if (!board_.startsWithNumber) {
            leaveBoardBlock(events); // no board file: perhaps lines that tell why
        } else {
            done_ = true;
            record(NotAPuzzle{board_.bad.empty() ? lineNumber_ : board_.badLine,
                              board_.bad.empty() ? "a board file holds 81 items, this one " +
                                                       std::to_string(board_.items)
                                                 : board_.bad},
                   events);
            return;
        }
    }
    endGrid(events);
    if (layouts_ == PuzzleLayouts::Any && !anyEvent_)
        record(NotAPuzzle{1, "no puzzle in it"}, events);
}

void PuzzleReader::takeLine(std::string_view line, std::vector<ReadEvent>& events) {
    ++lineNumber_;
    const std::string_view raw = line; // as the window's item reader sees it
    if (lineNumber_ == 1 && line.starts_with(kByteOrderMark))
        line.remove_prefix(kByteOrderMark.size());
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    if (inBoardBlock_)
        takeBoardLine(lineNumber_, raw, line, events);
    else
        readTextLine(lineNumber_, line, events);
}

void PuzzleReader::takeLineTooLong(std::vector<ReadEvent>& events) {
    // The rest of this line may never end (/dev/zero): nothing after it is read.
    ++lineNumber_;
    if (!inBoardBlock_)
        endGrid(events);
    record(NotAPuzzle{lineNumber_, "line longer than " + std::to_string(kMaxLineBytes) + " bytes"},
           events);
    done_ = true;
    pending_.clear();
}

void PuzzleReader::takeBoardLine(std::size_t number, std::string_view raw, std::string_view line,
                                 std::vector<ReadEvent>& events) {
    const LineShape::Kind kind = shapeOf(line).kind;
    if (kind == LineShape::Kind::PuzzleLine || kind == LineShape::Kind::GridRow) {
        // A line no board file holds: the input is puzzle lines and grids.
        leaveBoardBlock(events);
        readTextLine(number, line, events);
        return;
    }
    // Held for the other layouts in case this is no board file; each holds an
    // item, so what is held stays bounded by the 81 items a board file reads.
    // Blank lines are not: they only end grids, and no grid row is held.
    if (kind != LineShape::Kind::Blank)
        board_.lines.push_back({number, std::string(line)});
    readBoardItems(number, raw);
    if (board_.items == kCellCount)
        endBoardBlock(events);
}

void PuzzleReader::readBoardItems(std::size_t number, std::string_view raw) {
    BoardTextSource in(raw);
    while (board_.items < kCellCount && skipToBoardItem(in)) {
        const std::size_t start = in.position();
        const BoardItem item = readBoardItem(in);
        const int index = board_.items++;
        if (index == 0)
            board_.startsWithNumber = item.kind == BoardItem::Kind::Number;
        if (item.kind == BoardItem::Kind::NotANumber) {
            if (board_.notNumbers++ == 0) {
                board_.notNumberLine = number;
                board_.firstNotNumber =
                    "item " + std::to_string(index + 1) + " " + itemText(raw, start);
            }
        } else if (item.kind == BoardItem::Kind::TooLarge || item.value < 0 || item.value > 9) {
            if (board_.bad.empty()) {
                board_.badLine = number;
                board_.bad = "item " + std::to_string(index + 1) + " " + itemText(raw, start) +
                             " of the board file is not a number 0 to 9";
            }
        }
        board_.digits[index] = static_cast<std::int16_t>(item.value);
    }
}

void PuzzleReader::endBoardBlock(std::vector<ReadEvent>& events) {
    done_ = true; // a board file is its first 81 items, whatever follows
    board_.lines.clear();
    if (!board_.bad.empty()) {
        record(NotAPuzzle{board_.badLine, board_.bad}, events);
        return;
    }
    if (board_.notNumbers == 1) {
        record(ReadWarning{board_.notNumberLine, board_.firstNotNumber +
                                                     " is not a number: read as an empty cell, "
                                                     "as the window reads it"},
               events);
    } else if (board_.notNumbers > 1) {
        record(ReadWarning{board_.notNumberLine,
                           board_.firstNotNumber + " and " + std::to_string(board_.notNumbers - 1) +
                               " more items are not numbers: read as empty cells, as the "
                               "window reads them"},
               events);
    }
    record(FoundPuzzle{board_.digits, 0}, events);
}

void PuzzleReader::leaveBoardBlock(std::vector<ReadEvent>& events) {
    inBoardBlock_ = false;
    for (const BoardBlock::HeldLine& held : board_.lines)
        readTextLine(held.number, held.text, events);
    board_ = BoardBlock{};
}

void PuzzleReader::readTextLine(std::size_t number, std::string_view line,
                                std::vector<ReadEvent>& events) {
    const LineShape shape = shapeOf(line);
    switch (shape.kind) {
    case LineShape::Kind::Blank:
        endGrid(events);
        return;
    case LineShape::Kind::Comment:
        return;
    case LineShape::Kind::PuzzleLine:
        endGrid(events);
        record(FoundPuzzle{shape.digits, number}, events);
        return;
    default:
        break;
    }
    if (layouts_ == PuzzleLayouts::Any && shape.kind == LineShape::Kind::Drawing) {
        drawnLine(events);
        return;
    }
    if (layouts_ == PuzzleLayouts::Any && shape.kind == LineShape::Kind::GridRow) {
        Grid& grid = grid_;
        if (grid.rows == 0)
            grid = Grid{{}, 0, number, 0, false};
        for (int col = 0; col < kSize && grid.rows < kSize; ++col)
            grid.digits[kSize * grid.rows + col] = shape.digits[static_cast<std::size_t>(col)];
        ++grid.rows;
        grid.lastWasDrawing = false;
        return;
    }
    endGrid(events);
    record(NotAPuzzle{number, describeLine(line, layouts_)}, events);
}

void PuzzleReader::drawnLine(std::vector<ReadEvent>& events) {
    Grid& grid = grid_;
    if (grid.rows == 0 || grid.lastWasDrawing)
        return; // a border above a grid, or a second line of drawing
    // A line between bands, or between each two rows of a grid drawn that way,
    // is part of the grid; any other ends it, so that two grids are never
    // spliced into one.
    if (grid.rows < kSize && (grid.rows % 3 == 0 || grid.rowsFollowedByDrawing == grid.rows - 1)) {
        ++grid.rowsFollowedByDrawing;
        grid.lastWasDrawing = true;
        return;
    }
    endGrid(events);
}

void PuzzleReader::endGrid(std::vector<ReadEvent>& events) {
    const Grid& grid = grid_;
    if (grid.rows == kSize)
        record(FoundPuzzle{grid.digits, grid.line}, events);
    else if (grid.rows > 0)
        record(NotAPuzzle{grid.line, "a grid of " + std::to_string(grid.rows) +
                                         (grid.rows == 1 ? " row" : " rows") + ", not 9"},
               events);
    grid_.rows = 0;
}

void PuzzleReader::record(ReadEvent event, std::vector<ReadEvent>& events) {
    anyEvent_ = true;
    events.push_back(std::move(event));
}

std::optional<Digits> onlyPuzzleOf(const std::vector<ReadEvent>& events) {
    if (events.size() != 1 || !std::holds_alternative<FoundPuzzle>(events.front()))
        return std::nullopt;
    return std::get<FoundPuzzle>(events.front()).digits;
}

std::optional<Digits> readWholePuzzle(std::string_view text) {
    PuzzleReader reader(PuzzleLayouts::Any);
    std::vector<ReadEvent> events;
    reader.read(text, events);
    reader.finish(events);
    return onlyPuzzleOf(events);
}

} // namespace cellwright
