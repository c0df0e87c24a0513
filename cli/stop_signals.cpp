#include "cli/stop_signals.hpp"

#include <cerrno>

#include <pthread.h>
#include <unistd.h>

namespace cellwright::cli {

namespace {

// What the destructor's wake-up carries: a queued signal from this process
// with this value is no request to stop.
constexpr int kWakeUp = 0x5e1f;

} // namespace

sigset_t stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, signal);
    return set;
}

SignalWaiter::SignalWaiter(std::function<void(int signal)> onSignal)
    : onSignal_(std::move(onSignal)) {
    sigset_t blocked = stopSignals();
    sigaddset(&blocked, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
    waiter_ = std::thread([this] {
        const sigset_t signals = stopSignals();
        siginfo_t info{};
        while (::sigwaitinfo(&signals, &info) < 0) {
        }
        // Any signal but the destructor's wake-up is one to act on, however
        // late it comes.
        if (info.si_code == SI_QUEUE && info.si_pid == ::getpid() &&
            info.si_value.sival_int == kWakeUp)
            return;
        received_ = info.si_signo;
        onSignal_(info.si_signo);
    });
}

SignalWaiter::~SignalWaiter() {
    if (received_ == 0) {
        sigval wakeUp{};
        wakeUp.sival_int = kWakeUp;
        ::pthread_sigqueue(waiter_.native_handle(), SIGTERM, wakeUp);
    }
    waiter_.join();
}

} // namespace cellwright::cli
