#pragma once

#include <atomic>
#include <thread>

namespace cellwright::cli {

// Turns SIGINT, SIGTERM and SIGHUP into a request to stop that a run checks
// between results, so that it ends with every line it printed whole and its
// summary said; SIGPIPE is held back too, so a closed pipe shows up as a
// failed write. A thread of its own waits for the signals while it lives.
// Create it before any other thread: those inherit the blocked signals.
class StopSignals {
  public:
    // stop is set when a signal comes in.
    explicit StopSignals(std::atomic<bool>& stop);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The signal that came in, or 0.
    int received() const { return received_; }

  private:
    std::atomic<bool>& stop_;
    std::atomic<int> received_{0};
    std::atomic<bool> over_{false};
    std::thread waiter_;
};

} // namespace cellwright::cli
