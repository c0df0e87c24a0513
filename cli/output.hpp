#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace cellwright::cli {

// Standard output, buffered, with write errors caught: the first one is
// reported with its reason (under name) and everything after it is dropped.
class Output {
  public:
    explicit Output(int fd, std::string name = "standard output")
        : fd_(fd), name_(std::move(name)) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output() { flush(); }

    void write(std::string_view text);
    // Hands the buffered text to the system; called whenever the run is about
    // to wait, so that results are seen as soon as they are done.
    void flush();
    bool failed() const { return failed_; }
    // The reader of a pipe went away (only seen while SIGPIPE is blocked).
    bool readerGone() const { return readerGone_; }

  private:
    int fd_;
    std::string name_;
    std::string buffer_;
    bool failed_ = false;
    bool readerGone_ = false;
};

} // namespace cellwright::cli
