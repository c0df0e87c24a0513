#include "cli/rate_format.hpp"

#include "cli/report.hpp"

namespace cellwright::cli {

namespace {

std::string sourceHeader(const std::string& source) {
    return source.empty() ? std::string() : source + ":\n";
}

std::string sourceField(const std::string& source) {
    return source.empty() ? std::string() : "\"source\":" + jsonString(source) + ",";
}

// The puzzle as text shows it (nine rows) or grid draws it.
std::string shownPuzzle(const Digits& puzzle, Format format) {
    const std::string line = lineOf(puzzle);
    if (format == Format::Grid)
        return drawnGrid(line);
    std::string rows;
    appendRows(rows, line);
    return rows;
}

// "ER 7.1 (forcing chain), EP 1.2, ED 1.2", or why there is none.
std::string aboutLine(Rateable rateable, const logic::Rating& rating) {
    if (rateable != Rateable::Yes)
        return "Not rated: " + std::string(reasonNotRated(rateable)) + "\n";
    const ShownRating shown = shownRating(rating);
    return erAbout(shown) + ", EP " + logic::formatValue(shown.ep, shown.epBound) + ", ED " +
           logic::formatValue(shown.ed, shown.edBound) + "\n";
}

std::string ratingObject(const Digits& puzzle, Rateable rateable, const logic::Rating& rating,
                         const std::string& source) {
    const ShownRating shown = shownRating(rating);
    return "{" + sourceField(source) + "\"puzzle\":" + jsonString(lineOf(puzzle)) + "," +
           ratingFields(rateable == Rateable::Yes ? &shown : nullptr, reasonNotRated(rateable));
}

// {"row":4,"col":2 from 1, as the texts count
std::string cellFields(int cell) {
    return "{\"row\":" + std::to_string(cell / 9 + 1) + ",\"col\":" + std::to_string(cell % 9 + 1);
}

} // namespace

ShownRating shownRating(const logic::Rating& rating) {
    return {rating.er,
            rating.ep,
            rating.ed,
            rating.bound,
            rating.epBound,
            rating.edBound,
            logic::techniqueName(rating.hardest)};
}

std::string erAbout(const ShownRating& rating) {
    return "ER " + logic::formatValue(rating.er, rating.bound) + " (" + rating.technique + ")";
}

std::string ratingFields(const ShownRating* rating, std::string_view reason) {
    if (rating == nullptr) {
        return std::string("\"er\":null,\"ep\":null,\"ed\":null,\"bound\":null,\"technique\":") +
               (reason.empty() ? "null" : jsonString(std::string(reason)));
    }
    std::string fields = "\"er\":" + logic::formatValue(rating->er) +
                         ",\"ep\":" + logic::formatValue(rating->ep) +
                         ",\"ed\":" + logic::formatValue(rating->ed) +
                         ",\"bound\":" + (rating->bound ? "true" : "false");
    if (rating->epBound)
        fields += ",\"ep_bound\":true";
    if (rating->edBound)
        fields += ",\"ed_bound\":true";
    return fields + ",\"technique\":" + jsonString(rating->technique);
}

std::string_view reasonNotRated(Rateable rateable) {
    switch (rateable) {
    case Rateable::NoSolution:
        return "no solution";
    case Rateable::SeveralSolutions:
        return "several solutions";
    case Rateable::Yes:
        break;
    }
    return {};
}

std::string formatRated(const Digits& puzzle, Rateable rateable, const logic::Rating& rating,
                        Format format, const std::string& source) {
    switch (format) {
    case Format::Line: {
        std::string line = lineOf(puzzle);
        if (rateable == Rateable::Yes) {
            line += "\t" + logic::formatValue(rating.er, rating.bound) + "\t" +
                    logic::formatValue(rating.ep, rating.epBound) + "\t" +
                    logic::formatValue(rating.ed, rating.edBound) + "\t" +
                    logic::techniqueName(rating.hardest);
        } else {
            line += "\t-\t-\t-\t" + std::string(reasonNotRated(rateable));
        }
        return line + (source.empty() ? "" : "\t") + source + "\n";
    }
    case Format::Text:
    case Format::Grid:
        return sourceHeader(source) + aboutLine(rateable, rating) + shownPuzzle(puzzle, format);
    case Format::Json:
        return ratingObject(puzzle, rateable, rating, source) + "}\n";
    }
    return {};
}

std::string explainHead(const Digits& puzzle, Format format, const std::string& source) {
    if (format == Format::Json)
        return {};
    return sourceHeader(source) + shownPuzzle(puzzle, format);
}

std::string formatStep(int number, const logic::Step& step, Format format,
                       const std::string& source) {
    const std::string value = logic::formatValue(step.tenths());
    if (format != Format::Json)
        return std::to_string(number) + ". " + logic::describe(step) + "  [" + value + "]\n";
    std::string text = "{" + sourceField(source) + "\"step\":" + std::to_string(number) +
                       ",\"technique\":" + jsonString(logic::techniqueName(step.technique)) +
                       ",\"value\":" + value +
                       ",\"description\":" + jsonString(logic::describe(step)) + ",\"placement\":";
    text += step.places() ? cellFields(step.placedCell) +
                                ",\"digit\":" + std::to_string(step.placedDigit) + "}"
                          : std::string("null");
    text += ",\"eliminations\":[";
    bool first = true;
    for (int cell = 0; cell < 81; ++cell) {
        if (step.eliminations[cell] == 0)
            continue;
        text += (first ? "" : ",") + cellFields(cell) + ",\"digits\":[";
        first = false;
        bool firstDigit = true;
        for (int digit = 1; digit <= 9; ++digit) {
            if (step.eliminations[cell] & logic::digitBit(digit)) {
                text += (firstDigit ? "" : ",") + std::to_string(digit);
                firstDigit = false;
            }
        }
        text += "]}";
    }
    return text + "]}\n";
}

std::string explainEnd(const Digits& puzzle, Rateable rateable, const logic::Rating& rating,
                       int cellsLeft, Format format, const std::string& source) {
    if (format == Format::Json) {
        return ratingObject(puzzle, rateable, rating, source) +
               (rateable == Rateable::Yes ? ",\"steps\":" + std::to_string(rating.steps) : "") +
               "}\n";
    }
    std::string text;
    if (rateable == Rateable::Yes && rating.end == logic::RatingEnd::RanOut)
        text = "The techniques run out with " +
               countOf(static_cast<std::size_t>(cellsLeft), "cell") +
               " empty: the rating is a lower bound.\n";
    return text + aboutLine(rateable, rating);
}

} // namespace cellwright::cli
