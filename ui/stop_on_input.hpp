#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace cellwright {

// While armed, the first key press or mouse button on the window calls stop
// once, then disarms; the key or click itself goes on as usual. This is how
// a search running in the background gives way to whatever the user does
// next.
class StopOnInput final : public QObject {
  public:
    StopOnInput(QWidget* window, std::function<void()> stop);
    ~StopOnInput() override;
    StopOnInput(const StopOnInput&) = delete;
    StopOnInput& operator=(const StopOnInput&) = delete;

    void arm();
    void disarm();

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    QPointer<QWidget> window_;
    std::function<void()> stop_;
    bool armed_ = false;
};

} // namespace cellwright
