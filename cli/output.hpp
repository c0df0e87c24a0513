#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

namespace cellwright::cli {

// Standard output, buffered, with write errors caught: the first one is
// reported with its reason (under name) and everything after it is dropped.
//
// With a latency, a thread of its own hands buffered text on at most that long
// after it was written, so that a result is seen soon while the writer is busy
// with long work, at the cost of one wake-up per latency while text flows.
class Output {
  public:
    explicit Output(int fd, std::chrono::milliseconds latency = {},
                    std::string name = "standard output");
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output();

    void write(std::string_view text);
    // Hands the buffered text to the system now.
    void flush();
    bool failed() const;
    // The reader of a pipe went away (only seen while SIGPIPE is blocked).
    bool readerGone() const;

  private:
    void flushLocked();
    void keepFlushed(std::chrono::milliseconds latency);

    int fd_;
    std::string name_;
    mutable std::mutex mutex_;
    std::condition_variable written_;
    std::string buffer_;
    bool failed_ = false;
    bool readerGone_ = false;
    bool closing_ = false;
    std::thread flusher_;
};

} // namespace cellwright::cli
