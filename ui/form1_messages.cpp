#include "ui/form1.hpp"

#include <QLabel>

namespace cellwright {

namespace {
constexpr int kBlack = 0;
constexpr int kRed = 255; // red in the low byte
constexpr int kFlashTicks = 12;
} // namespace

void Form1::showMessage(const QString& msgval, bool flashit) {
    Label1_->setText(msgval);
    // Colour and tick count are left alone: a message shown during a flash
    // takes over the running flash, and a second request does not lengthen it.
    if (flashit && !flasher_.isActive())
        flasher_.start();
}

void Form1::flasher_Timer() {
    setLabelColour(labelColour() == kRed ? kBlack : kRed);
    ++flashCount_;
    if (flashCount_ == kFlashTicks) {
        flashCount_ = 0;
        setLabelColour(kBlack);
        flasher_.stop();
    }
}

int Form1::labelColour() const {
    const QColor colour = Label1_->palette().color(QPalette::WindowText);
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

void Form1::setLabelColour(int colour) {
    QPalette palette = Label1_->palette();
    const QColor qColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    palette.setColor(QPalette::WindowText, qColour);
    Label1_->setPalette(palette);
}

} // namespace cellwright
