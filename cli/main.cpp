#include "cli/options.hpp"
#include "cli/puzzle_input.hpp"
#include "cli/report.hpp"
#include "cli/solve_run.hpp"
#include "files/board_file.hpp"

#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>

#include <unistd.h>

namespace {

using namespace cellwright;
using namespace cellwright::cli;

constexpr int kAllSolved = 0;
constexpr int kNotSolved = 1;
constexpr int kBadInput = 2;

int run(const Options& options) {
    std::error_code error;
    if (options.backupDir && !std::filesystem::is_directory(*options.backupDir, error)) {
        std::cerr << "cellwright-solve: --backup-dir " << *options.backupDir
                  << ": not a directory\n";
        return kBadInput;
    }
    const bool collection = options.linesFile.has_value();
    const PuzzleSet set = collection ? readPuzzleLines(*options.linesFile, std::cerr)
                                     : readBoardFiles(options.boardFiles, std::cerr);
    if (options.outputFile && set.puzzles.size() != 1) {
        std::cerr << "cellwright-solve: -o needs exactly one puzzle, found " << set.puzzles.size()
                  << "\n";
        return kBadInput;
    }
    const Format format = options.format.value_or(collection ? Format::Line : Format::Text);
    const unsigned jobs =
        options.jobs != 0 ? options.jobs : std::max(1U, std::thread::hardware_concurrency());

    std::optional<ProgressBar> progress;
    if (collection && set.puzzles.size() > 100 && ::isatty(STDERR_FILENO))
        progress.emplace(std::cerr, set.puzzles.size());

    Summary summary;
    bool allSolved = true;
    bool written = true;
    solveAll(set.puzzles, jobs, options.backupDir, [&](std::size_t index, const Outcome& outcome) {
        std::cout << formatOutcome(outcome, format);
        if (format == Format::Text && index + 1 < set.puzzles.size())
            std::cout << "\n";
        summary.add(outcome);
        allSolved = allSolved && outcome.solved();
        if (options.outputFile)
            written = writeBoardFile(*options.outputFile, outcome.board);
        if (progress)
            progress->update(index + 1);
    });
    std::cout << std::flush;
    if (progress)
        progress->finish();
    if (collection)
        std::cerr << summary.line() << "\n";
    if (!written) {
        std::cerr << "cellwright-solve: " << *options.outputFile << ": "
                  << "Error saving board\n";
        return kBadInput;
    }
    if (!set.allReadable || !std::cout)
        return kBadInput;
    return allSolved ? kAllSolved : kNotSolved;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<Options> options = parseOptions(args, error);
    if (!options) {
        std::cerr << "cellwright-solve: " << error << "\n\n" << usageText();
        return kBadInput;
    }
    if (options->help) {
        std::cout << usageText();
        return 0;
    }
    if (options->version) {
        std::cout << "cellwright-solve " << CELLWRIGHT_VERSION << "\n";
        return 0;
    }
    return run(*options);
}
