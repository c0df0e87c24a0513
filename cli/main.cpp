#include "cli/backup_directory.hpp"
#include "cli/count_mode.hpp"
#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/options.hpp"
#include "cli/output.hpp"
#include "cli/output_file.hpp"
#include "cli/puzzle_source.hpp"
#include "cli/rate_mode.hpp"
#include "cli/solve_mode.hpp"
#include "cli/stop_signals.hpp"

#include <cerrno>
#include <csignal>
#include <memory>
#include <optional>

#include <unistd.h>

namespace {

using namespace cellwright;
using namespace cellwright::cli;

int run(const Options& options) {
    std::unique_ptr<BackupDirectory> backups;
    if (options.backupDir) {
        backups = BackupDirectory::lock(*options.backupDir);
        if (!backups)
            return kTrouble;
    }
    std::unique_ptr<ReplacementFile> file;
    std::unique_ptr<SignalWaiter> signals;
    if (options.outputToFile()) {
        file = ReplacementFile::open(*options.outputFile);
        if (!file) {
            complainOfErrno(*options.outputFile);
            return kTrouble;
        }
        // Ended by a signal, the run leaves the old file as it was, or none.
        signals = std::make_unique<SignalWaiter>([&file](int signal) {
            file->discard();
            endBySignal(signal);
        });
    }
    PuzzleSource source(options.inputs(),
                        options.linesFile ? PuzzleLayouts::Lines : PuzzleLayouts::Any);
    int status = kAllDone;
    bool failed = false, readerGone = false;
    {
        // Results reach a reader within a blink, even while a long search runs.
        Output output(file ? file->fd() : STDOUT_FILENO, std::chrono::milliseconds(20),
                      file ? *options.outputFile : "standard output");
        switch (options.mode) {
        case Mode::Solve:
            status = runSolve(options, source, output, backups.get());
            break;
        case Mode::Count:
            status = runCount(options, source, output);
            break;
        case Mode::Rate:
        case Mode::Explain:
            status = runRate(options, source, output);
            break;
        }
        output.flush();
        failed = output.failed();
        readerGone = output.readerGone();
    }
    if (file && !failed && !file->commit()) {
        complainOfErrno(*options.outputFile);
        status = kTrouble;
    }
    signals.reset();
    backups.reset(); // its backups go, and the signals it held come in
    if (readerGone) {
        // End as a writer to a closed pipe does, now that nothing is left behind.
        endBySignal(SIGPIPE);
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    holdClosedStandardDescriptors();
    std::string error;
    const std::optional<Options> options = parseOptions(argc, argv, error);
    if (!options)
        return usageError(error, "cellwright-solve");
    if (options->help || options->version)
        return helpOrVersion(options->help, usageText(), "cellwright-solve", CELLWRIGHT_VERSION);
    return run(*options);
}
