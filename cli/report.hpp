#pragma once

#include "cli/options.hpp"
#include "cli/solve_run.hpp"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace cellwright::cli {

// One puzzle's result in the chosen format, ending with a newline. source,
// when not empty, names the input it came from.
std::string formatOutcome(const Outcome& outcome, Format format, const std::string& source);

// One pass of a trace as a line: a JSON line in the JSON format, text otherwise.
std::string formatPass(const PassRecord& pass, Format format);

// Appends the 81-character line of the cells, '.' for an empty one.
template <class Cells> void appendLine(std::string& text, const Cells& cells) {
    std::array<char, kCellCount> line{};
    for (std::size_t i = 0; i < line.size(); ++i)
        line[i] = cells[i] > 0 ? static_cast<char>('0' + cells[i]) : '.';
    text.append(line.data(), line.size());
}
// The 81-character line of a puzzle's digits, '.' for an empty cell.
template <class Cells> std::string lineOf(const Cells& cells) {
    std::string line;
    appendLine(line, cells);
    return line;
}
// A JSON string holding the text.
std::string jsonString(const std::string& text);
// 81 cells as nine rows with box lines, for reading rather than counting.
std::string drawnGrid(const std::string& cells);
// Appends 81 cells as nine rows of nine.
void appendRows(std::string& text, std::string_view cells);

// "1 puzzle", "2 puzzles".
std::string countOf(std::size_t count, const std::string& noun);

// Counts per outcome and times over a run; the closing summary line.
class Summary {
  public:
    void add(const Outcome& outcome);
    std::string line() const;

  private:
    std::map<Verdict, std::size_t> counts_;
    // Times as counts per value: memory grows with the distinct times seen,
    // not with the number of puzzles.
    std::map<std::int64_t, std::size_t> micros_;
};

} // namespace cellwright::cli
