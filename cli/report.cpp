#include "cli/report.hpp"

#include <algorithm>
#include <cstdio>

namespace cellwright::cli {

namespace {

std::string cellName(int index) {
    return "row " + std::to_string(index / kSize) + " column " + std::to_string(index % kSize);
}

std::string joined(const std::vector<int>& values, const char* separator) {
    std::string text;
    for (const int value : values)
        text += (text.empty() ? "" : separator) + std::to_string(value);
    return text;
}

std::string textPass(const PassRecord& pass) {
    std::string text =
        "pass " + std::to_string(pass.pass) + ", depth " + std::to_string(pass.depth) + ": ";
    switch (pass.action) {
    case PassRecord::Action::Fill: {
        text += "filled " + countOf(pass.filled.size(), "cell");
        for (std::size_t i = 0; i < pass.filled.size(); ++i) {
            text += (i == 0 ? ": " : ", ") + cellName(pass.filled[i].cell) + " = " +
                    std::to_string(pass.filled[i].digit);
        }
        break;
    }
    case PassRecord::Action::Guess:
        text += "guessed " + std::to_string(pass.guess.digit) + " at " + cellName(pass.guess.cell) +
                " at depth " + std::to_string(pass.guessDepth) + " (candidates " +
                joined(pass.candidates, " ") + ")";
        break;
    case PassRecord::Action::BackOut:
        text += "backed out to depth " + std::to_string(pass.depth);
        break;
    case PassRecord::Action::End:
        text += messageOf(pass.verdict);
        break;
    }
    return text + "\n";
}

std::string jsonPass(const PassRecord& pass) {
    std::string text =
        "{\"pass\":" + std::to_string(pass.pass) + ",\"depth\":" + std::to_string(pass.depth);
    switch (pass.action) {
    case PassRecord::Action::Fill: {
        text += ",\"action\":\"fill\",\"cells\":[";
        for (std::size_t i = 0; i < pass.filled.size(); ++i) {
            const int cell = pass.filled[i].cell;
            text += (i == 0 ? "[" : ",[") + std::to_string(cell / kSize) + "," +
                    std::to_string(cell % kSize) + "," + std::to_string(pass.filled[i].digit) + "]";
        }
        text += "]";
        break;
    }
    case PassRecord::Action::Guess:
        text += ",\"action\":\"guess\",\"row\":" + std::to_string(pass.guess.cell / kSize) +
                ",\"col\":" + std::to_string(pass.guess.cell % kSize) +
                ",\"digit\":" + std::to_string(pass.guess.digit) +
                ",\"at_depth\":" + std::to_string(pass.guessDepth) + ",\"candidates\":[" +
                joined(pass.candidates, ",") + "]";
        break;
    case PassRecord::Action::BackOut:
        text += ",\"action\":\"backout\"";
        break;
    case PassRecord::Action::End:
        text +=
            ",\"action\":\"end\",\"message\":" + jsonString(std::string(messageOf(pass.verdict)));
        break;
    }
    return text + "}\n";
}

} // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// The board as nine rows with box lines, for reading rather than counting.
std::string drawnGrid(const std::string& cells) {
    std::string text;
    for (int row = 0; row < kSize; ++row) {
        if (row == 3 || row == 6)
            text += "------+-------+------\n";
        for (int col = 0; col < kSize; ++col) {
            if (col == 3 || col == 6)
                text += "| ";
            text += cells[static_cast<std::size_t>(kSize * row + col)];
            text += col == kSize - 1 ? "\n" : " ";
        }
    }
    return text;
}

void appendRows(std::string& text, std::string_view cells) {
    for (std::size_t row = 0; row < kSize; ++row)
        text.append(cells.substr(kSize * row, kSize)).append("\n");
}

std::string countOf(std::size_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string formatOutcome(const Outcome& outcome, Format format, const std::string& source) {
    const std::string board = puzzleLineOf(outcome.board);
    const std::string header = source.empty() ? "" : source + ":\n";
    switch (format) {
    case Format::Text: {
        std::string text = header + outcome.message() + "\n";
        appendRows(text, board);
        return text;
    }
    case Format::Grid:
        return header + outcome.message() + "\n" + drawnGrid(board);
    case Format::Line:
        return board + "\t" + outcome.message() + (source.empty() ? "" : "\t") + source + "\n";
    case Format::Json:
        return std::string(source.empty() ? "{" : "{\"source\":" + jsonString(source) + ",") +
               "\"puzzle\":" + jsonString(lineOf(outcome.puzzle)) +
               ",\"message\":" + jsonString(outcome.message()) + ",\"board\":" + jsonString(board) +
               ",\"passes\":" + std::to_string(outcome.passes) +
               ",\"guesses\":" + std::to_string(outcome.guesses) +
               ",\"backouts\":" + std::to_string(outcome.backouts) +
               ",\"max_depth\":" + std::to_string(outcome.maxDepth) +
               ",\"micros\":" + std::to_string(outcome.micros) + "}\n";
    }
    return {};
}

std::string formatPass(const PassRecord& pass, Format format) {
    return format == Format::Json ? jsonPass(pass) : textPass(pass);
}

void Summary::add(const Outcome& outcome) {
    ++counts_[outcome.verdict];
    ++micros_[outcome.micros];
}

std::string Summary::line() const {
    // Listed in the order of their texts.
    std::vector<std::pair<std::string_view, std::size_t>> listed;
    std::size_t total = 0;
    for (const auto& [verdict, count] : counts_) {
        listed.emplace_back(messageOf(verdict), count);
        total += count;
    }
    std::sort(listed.begin(), listed.end());
    std::string perOutcome;
    for (const auto& [message, count] : listed)
        perOutcome +=
            (perOutcome.empty() ? "" : ", ") + std::to_string(count) + " " + std::string(message);
    std::int64_t sum = 0;
    std::int64_t median = 0;
    std::size_t seen = 0;
    for (const auto& [micros, count] : micros_) {
        sum += micros * static_cast<std::int64_t>(count);
        if (seen <= total / 2 && total / 2 < seen + count)
            median = micros;
        seen += count;
    }
    char times[96];
    std::snprintf(times, sizeof times, "%.3f s solving in all, median %.3f ms",
                  static_cast<double>(sum) / 1e6, static_cast<double>(median) / 1000.0);
    return countOf(total, "puzzle") + ": " + (perOutcome.empty() ? "none" : perOutcome) + "; " +
           times;
}

} // namespace cellwright::cli
