#include "ui/input_hold.hpp"

#include <QCoreApplication>

namespace cellwright {

namespace {
bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}
} // namespace

InputHold::InputHold(QWindow* window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() {
    QCoreApplication::instance()->removeEventFilter(this);
    for (auto& event : held_) {
        if (window_)
            QCoreApplication::postEvent(window_, event.release());
    }
}

bool InputHold::eventFilter(QObject* receiver, QEvent* event) {
    if (window_ == nullptr || receiver != window_ || !isUserInput(event->type()))
        return false;
    held_.push_back(std::unique_ptr<QEvent>(event->clone()));
    return true;
}

} // namespace cellwright
