#include "cli/backup_directory.hpp"
#include "cli/count_mode.hpp"
#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/options.hpp"
#include "cli/output.hpp"
#include "cli/puzzle_source.hpp"
#include "cli/solve_mode.hpp"

#include <csignal>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <pthread.h>
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
    PuzzleSource source(options.inputs(),
                        options.linesFile ? PuzzleLayouts::Lines : PuzzleLayouts::Any);
    // Results reach a reader within a blink, even while a long search runs.
    Output output(STDOUT_FILENO, std::chrono::milliseconds(20));
    const int status = options.count ? runCount(options, source, output)
                                     : runSolve(options, source, output, backups.get());
    backups.reset(); // its backups go, and the signals it held come in
    if (output.readerGone()) {
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
