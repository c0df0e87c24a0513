#include "ui/main_window.hpp"

#include <QLabel>

namespace cellwright {

namespace {
constexpr int kBlack = 0;
constexpr int kRed = 255; // red in the low byte
constexpr int kFlashTicks = 12;
} // namespace

void MainWindow::showMessage(const QString& msgval, bool flashit) {
    messageLine_->setText(msgval);
    // Colour and tick count are left alone: a message shown during a flash
    // takes over the running flash, and a second request does not lengthen it.
    if (flashit && !flashTimer_.isActive())
        flashTimer_.start();
}

void MainWindow::flashTick() {
    setMessageColour(messageColour() == kRed ? kBlack : kRed);
    ++flashCount_;
    if (flashCount_ == kFlashTicks) {
        flashCount_ = 0;
        setMessageColour(kBlack);
        flashTimer_.stop();
    }
}

int MainWindow::messageColour() const {
    const QColor colour = messageLine_->palette().color(QPalette::WindowText);
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

void MainWindow::setMessageColour(int colour) {
    QPalette palette = messageLine_->palette();
    const QColor qColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    palette.setColor(QPalette::WindowText, qColour);
    messageLine_->setPalette(palette);
}

} // namespace cellwright
