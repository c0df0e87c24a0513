#include "cli/generate_run.hpp"

#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/generate_format.hpp"
#include "cli/generate_progress.hpp"
#include "cli/ordered_pipeline.hpp"
#include "cli/report.hpp"

#include <cstdio>

namespace cellwright::cli {

namespace {

// One try of the run: its place is all that makes its puzzle.
struct Try {
    std::size_t index = 0;
};

// The tries in order, as many as allowed.
class Tries {
  public:
    explicit Tries(std::optional<std::uint64_t> most) : most_(most) {}
    std::optional<Try> next() {
        if (most_ && next_ >= *most_)
            return std::nullopt;
        return Try{next_++};
    }

  private:
    std::optional<std::uint64_t> most_;
    std::size_t next_ = 0;
};

struct Tried {
    MadePuzzle made;
    bool kept = false;
};

std::string summaryOf(const GenerateOptions& options, std::uint64_t seed, std::uint64_t made,
                      std::uint64_t tried, double seconds) {
    char rate[80];
    const double perSecond = seconds > 0 ? static_cast<double>(made) / seconds : 0.0;
    std::snprintf(rate, sizeof rate, " in %.3f s (%.*f a second)", seconds, perSecond < 10 ? 1 : 0,
                  perSecond);
    return countOf(made, "puzzle") +
           (options.band ? " (" + options.bandName + ")" : std::string()) + " from " +
           std::to_string(tried) + (tried == 1 ? " try" : " tries") + rate + "; seed " +
           std::to_string(seed);
}

} // namespace

int runGenerate(const GenerateOptions& options, const GenerateContext& context, Output& output) {
    const unsigned jobs = jobsToRun(options.jobs);
    const auto start = Progress::Clock::now();
    Progress progress(context.progress && !options.quiet, options.count, start);
    std::atomic<bool>& stop = *context.stop;
    std::uint64_t made = 0, tried = 0;

    PerPuzzle<Tried, Try> steps;
    steps.work = [&](const Try& attempt) {
        Tried result;
        if (stop)
            return result; // not wanted any more
        result.made.puzzle = generator::makePuzzle(context.seed, attempt.index, options.symmetry);
        result.made.seed = context.seed;
        if (options.band) {
            result.made.rating = generator::ratingInBand(result.made.puzzle.givens, *options.band,
                                                         *context.rater, &stop);
            result.kept = result.made.rating.has_value();
        } else {
            result.kept = true;
        }
        return result;
    };
    steps.emit = [&](const Try&, Tried& result) {
        if (stop)
            return false;
        ++tried;
        if (result.kept) {
            if (context.outputOnTerminal)
                progress.erase();
            const bool apart = made > 0 && apartByBlankLine(options.format);
            output.write((apart ? "\n" : "") + formatMade(result.made, options.format));
            ++made;
        }
        const auto now = Progress::Clock::now();
        if (progress.due(now)) {
            output.flush(); // the puzzles before the line that is drawn over
            progress.draw(made, tried, now);
        }
        if (made == options.count || output.failed()) {
            stop = true;
            return false;
        }
        return true;
    };
    steps.idle = [&] { output.flush(); };
    Tries tries(options.maxTries);
    runInOrder(tries, jobs, steps);
    output.flush();
    progress.erase();

    const double seconds = std::chrono::duration<double>(Progress::Clock::now() - start).count();
    const std::string summary = summaryOf(options, context.seed, made, tried, seconds);
    if (output.failed())
        return kTrouble;
    if (made < options.count && options.maxTries && tried == *options.maxTries) {
        complain("only " + std::to_string(made) + " of " + countOf(options.count, "puzzle") +
                 " made within --max-tries " + std::to_string(*options.maxTries) + ": " + summary);
        return kFewerMade;
    }
    if (!options.quiet)
        complain((made < options.count ? "stopped: " : "") + summary);
    return kAllDone;
}

} // namespace cellwright::cli
