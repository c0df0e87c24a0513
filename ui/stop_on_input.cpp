#include "ui/stop_on_input.hpp"

#include <QCoreApplication>
#include <QEvent>

namespace cellwright {

StopOnInput::StopOnInput(QWidget* window, std::function<void()> stop)
    : window_(window), stop_(std::move(stop)) {}

StopOnInput::~StopOnInput() {
    disarm();
}

void StopOnInput::arm() {
    if (!armed_)
        QCoreApplication::instance()->installEventFilter(this);
    armed_ = true;
}

void StopOnInput::disarm() {
    if (armed_)
        QCoreApplication::instance()->removeEventFilter(this);
    armed_ = false;
}

bool StopOnInput::eventFilter(QObject* receiver, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || window_ == nullptr || widget->window() != window_)
        return false;
    disarm();
    stop_();
    return false; // the key or click goes on to do what it does
}

} // namespace cellwright
