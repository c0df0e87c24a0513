#include "files/puzzle_reader.hpp"

#include <charconv>

namespace cellwright {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDrawing(char c) {
    return c == '|' || c == '+' || c == '-' || c == '=' || c == ':';
}

// A cell of a puzzle line or grid row: its digit, 0 when empty, -1 if not a cell.
int cellValue(char c) {
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c == '.' || c == '0' || c == '_' || c == '*' || c == 'x')
        return 0;
    return -1;
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

bool endsPuzzleLine(char c) {
    return isBlank(c) || c == ',' || c == '#';
}

// A board item as the window's loader takes it: an optional sign and decimal
// digits. Only 0..9 can be a cell; anything else means the input is not a
// board file.
int boardItemValue(std::string_view item) {
    if (!item.empty() && (item.front() == '+' || item.front() == '-'))
        item.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || error != std::errc() || end != item.data() + item.size() || value > 9)
        return -1;
    return value;
}

std::string describeLine(std::string_view line, PuzzleLayouts layouts) {
    int cells = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (cellValue(c) >= 0) {
            ++cells;
        } else if (cells == 81 && endsPuzzleLine(c)) {
            break;
        } else if (!isBlank(c) && (layouts == PuzzleLayouts::Lines || !isDrawing(c))) {
            return "'" + printable(std::string_view(&line[i], 1)) + "' at column " +
                   std::to_string(i + 1) + " is not a cell (1-9, or . 0 _ * x for an empty one)";
        }
    }
    if (layouts == PuzzleLayouts::Lines)
        return std::to_string(cells) + " cells where a puzzle line has 81";
    return std::to_string(cells) + " cells where a puzzle line has 81 and a grid row 9";
}

} // namespace

void PuzzleReader::read(std::string_view bytes, std::vector<ReadEvent>& events) {
    while (!bytes.empty() && !boardDone_) {
        const std::size_t end = bytes.find('\n');
        const std::string_view part = bytes.substr(0, end);
        const std::size_t room = kMaxLineBytes - pending_.size();
        pending_.append(part.substr(0, room));
        pendingTooLong_ = pendingTooLong_ || part.size() > room;
        if (end == std::string_view::npos)
            return;
        takeLine(pending_, pendingTooLong_, events);
        pending_.clear();
        pendingTooLong_ = false;
        bytes.remove_prefix(end + 1);
    }
}

void PuzzleReader::finish(std::vector<ReadEvent>& events) {
    if (!boardDone_ && (!pending_.empty() || pendingTooLong_))
        takeLine(pending_, pendingTooLong_, events);
    pending_.clear();
    if (boardDone_)
        return;
    if (layouts_ == PuzzleLayouts::Any && boardForm_ && boardItems_ > 0) {
        record(NotAPuzzle{lineNumber_,
                          "a board file holds 81 numbers, this one " + std::to_string(boardItems_)},
               events);
        return;
    }
    endGrid(events);
    if (layouts_ == PuzzleLayouts::Any && !anyEvent_)
        record(NotAPuzzle{1, "no puzzle in it"}, events);
}

void PuzzleReader::takeLine(std::string_view line, bool tooLong, std::vector<ReadEvent>& events) {
    ++lineNumber_;
    if (lineNumber_ == 1 && line.starts_with(kByteOrderMark))
        line.remove_prefix(kByteOrderMark.size());
    if (!tooLong && line.ends_with('\r'))
        line.remove_suffix(1);
    if (layouts_ == PuzzleLayouts::Lines || !boardForm_) {
        readLayoutLine(lineNumber_, line, tooLong, events);
        return;
    }
    // Held for the other forms in case this is no board file. Blank lines
    // count only where they separate, so a run of them is held once: what is
    // held stays bounded by the 81 items a board file reads.
    const bool blank = line.find_first_not_of(" \t") == std::string_view::npos;
    const bool repeatBlank = blank && !heldLines_.empty() && heldLines_.back().text.empty();
    if (!repeatBlank)
        heldLines_.push_back({lineNumber_, blank ? std::string() : std::string(line), tooLong});
    if (tooLong)
        leaveBoardForm(events);
    else
        tryBoardItems(line, events);
}

