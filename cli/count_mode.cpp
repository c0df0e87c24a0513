#include "cli/count_mode.hpp"

#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/ordered_pipeline.hpp"
#include "cli/report.hpp"

#include <chrono>
#include <cstdio>
#include <thread>

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

std::string solutionLine(const counter::CountResult& count) {
    Digits digits{};
    for (std::size_t i = 0; i < digits.size(); ++i)
        digits[i] = count.solution[i];
    return lineOf(digits);
}

} // namespace

std::string formatCount(const Digits& puzzle, const counter::CountResult& count,
                        std::uint32_t limit, Format format, const std::string& source) {
    const bool unique = isUnique(count, limit);
    const std::string solution = count.solutions == 1 ? solutionLine(count) : std::string();
    const std::string header = source.empty() ? "" : source + ":\n";
    switch (format) {
    case Format::Text: {
        std::string text = header + verdict(count.solutions, limit) + "\n";
        for (int row = 0; unique && row < kSize; ++row)
            text += solution.substr(static_cast<std::size_t>(kSize * row), kSize) + "\n";
        return text;
    }
    case Format::Grid:
        return header + verdict(count.solutions, limit) + "\n" +
               (unique ? drawnGrid(solution) : std::string());
    case Format::Line:
        return lineOf(puzzle) + "\t" +
               (count.solutions > 0 && onlySolvable(limit) ? std::string("solvable")
                                                           : std::to_string(count.solutions)) +
               "\t" + (unique ? solution : std::string(".")) +
               (source.empty() ? "" : "\t" + source) + "\n";
    case Format::Json:
        return "{" + (source.empty() ? "" : "\"source\":" + jsonString(source) + ",") +
               "\"puzzle\":" + jsonString(lineOf(puzzle)) +
               ",\"solutions\":" + std::to_string(count.solutions) +
               ",\"limit\":" + std::to_string(limit) +
               (solution.empty() ? "" : ",\"solution\":" + jsonString(solution)) + "}\n";
    }
    return {};
}

int runCount(const Options& options, PuzzleSource& source, Output& output) {
    const Format format = options.format.value_or(options.linesFile ? Format::Line : Format::Text);
    const bool showSource = options.boardFiles.size() > 1;
    const unsigned jobs =
        options.jobs != 0 ? options.jobs : std::max(1U, std::thread::hardware_concurrency());
    const std::uint32_t limit = options.maxSolutions;

    std::size_t none = 0, unique = 0, several = 0;
    std::int64_t micros = 0;
    PerPuzzle<Counted> steps;
    steps.work = [&](const SourcedPuzzle& puzzle) {
        const auto start = std::chrono::steady_clock::now();
        Counted counted{counter::countSolutions(puzzle.digits, limit), 0};
        counted.micros = std::chrono::duration_cast<std::chrono::microseconds>(
                             std::chrono::steady_clock::now() - start)
                             .count();
        return counted;
    };
    steps.emit = [&](const SourcedPuzzle& puzzle, Counted& counted) {
        const bool apart =
            none + unique + several > 0 && (format == Format::Text || format == Format::Grid);
        output.write((apart ? "\n" : "") + formatCount(puzzle.digits, counted.count, limit, format,
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
