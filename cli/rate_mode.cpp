#include "cli/rate_mode.hpp"

#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/ordered_pipeline.hpp"
#include "cli/rate_format.hpp"
#include "cli/report.hpp"
#include "counter/solution_count.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

namespace cellwright::cli {

namespace {

struct Rated {
    Rateable rateable = Rateable::Yes;
    logic::Rating rating;
    std::string text; // as written, when worked out beside the rating
    std::int64_t micros = 0;
};

Rateable rateableAsCounted(const Digits& puzzle) {
    const std::uint32_t solutions = counter::countSolutions(puzzle, 2).solutions;
    return solutions == 1   ? Rateable::Yes
           : solutions == 0 ? Rateable::NoSolution
                            : Rateable::SeveralSolutions;
}

// The whole explanation of a puzzle, written as its steps are taken.
Rated explainPuzzle(const SourcedPuzzle& puzzle, Format format, const std::string& source) {
    Rated rated;
    rated.rateable = rateableAsCounted(puzzle.digits);
    rated.text = explainHead(puzzle.digits, format, source);
    int cellsLeft =
        static_cast<int>(std::count(puzzle.digits.begin(), puzzle.digits.end(), std::int16_t{0}));
    if (rated.rateable == Rateable::Yes) {
        int number = 0;
        rated.rating = logic::explain(puzzle.digits, [&](const logic::Step& step) {
            rated.text += formatStep(++number, step, format, source);
            cellsLeft -= step.places() ? 1 : 0;
        });
    }
    rated.text +=
        explainEnd(puzzle.digits, rated.rateable, rated.rating, cellsLeft, format, source);
    return rated;
}

// Counts per band and the rest over a run; the closing summary line.
class RateSummary {
  public:
    void add(const Rated& rated) {
        ++puzzles_;
        micros_ += rated.micros;
        if (rated.rateable == Rateable::NoSolution)
            ++none_;
        else if (rated.rateable == Rateable::SeveralSolutions)
            ++several_;
        else if (rated.rating.bound)
            ++bound_;
        else
            ++perBand_[static_cast<std::size_t>(logic::bandOf(rated.rating.er))];
    }
    bool allRated() const { return none_ + several_ == 0; }
    std::size_t puzzles() const { return puzzles_; }

    // "3 puzzles: 1 Easy, ..., 0 Extreme, 1 beyond the techniques; not rated:
    // 1 with no solution, 0 with several; 0.002 s rating"
    std::string line() const {
        std::string text = countOf(puzzles_, "puzzle") + ": ";
        for (std::size_t band = 0; band < perBand_.size(); ++band) {
            text += std::to_string(perBand_[band]) + " " +
                    logic::bandName(static_cast<logic::Band>(band)) + ", ";
        }
        char time[48];
        std::snprintf(time, sizeof time, "; %.3f s rating", static_cast<double>(micros_) / 1e6);
        return text + std::to_string(bound_) +
               " beyond the techniques; not rated: " + std::to_string(none_) +
               " with no solution, " + std::to_string(several_) + " with several" + time;
    }

  private:
    std::size_t puzzles_ = 0;
    std::array<std::size_t, 6> perBand_{};
    std::size_t bound_ = 0; // rated as a lower bound: in no band
    std::size_t none_ = 0;
    std::size_t several_ = 0;
    std::int64_t micros_ = 0;
};

} // namespace

int runRate(const Options& options, PuzzleSource& source, Output& output) {
    const Format format = options.mode == Mode::Explain ? options.format.value_or(Format::Text)
                                                        : options.outputFormat();
    const bool apart = apartByBlankLine(format);
    RateSummary summary;

    PerPuzzle<Rated> steps;
    steps.work = [&](const SourcedPuzzle& puzzle) {
        const auto start = std::chrono::steady_clock::now();
        Rated rated;
        if (options.mode == Mode::Explain) {
            rated = explainPuzzle(puzzle, format,
                                  options.namesSources() ? puzzle.origin : std::string());
        } else {
            rated.rateable = rateableAsCounted(puzzle.digits);
            if (rated.rateable == Rateable::Yes)
                rated.rating = logic::rate(puzzle.digits);
        }
        if (!options.quiet) { // the times are for the summary only
            rated.micros = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
        }
        return rated;
    };
    steps.emit = [&](const SourcedPuzzle& puzzle, Rated& rated) {
        if (summary.puzzles() > 0 && apart)
            output.write("\n");
        if (options.mode == Mode::Explain) {
            output.write(rated.text);
        } else {
            output.write(formatRated(puzzle.digits, rated.rateable, rated.rating, format,
                                     options.namesSources() ? puzzle.origin : std::string()));
        }
        summary.add(rated);
        return !output.failed();
    };
    steps.idle = [&] { output.flush(); };
    runInOrder(source, jobsToRun(options.jobs), steps);
    output.flush();

    if (!options.quiet && (options.linesFile || summary.puzzles() > 1))
        complain(summary.line());
    if (!source.allRead() || output.failed())
        return kTrouble;
    return summary.allRated() ? kAllDone : kNotSolved;
}

} // namespace cellwright::cli
