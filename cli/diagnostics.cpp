#include "cli/diagnostics.hpp"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace cellwright::cli {

void complain(std::string_view text) {
    const std::string line =
        std::string(program_invocation_short_name) + ": " + std::string(text) + "\n";
    std::string_view rest = line;
    while (!rest.empty()) {
        const ssize_t done = ::write(STDERR_FILENO, rest.data(), rest.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return; // nowhere left to tell
        rest.remove_prefix(static_cast<std::size_t>(done));
    }
}

void complainOfErrno(std::string_view what) {
    const int error = errno;
    complain(std::string(what) + ": " + std::string(reasonOf(error)));
}

void holdClosedStandardDescriptors() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) < 0)
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
}

std::string_view reasonOf(int error) {
    return std::strerror(error);
}

void endBySignal(int signal) {
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    std::_Exit(128 + signal); // not reached: the default action ends the process
}

} // namespace cellwright::cli
