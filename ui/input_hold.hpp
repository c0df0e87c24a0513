#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWindow>

#include <memory>
#include <vector>

namespace cellwright {

// While a long command keeps the window painted between its steps, the
// user's keys and clicks on that window must not run inside it: they are held
// here and handed back, in order, once the command has ended. Anything else
// (painting, timers, a request to close) goes through as usual, and so does
// input to other windows, such as a dialog the command opens.
class InputHold final : public QObject {
  public:
    explicit InputHold(QWindow* window);
    ~InputHold() override;
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    // Drops what is held instead of handing it back (the window is closing).
    void discard() { held_.clear(); }

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    QPointer<QWindow> window_;
    std::vector<std::unique_ptr<QEvent>> held_;
};

} // namespace cellwright
