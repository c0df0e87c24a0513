#include "cli/stop_signals.hpp"

#include <csignal>

#include <pthread.h>

namespace cellwright::cli {

namespace {

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, signal);
    return set;
}

} // namespace

StopSignals::StopSignals(std::atomic<bool>& stop) : stop_(stop) {
    sigset_t blocked = stopSignals();
    sigaddset(&blocked, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
    waiter_ = std::thread([this] {
        const sigset_t signals = stopSignals();
        int signal = 0;
        while (::sigwait(&signals, &signal) != 0) {
        }
        if (over_)
            return; // the wake-up from the destructor
        received_ = signal;
        stop_ = true;
    });
}

StopSignals::~StopSignals() {
    if (received_ == 0) {
        over_ = true;
        ::pthread_kill(waiter_.native_handle(), SIGTERM);
    }
    waiter_.join();
}

} // namespace cellwright::cli
