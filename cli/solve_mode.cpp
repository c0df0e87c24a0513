#include "cli/solve_mode.hpp"

#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/ordered_pipeline.hpp"
#include "cli/output_file.hpp"
#include "cli/report.hpp"
#include "cli/solve_run.hpp"
#include "engine/backup_store.hpp"
#include "files/board_file.hpp"

#include <cerrno>

namespace cellwright::cli {

int runSolve(const Options& options, PuzzleSource& source, Output& output,
             BackupDirectory* backups) {
    const Format format = options.outputFormat();
    const bool showSource = options.namesSources();
    const unsigned jobs = jobsToRun(options.jobs);
    const bool apart = apartByBlankLine(format);

    Summary summary;
    std::size_t count = 0;
    bool allSolved = true;
    bool backupFailed = false;
    Board lastBoard;

    PerPuzzle<Outcome> steps;
    std::size_t traced = 0;
    PassSink trace;
    if (options.trace) {
        // With one job, work and emit take turns on this thread: the passes
        // written here come right after the result before them.
        trace = [&](const PassRecord& pass) { output.write(formatPass(pass, format)); };
    }
    steps.work = [&](const SourcedPuzzle& puzzle) {
        if (options.trace && traced++ > 0 && apart)
            output.write("\n");
        if (backups != nullptr) {
            const std::unique_ptr<SolverHost> host = backups->makeHost();
            return solvePuzzle(puzzle.digits, *host, trace);
        }
        MemoryBackups host;
        return solvePuzzle(puzzle.digits, host, trace);
    };
    steps.emit = [&](const SourcedPuzzle& puzzle, Outcome& outcome) {
        std::string text;
        if (count > 0 && apart && !options.trace)
            text += "\n"; // results apart by a blank line
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
        } else if (const BoardFileBytes bytes = boardFileBytes(lastBoard); !replaceFile(
                       *options.outputFile, std::string_view(bytes.data(), bytes.size()))) {
            complainOfErrno(*options.outputFile);
            written = false;
        }
    }
    if (!source.allRead() || output.failed() || backupFailed || !written)
        return kTrouble;
    return allSolved ? kAllDone : kNotSolved;
}

} // namespace cellwright::cli
