#include "cli/diagnostics.hpp"
#include "cli/exit_status.hpp"
#include "cli/generate_options.hpp"
#include "cli/generate_rater.hpp"
#include "cli/generate_run.hpp"
#include "cli/output.hpp"
#include "cli/stop_signals.hpp"

#include <cerrno>
#include <csignal>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace cellwright;
using namespace cellwright::cli;

// The descriptor the puzzles go to: standard output, or -o's file made afresh.
int openOutput(const GenerateOptions& options) {
    if (!options.outputFile)
        return STDOUT_FILENO;
    const int fd =
        ::open(options.outputFile->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        complain(*options.outputFile + ": " + std::string(reasonOf(errno)));
    return fd;
}

// A file left half written by a failed write would pass for a shorter run's
// output, its last line perhaps cut: a plain file goes. A device or a pipe is
// left as it is.
void dropFailedOutput(const GenerateOptions& options, int fd) {
    struct stat status {};
    if (options.outputFile && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        ::unlink(options.outputFile->c_str());
}

int run(const GenerateOptions& options, const generator::Rater& rater) {
    const int fd = openOutput(options);
    if (fd < 0)
        return kTrouble;
    GenerateContext context;
    context.seed = options.seed ? *options.seed : std::random_device{}();
    context.rater = &rater;
    context.progress = ::isatty(STDERR_FILENO) == 1;
    context.outputOnTerminal = ::isatty(fd) == 1;
    std::atomic<bool> stop{false};
    context.stop = &stop;
    int status = kAllDone;
    int signal = 0;
    bool readerGone = false;
    {
        const SignalWaiter signals([&stop](int) { stop = true; });
        Output output(fd, {}, options.outputFile.value_or("standard output"));
        status = runGenerate(options, context, output);
        if (output.failed())
            dropFailedOutput(options, fd);
        readerGone = output.readerGone();
        signal = signals.received();
    }
    if (options.outputFile && ::close(fd) != 0 && status != kTrouble) {
        complain(*options.outputFile + ": " + std::string(reasonOf(errno)));
        status = kTrouble;
    }
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
