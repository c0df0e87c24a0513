#pragma once

#include "cli/command_line.hpp"
#include "files/puzzle_line.hpp"
#include "logic/rating.hpp"

#include <string>
#include <string_view>

namespace cellwright::cli {

// A rating as the programs print it, on Sudoku Explainer's scale. Values in
// tenths (71 is 7.1).
struct ShownRating {
    int er = 0;
    int ep = 0;
    int ed = 0;
    bool bound = false;    // er is a lower bound: the techniques ran out
    bool epBound = false;  // so is ep: no digit was placed before they did
    bool edBound = false;  // so is ed: they found no step at all
    std::string technique; // the hardest one used; "beyond" for a bound
};

ShownRating shownRating(const logic::Rating& rating);

// "ER 7.1 (forcing chain)", or "ER >9.5 (beyond)" for a bound.
std::string erAbout(const ShownRating& rating);

// The JSON fields of a rating: "er", "ep", "ed", "bound" and "technique",
// with "ep_bound" and "ed_bound" where those are bounds too. Without a rating
// each is null, and the technique says why when a reason is given.
std::string ratingFields(const ShownRating* rating, std::string_view reason = {});

// Why a puzzle of --rate or --explain is not rated: a person's steps lead to
// a solution only when there is exactly one.
enum class Rateable { Yes, NoSolution, SeveralSolutions };
std::string_view reasonNotRated(Rateable rateable); // "no solution", "several solutions"

// One puzzle of --rate in the chosen format, ending with a newline; source,
// when not empty, names the input it came from.
// - line: the puzzle, ER, EP, ED and the technique, TAB-separated ("-" for
//   the values and the reason as the technique when not rated);
// - text: "ER 7.1 (forcing chain), EP 1.2, ED 1.2", then the puzzle as nine rows;
// - grid: the same line, then the puzzle drawn with box lines;
// - json: puzzle and the rating's fields.
std::string formatRated(const Digits& puzzle, Rateable rateable, const logic::Rating& rating,
                        Format format, const std::string& source);

// --explain: the head of a puzzle's explanation (its source and the puzzle,
// in text and grid), one step, and its end (where the techniques ran out,
// and the rating). JSON gives an object per step, then the rating's.
std::string explainHead(const Digits& puzzle, Format format, const std::string& source);
std::string formatStep(int number, const logic::Step& step, Format format,
                       const std::string& source);
std::string explainEnd(const Digits& puzzle, Rateable rateable, const logic::Rating& rating,
                       int cellsLeft, Format format, const std::string& source);

} // namespace cellwright::cli