void PuzzleReader::tryBoardItems(std::string_view line, std::vector<ReadEvent>& events) {
    std::size_t pos = 0;
    int itemsHere = 0;
    while (true) {
        while (pos < line.size() && (isBlank(line[pos]) || line[pos] == '\r'))
            ++pos;
        if (pos == line.size())
            break;
        const std::size_t end = line.find_first_of(" \t\r,", pos);
        const std::string_view item = line.substr(pos, end - pos);
        const int value = boardItemValue(item);
        if (value < 0) {
            // After lines of one number each, this is a board file with a bad
            // item, not a grid or puzzle line: say so rather than call every
            // line before it no puzzle.
            if (boardItems_ > 0 && !severalPerLine_ && itemsHere == 0) {
                boardDone_ = true;
                heldLines_.clear();
                record(NotAPuzzle{lineNumber_, "item " + std::to_string(boardItems_ + 1) + " '" +
                                                   printable(item.substr(0, 20)) +
                                                   "' of the board file is not a number 0 to 9"},
                       events);
            } else {
                leaveBoardForm(events);
            }
            return;
        }
        ++itemsHere;
        boardDigits_[boardItems_++] = static_cast<std::int16_t>(value);
        if (boardItems_ == kCellCount) {
            boardDone_ = true;
            heldLines_.clear();
            record(FoundPuzzle{boardDigits_, 0}, events);
            return;
        }
        // One comma after the item, possibly after blanks, belongs to it.
        pos = end == std::string_view::npos ? line.size() : end;
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos < line.size() && line[pos] == ',')
            ++pos;
    }
    severalPerLine_ = severalPerLine_ || itemsHere > 1;
}

void PuzzleReader::leaveBoardForm(std::vector<ReadEvent>& events) {
    boardForm_ = false;
    for (const HeldLine& held : heldLines_)
        readLayoutLine(held.number, held.text, held.tooLong, events);
    heldLines_.clear();
    heldLines_.shrink_to_fit();
}

void PuzzleReader::readLayoutLine(std::size_t number, std::string_view line, bool tooLong,
                                  std::vector<ReadEvent>& events) {
    if (tooLong) {
        endGrid(events);
        record(NotAPuzzle{number, "line longer than " + std::to_string(kMaxLineBytes) + " bytes"},
               events);
        return;
    }
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        endGrid(events);
        return;
    }
    if (line[start] == '#')
        return;
    const std::string_view rest = line.substr(start);
    Digits digits{};
    int cells = 0;
    while (cells < kCellCount && static_cast<std::size_t>(cells) < rest.size() &&
           cellValue(rest[static_cast<std::size_t>(cells)]) >= 0) {
        digits[cells] = static_cast<std::int16_t>(cellValue(rest[static_cast<std::size_t>(cells)]));
        ++cells;
    }
    if (cells == kCellCount && (rest.size() == kCellCount || endsPuzzleLine(rest[kCellCount]))) {
        endGrid(events);
        record(FoundPuzzle{digits, number}, events);
        return;
    }
    if (layouts_ == PuzzleLayouts::Any) {
        std::array<std::int16_t, kSize> row{};
        int rowCells = 0;
        bool gridRow = true;
        for (const char c : rest) {
            if (cellValue(c) >= 0 && rowCells < kSize)
                row[static_cast<std::size_t>(rowCells)] = static_cast<std::int16_t>(cellValue(c));
            if (cellValue(c) >= 0)
                ++rowCells;
            else if (!isBlank(c) && !isDrawing(c))
                gridRow = false;
        }
        if (gridRow && rowCells == 0)
            return; // box drawing between rows or grids
        if (gridRow && rowCells == kSize) {
            if (gridRows_ == 0)
                gridLine_ = number;
            for (int col = 0; col < kSize; ++col)
                gridDigits_[kSize * gridRows_ + col] = row[static_cast<std::size_t>(col)];
            if (++gridRows_ == kSize) {
                gridRows_ = 0;
                record(FoundPuzzle{gridDigits_, gridLine_}, events);
            }
            return;
        }
    }
    endGrid(events);
    record(NotAPuzzle{number, describeLine(rest, layouts_)}, events);
}

void PuzzleReader::endGrid(std::vector<ReadEvent>& events) {
    if (gridRows_ == 0)
        return;
    record(NotAPuzzle{gridLine_, "a grid of " + std::to_string(gridRows_) +
                                     (gridRows_ == 1 ? " row" : " rows") + ", not 9"},
           events);
    gridRows_ = 0;
}

void PuzzleReader::record(ReadEvent event, std::vector<ReadEvent>& events) {
    anyEvent_ = true;
    events.push_back(std::move(event));
}

std::optional<Digits> readWholePuzzle(std::string_view text) {
    PuzzleReader reader(PuzzleLayouts::Any);
    std::vector<ReadEvent> events;
    reader.read(text, events);
    reader.finish(events);
    if (events.size() != 1 || !std::holds_alternative<FoundPuzzle>(events.front()))
        return std::nullopt;
    return std::get<FoundPuzzle>(events.front()).digits;
}

} // namespace cellwright
