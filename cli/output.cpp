#include "cli/output.hpp"

#include "cli/diagnostics.hpp"

#include <cerrno>

#include <unistd.h>

namespace cellwright::cli {

namespace {
constexpr std::size_t kBufferBytes = 64 * 1024;
}

void Output::write(std::string_view text) {
    if (failed_)
        return;
    buffer_.append(text);
    if (buffer_.size() >= kBufferBytes)
        flush();
}

void Output::flush() {
    std::string_view rest = buffer_;
    while (!rest.empty() && !failed_) {
        const ssize_t done = ::write(fd_, rest.data(), rest.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0) {
            failed_ = true;
            readerGone_ = errno == EPIPE; // as with `| head`: not worth a message
            if (!readerGone_)
                complain(name_ + ": " + std::string(reasonOf(errno)));
        } else {
            rest.remove_prefix(static_cast<std::size_t>(done));
        }
    }
    buffer_.clear();
}

} // namespace cellwright::cli
