#pragma once

#include <string>
#include <string_view>

namespace cellwright::cli {

// Standard output, buffered, with write errors caught: the first one is
// reported with its reason and everything after it is dropped.
class Output {
  public:
    explicit Output(int fd) : fd_(fd) {}
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
    std::string buffer_;
    bool failed_ = false;
    bool readerGone_ = false;
};

} // namespace cellwright::cli
