#include "cli/count_mode.hpp"

#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/ordered_pipeline.hpp"
#include "cli/report.hpp"

#include <array>
#include <chrono>
#include <cstdio>

namespace cellwright::cli {

namespace {

struct Counted {
    counter::CountResult count;
    std::int64_t micros = 0;
};

bool isUnique(const counter::CountResult& count, std::uint32_t limit) {
    return count.solutions == 1 && limit > 1;
}

// With a limit of 1 a count tells only whether there is a solution at all.
bool onlySolvable(std::uint32_t limit) {
    return limit == 1;
}

std::string verdict(std::uint32_t solutions, std::uint32_t limit) {
    if (solutions == 0)
        return "No solution";
    if (onlySolvable(limit))
        return "Solvable";
    if (solutions == limit)
        return "At least " + countOf(limit, "solution");
    return solutions == 1 ? "Unique solution" : countOf(solutions, "solution");
}

} // namespace

// Built in one string with no temporaries: with one job a counted puzzle
// takes some 30 us, and the run should cost little more than the counting.
std::string formatCount(const Digits& puzzle, const counter::CountResult& count,
                        std::uint32_t limit, Format format, const std::string& source) {
    const bool unique = isUnique(count, limit);
    std::string text;
    text.reserve(256);
    switch (format) {
    case Format::Text:
    case Format::Grid: {
        if (!source.empty())
            text.append(source).append(":\n");
        text.append(verdict(count.solutions, limit)).append("\n");
        if (!unique)
            return text;
        std::string solution;
        appendLine(solution, count.solution);
        if (format == Format::Grid)
            return text + drawnGrid(solution);
        appendRows(text, solution);
        return text;
    }
    case Format::Line:
        appendLine(text, puzzle);
        text += '\t';
        text += count.solutions > 0 && onlySolvable(limit) ? std::string("solvable")
                                                           : std::to_string(count.solutions);
        text += '\t';
        if (unique)
            appendLine(text, count.solution);
        else
            text += '.';
        if (!source.empty())
            text.append("\t").append(source);
        text += '\n';
        return text;
    case Format::Json: {
        text += '{';
        if (!source.empty())
            text.append("\"source\":").append(jsonString(source)).append(",");
        text.append("\"puzzle\":\"");
        appendLine(text, puzzle);
        text.append("\",\"solutions\":").append(std::to_string(count.solutions));
        text.append(",\"limit\":").append(std::to_string(limit));
        if (count.solutions == 1) {
            text.append(",\"solution\":\"");
            appendLine(text, count.solution);
            text += '"';
        }
        text.append("}\n");
        return text;
    }
    }
    return text;
}

int runCount(const Options& options, PuzzleSource& source, Output& output) {
    const Format format = options.outputFormat();
    const bool showSource = options.namesSources();
    const unsigned jobs = jobsToRun(options.jobs);
    const std::uint32_t limit = options.maxSolutions.value_or(2);

    std::size_t none = 0, unique = 0, several = 0;
    std::int64_t micros = 0;
    PerPuzzle<Counted> steps;
    steps.work = [&](const SourcedPuzzle& puzzle) {
        if (options.quiet) // the times are for the summary only
            return Counted{counter::countSolutions(puzzle.digits, limit), 0};
        const auto start = std::chrono::steady_clock::now();
        Counted counted{counter::countSolutions(puzzle.digits, limit), 0};
        counted.micros = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
        return counted;
    };
    steps.emit = [&](const SourcedPuzzle& puzzle, Counted& counted) {
        const bool apart = none + unique + several > 0 && apartByBlankLine(format);
        if (apart)
            output.write("\n");
        output.write(formatCount(puzzle.digits, counted.count, limit, format,
                                 showSource ? puzzle.origin : std::string()));
        if (counted.count.solutions == 0)
            ++none;
        else if (isUnique(counted.count, limit))
            ++unique;
        else
            ++several;
        micros += counted.micros;
        return !output.failed();
    };
    steps.idle = [&] { output.flush(); };
    runInOrder(source, jobs, steps);
    output.flush();

    const std::size_t count = none + unique + several;
    if (!options.quiet && (options.linesFile || count > 1)) {
        char time[48];
        std::snprintf(time, sizeof time, "; %.3f s counting", static_cast<double>(micros) / 1e6);
        complain(countOf(count, "puzzle") + ": " + std::to_string(none) + " with no solution, " +
                 (onlySolvable(limit) ? std::to_string(several) + " solvable"
                                      : std::to_string(unique) + " unique, " +
                                            std::to_string(several) + " with several") +
                 time);
    }
    if (!source.allRead() || output.failed())
        return kTrouble;
    // With a limit of 1 the question was only whether each puzzle has a solution.
    return none + (onlySolvable(limit) ? 0 : several) == 0 ? kAllDone : kNotSolved;
}

} // namespace cellwright::cli
