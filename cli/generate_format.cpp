#include "cli/generate_format.hpp"

#include "cli/rate_format.hpp"
#include "cli/report.hpp"

#include <algorithm>

namespace cellwright::cli {

namespace {

ShownRating shown(const generator::Rating& rating) {
    return {rating.er,      rating.ep,      rating.ed,       rating.bound,
            rating.epBound, rating.edBound, rating.technique};
}

std::string about(const MadePuzzle& made, int givens) {
    const std::string rating = made.rating ? erAbout(shown(*made.rating)) : std::string("Unrated");
    return rating + ", " + std::to_string(givens) + " givens, " +
           std::string(generator::symmetryName(made.puzzle.symmetry)) + "\n";
}

} // namespace

std::string formatMade(const MadePuzzle& made, Format format) {
    const std::string puzzle = lineOf(made.puzzle.givens);
    const std::string solution = lineOf(made.puzzle.solution);
    const int givens = static_cast<int>(81 - std::count(puzzle.begin(), puzzle.end(), '.'));
    const auto& rating = made.rating;
    switch (format) {
    case Format::Line:
        return puzzle + "\t" +
               (rating ? logic::formatValue(rating->er, rating->bound) : std::string("-")) + "\t" +
               solution + "\n";
    case Format::Text: {
        std::string text = about(made, givens);
        appendRows(text, puzzle);
        return text;
    }
    case Format::Grid:
        return about(made, givens) + drawnGrid(puzzle);
    case Format::Json: {
        const std::optional<ShownRating> about =
            rating ? std::optional(shown(*rating)) : std::nullopt;
        return "{\"puzzle\":" + jsonString(puzzle) + ",\"solution\":" + jsonString(solution) + "," +
               ratingFields(about ? &*about : nullptr) + ",\"givens\":" + std::to_string(givens) +
               ",\"symmetry\":" +
               jsonString(std::string(generator::symmetryName(made.puzzle.symmetry))) +
               ",\"seed\":" + std::to_string(made.seed) + "}\n";
    }
    }
    return {};
}

} // namespace cellwright::cli
