#include "cli/solve_mode.hpp"

#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/ordered_pipeline.hpp"
#include "cli/report.hpp"
#include "cli/solve_run.hpp"
#include "engine/backup_store.hpp"
#include "files/board_file.hpp"

#include <cerrno>
#include <thread>

namespace cellwright::cli {

int runSolve(const Options& options, PuzzleSource& source, Output& output,
             BackupDirectory* backups) {
    const Format format = options.format.value_or(options.linesFile ? Format::Line : Format::Text);
    const bool showSource = options.boardFiles.size() > 1;
    const unsigned jobs =
        options.jobs != 0 ? options.jobs : std::max(1U, std::thread::hardware_concurrency());

    Summary summary;
    std::size_t count = 0;
    bool allSolved = true;
    bool backupFailed = false;
    Board lastBoard;

    PerPuzzle<Outcome> steps;
    steps.work = [&](const SourcedPuzzle& puzzle) {
        if (backups != nullptr) {
            const std::unique_ptr<SolverHost> host = backups->makeHost();
            return solvePuzzle(puzzle.digits, *host, options.trace);
        }
        MemoryBackups host;
        return solvePuzzle(puzzle.digits, host, options.trace);
    };
    steps.emit = [&](const SourcedPuzzle& puzzle, Outcome& outcome) {
        std::string text;
        if (count > 0 && (format == Format::Text || format == Format::Grid))
            text += "\n"; // results apart by a blank line
        if (options.trace)
            text += formatTrace(outcome, format);
        text += formatOutcome(outcome, format, showSource ? puzzle.origin : std::string());
        output.write(text);
        ++count;
        summary.add(outcome);
        allSolved = allSolved && outcome.solved();
        if (outcome.backupFailed()) {
            backupFailed = true;
            complain(puzzle.origin + ": " + outcome.message() + ": " +
                     (backups != nullptr ? backups->lastProblem() : std::string("in memory")));
        }
        lastBoard = outcome.board;
        return !output.failed();
    };
    steps.idle = [&] { output.flush(); };
    runInOrder(source, jobs, steps);
    output.flush();

    if (!options.quiet && (options.linesFile || count > 1))
        complain(summary.line());
    bool written = true;
    if (options.outputFile) {
        if (count != 1) {
            complain("-o " + *options.outputFile + ": needs exactly one puzzle, the input held " +
                     std::to_string(count));
            written = false;
        } else if (errno = 0; !writeBoardFile(*options.outputFile, lastBoard)) {
            complain(*options.outputFile + ": " + std::string(reasonOf(errno)));
            written = false;
        }
    }
    if (!source.allRead() || output.failed() || backupFailed || !written)
        return kTrouble;
    return allSolved ? kAllDone : kNotSolved;
}

} // namespace cellwright::cli
