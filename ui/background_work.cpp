#include "ui/background_work.hpp"

#include <condition_variable>
#include <mutex>

namespace cellwright {

struct BackgroundWork::Run {
    std::atomic<bool> cancel = false;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;      // under mutex
    Result result;          // under mutex until done
    bool dropped = false;   // window's thread only
    bool delivered = false; // window's thread only
};

BackgroundWork::BackgroundWork(QObject* parent) : QObject(parent) {
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        if (current_)
            current_->cancel = true; // it ends soon, and its answer still shows
    });
}

BackgroundWork::~BackgroundWork() {
    cancel();
    joinFinished(true);
}

bool BackgroundWork::start(Work work, std::chrono::milliseconds wait,
                           std::chrono::milliseconds limit) {
    cancel();
    joinFinished(false);
    auto run = std::make_shared<Run>();
    current_ = run;
    std::thread thread([this, run, work = std::move(work)] {
        Result result = work(run->cancel);
        {
            const std::lock_guard lock(run->mutex);
            run->result = std::move(result);
            run->done = true;
        }
        run->finished.notify_all();
        // The destructor joins this thread before the object goes, so the
        // call is always queued on a living object.
        QMetaObject::invokeMethod(
            this, [this, run] { deliver(run); }, Qt::QueuedConnection);
    });
    threads_.emplace_back(run, std::move(thread));
    bool done = false;
    {
        std::unique_lock lock(run->mutex);
        done = run->finished.wait_for(lock, wait, [&] { return run->done; });
    }
    if (done) {
        deliver(run);
        return true;
    }
    if (limit.count() > 0)
        limit_.start(limit);
    return false;
}

void BackgroundWork::cancel() {
    limit_.stop();
    if (current_) {
        current_->dropped = true;
        current_->cancel = true;
        current_.reset();
    }
}

void BackgroundWork::deliver(const std::shared_ptr<Run>& run) {
    if (run->dropped || run->delivered)
        return;
    run->delivered = true;
    if (current_ == run) {
        current_.reset();
        limit_.stop();
    }
    Result result;
    {
        const std::lock_guard lock(run->mutex);
        result = std::move(run->result);
    }
    if (result)
        result();
}

void BackgroundWork::joinFinished(bool all) {
    for (auto it = threads_.begin(); it != threads_.end();) {
        bool done = all;
        if (!done) {
            const std::lock_guard lock(it->first->mutex);
            done = it->first->done;
        }
        if (done) {
            it->second.join();
            it = threads_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace cellwright
