#include "cli/output.hpp"

#include "cli/diagnostics.hpp"

#include <cerrno>

#include <unistd.h>

namespace cellwright::cli {

namespace {
constexpr std::size_t kBufferBytes = 64 * 1024;
}

Output::Output(int fd, std::chrono::milliseconds latency, std::string name)
    : fd_(fd), name_(std::move(name)) {
    buffer_.reserve(kBufferBytes);
    if (latency.count() > 0)
        flusher_ = std::thread([this, latency] { keepFlushed(latency); });
}

Output::~Output() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    written_.notify_one();
    if (flusher_.joinable())
        flusher_.join();
    flush();
}

void Output::write(std::string_view text) {
    std::unique_lock lock(mutex_);
    if (failed_)
        return;
    const bool wasEmpty = buffer_.empty();
    buffer_.append(text);
    if (buffer_.size() >= kBufferBytes)
        flushLocked();
    lock.unlock();
    if (wasEmpty && flusher_.joinable())
        written_.notify_one();
}

void Output::flush() {
    const std::lock_guard lock(mutex_);
    flushLocked();
}

bool Output::failed() const {
    const std::lock_guard lock(mutex_);
    return failed_;
}

bool Output::readerGone() const {
    const std::lock_guard lock(mutex_);
    return readerGone_;
}

void Output::flushLocked() {
    std::string_view rest = buffer_;
    while (!rest.empty() && !failed_) {
        const ssize_t done = ::write(fd_, rest.data(), rest.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0) {
            failed_ = true;
            readerGone_ = errno == EPIPE; // as with `| head`: not worth a message
            if (!readerGone_)
                complainOfErrno(name_);
        } else {
            rest.remove_prefix(static_cast<std::size_t>(done));
        }
    }
    buffer_.clear();
}

void Output::keepFlushed(std::chrono::milliseconds latency) {
    std::unique_lock lock(mutex_);
    while (true) {
        // Asleep while nothing waits; then the text gets its latency to grow
        // into one write with what follows it.
        written_.wait(lock, [this] { return closing_ || !buffer_.empty(); });
        if (closing_)
            return;
        written_.wait_for(lock, latency, [this] { return closing_; });
        flushLocked();
    }
}

} // namespace cellwright::cli
