#include "cli/generate_format.hpp"

#include "cli/report.hpp"

#include <algorithm>

namespace cellwright::cli {

namespace {

std::string lineOf(const generator::Grid& grid) {
    std::string line(81, '.');
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (grid[i] != 0)
            line[i] = static_cast<char>('0' + grid[i]);
    }
    return line;
}

std::string decimal(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string about(const MadePuzzle& made, int givens) {
    const std::string rating =
        made.rating ? "ER " + erText(*made.rating) + " (" + made.rating->technique + ")"
                    : std::string("Unrated");
    return rating + ", " + std::to_string(givens) + " givens, " +
           std::string(generator::symmetryName(made.puzzle.symmetry)) + "\n";
}

} // namespace

std::string erText(const generator::Rating& rating) {
    return (rating.bound ? ">" : "") + decimal(rating.er);
}

std::string formatMade(const MadePuzzle& made, Format format) {
    const std::string puzzle = lineOf(made.puzzle.givens);
    const std::string solution = lineOf(made.puzzle.solution);
    const int givens = static_cast<int>(81 - std::count(puzzle.begin(), puzzle.end(), '.'));
    const auto& rating = made.rating;
    switch (format) {
    case Format::Line:
        return puzzle + "\t" + (rating ? erText(*rating) : std::string("-")) + "\t" + solution +
               "\n";
    case Format::Text: {
        std::string text = about(made, givens);
        for (std::size_t row = 0; row < 9; ++row)
            text += puzzle.substr(9 * row, 9) + "\n";
        return text;
    }
    case Format::Grid:
        return about(made, givens) + drawnGrid(puzzle);
    case Format::Json: {
        const auto tenthsOrNull = [&](int generator::Rating::*field) {
            return rating ? decimal((*rating).*field) : std::string("null");
        };
        return "{\"puzzle\":" + jsonString(puzzle) + ",\"solution\":" + jsonString(solution) +
               ",\"er\":" + tenthsOrNull(&generator::Rating::er) +
               ",\"ep\":" + tenthsOrNull(&generator::Rating::ep) +
               ",\"ed\":" + tenthsOrNull(&generator::Rating::ed) +
               ",\"bound\":" + (rating ? (rating->bound ? "true" : "false") : "null") +
               ",\"technique\":" + (rating ? jsonString(rating->technique) : "null") +
               ",\"givens\":" + std::to_string(givens) + ",\"symmetry\":" +
               jsonString(std::string(generator::symmetryName(made.puzzle.symmetry))) +
               ",\"seed\":" + std::to_string(made.seed) + "}\n";
    }
    }
    return {};
}

} // namespace cellwright::cli
