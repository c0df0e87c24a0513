#pragma once

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

namespace cellwright::cli {

// SIGINT, SIGTERM and SIGHUP (the terminal closed): the signals that ask a
// run to end.
sigset_t stopSignals();

// Hands the first stop signal that comes in to a call on a thread of its own,
// so that a run can end as it decides: with every line it printed whole, or
// after removing the files it made. The stop signals are blocked for the
// calling thread and every thread it starts afterwards, so create it before
// any other thread; SIGPIPE is blocked too, so that a closed pipe shows up as
// a failed write. They stay blocked once it is gone: a signal that came in
// meanwhile waits for its owner to end the process by it or let it in.
class SignalWaiter {
  public:
    explicit SignalWaiter(std::function<void(int signal)> onSignal);
    ~SignalWaiter();
    SignalWaiter(const SignalWaiter&) = delete;
    SignalWaiter& operator=(const SignalWaiter&) = delete;

    // The signal that came in, or 0.
    int received() const { return received_; }

  private:
    std::function<void(int)> onSignal_;
    std::atomic<int> received_{0};
    std::thread waiter_;
};

} // namespace cellwright::cli
