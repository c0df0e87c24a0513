#include "cli/diagnostics.hpp"

#include <cerrno>
#include <cstring>
#include <string>

#include <unistd.h>

namespace cellwright::cli {

void complain(std::string_view text) {
    const std::string line = "cellwright-solve: " + std::string(text) + "\n";
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

std::string_view reasonOf(int error) {
    return std::strerror(error);
}

} // namespace cellwright::cli
