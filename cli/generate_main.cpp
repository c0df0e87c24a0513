#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/generate_options.hpp"
#include "cli/generate_rater.hpp"
#include "cli/generate_run.hpp"
#include "cli/output.hpp"
#include "cli/output_file.hpp"
#include "cli/stop_signals.hpp"

#include <cerrno>
#include <csignal>
#include <memory>
#include <random>

#include <unistd.h>

namespace {

using namespace cellwright;
using namespace cellwright::cli;

int run(const GenerateOptions& options, const generator::Rater& rater) {
    // The puzzles go to -o's file as they are made, and it takes its name
    // only at the end: a failed write leaves the old file, or none, rather
    // than a shorter run's output with its last line perhaps cut.
    std::unique_ptr<ReplacementFile> file;
    if (options.outputFile) {
        file = ReplacementFile::open(*options.outputFile);
        if (!file) {
            complainOfErrno(*options.outputFile);
            return kTrouble;
        }
    }
    const int fd = file ? file->fd() : STDOUT_FILENO;
    GenerateContext context;
    context.seed = options.seed ? *options.seed : std::random_device{}();
    context.rater = &rater;
    context.progress = ::isatty(STDERR_FILENO) == 1;
    context.outputOnTerminal = ::isatty(fd) == 1;
    std::atomic<bool> stop{false};
    context.stop = &stop;
    int status = kAllDone;
    int signal = 0;
    bool failed = false, readerGone = false;
    {
        const SignalWaiter signals([&stop](int) { stop = true; });
        {
            Output output(fd, {}, options.outputFile.value_or("standard output"));
            status = runGenerate(options, context, output);
            output.flush();
            failed = output.failed();
            readerGone = output.readerGone();
        }
        // Also when interrupted: the puzzles printed by then are whole.
        if (file && !failed && !file->commit()) {
            complainOfErrno(*options.outputFile);
            status = kTrouble;
        }
        signal = signals.received();
    }
    file.reset(); // after a failed write: gone
    if (readerGone)
        endBySignal(SIGPIPE); // as a writer to a closed pipe ends
    if (signal != 0)
        endBySignal(signal); // after the puzzles printed and the summary
    return status;
}

} // namespace

int main(int argc, char** argv) {
    holdClosedStandardDescriptors();
    std::string error;
    const std::optional<GenerateOptions> options = parseGenerateOptions(argc, argv, error);
    if (!options)
        return usageError(error, "cellwright-generate");
    if (options->help || options->version)
        return helpOrVersion(options->help, generateUsageText(), "cellwright-generate",
                             CELLWRIGHT_VERSION);
    const generator::Rater rater = programRater();
    return run(*options, rater);
}
