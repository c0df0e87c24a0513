#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace cellwright {

// Runs one piece of work at a time off the window's thread, so that a long
// search never freezes the window. The work polls a cancel flag and returns
// what to do with its result, which then runs on the window's thread.
//
// - start() waits a moment for the work: most answers are ready by then and
//   show at once, with no flicker of a "working" message in between.
// - A limit raises the work's flag: it ends soon with what it has, and that
//   is still delivered.
// - cancel(), a new start() or the end of this object drop the work under
//   way: its result is never delivered. The destructor waits for every
//   thread, so nothing runs on after the window.
class BackgroundWork final : public QObject {
  public:
    using Result = std::function<void()>; // run on the window's thread
    using Work = std::function<Result(const std::atomic<bool>& cancel)>;

    explicit BackgroundWork(QObject* parent = nullptr);
    ~BackgroundWork() override;
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // True when the work finished within wait and its result has run. A
    // limit of zero is none.
    bool start(Work work, std::chrono::milliseconds wait, std::chrono::milliseconds limit);
    void cancel();
    bool busy() const { return current_ != nullptr; }

  private:
    struct Run;
    void deliver(const std::shared_ptr<Run>& run);
    void joinFinished(bool all);

    std::shared_ptr<Run> current_;
    std::vector<std::pair<std::shared_ptr<Run>, std::thread>> threads_;
    QTimer limit_;
};

} // namespace cellwright
