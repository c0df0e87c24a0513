#include "ui/form1.hpp"

#include <QLabel>

namespace cellwright {

namespace {
bool meansEmpty(const QString& text) {
    return text.isEmpty() || text == QLatin1String(" ");
}
} // namespace

void Form1::fillArray(Board& arr) {
    for (int k = 0; k < kCellCount; ++k) {
        const QString text = SDK_Box_[static_cast<std::size_t>(k)]->text();
        const std::optional<int> value = meansEmpty(text) ? 0 : textToNumber(text);
        // Layer 0 takes 0..9 only; anything else the grid could hold is empty.
        if (!value || !arr.setDigit(k, *value))
            (void)arr.setDigit(k, 0);
    }
}

void Form1::showArray(const Board& arr) {
    userEditing_ = false;
    for (int k = 0; k < kCellCount; ++k) {
        const int value = arr.digit(k);
        SDK_Box_[static_cast<std::size_t>(k)]->setText(value <= 0 ? QString()
                                                                  : QString::number(value));
    }
    userEditing_ = true;
}

void Form1::focusCell(int index) {
    SDK_Box_[static_cast<std::size_t>(index)]->setFocus(Qt::OtherFocusReason);
}

void Form1::SDK_Box_Change(int index) {
    SdkBox* box = SDK_Box_[static_cast<std::size_t>(index)];
    const QString text = box->text();
    if (text == QLatin1String(" ")) {
        if (index < 80)
            focusCell(index + 1);
        return;
    }
    if (!textToNumber(text)) {
        box->setText(QString());
        return;
    }
    if (!userEditing_)
        return;
    if (moveDown_ && index < 72)
        focusCell(index + 9);
    else if (!moveDown_ && index < 80)
        focusCell(index + 1);
}

void Form1::SDK_Box_GotFocus(int index) {
    if (!userEditing_)
        return;
    SdkBox* box = SDK_Box_[static_cast<std::size_t>(index)];
    if (!box->text().isEmpty())
        box->setSelection(0, 1);
    SDK_Box_Click(index);
}

void Form1::SDK_Box_Click(int index) {
    // The marks as the last analysis left them; nothing is recomputed here.
    QString text = QStringLiteral("Probable: ");
    for (int layer = 1; layer <= kSize; ++layer) {
        if (const int mark = engine_.board.at(rowOf(index), colOf(index), layer); mark > 0)
            text += QStringLiteral(", ") + QString::number(mark);
    }
    Label1_->setText(text);
}

void Form1::SDK_Box_KeyDown(int index, int keyCode, bool /*shift*/) {
    switch (keyCode) {
    case kKeyBackspace:
        if (index > 0) {
            SDK_Box_[static_cast<std::size_t>(index)]->setText(QString());
            focusCell(index - 1);
        }
        break;
    case kKeyShift:
        moveDown_ = !moveDown_;
        break;
    case kKeyLeft:
        if (index > 0)
            focusCell(index - 1);
        break;
    case kKeyUp:
        if (index > 8)
            focusCell(index - 9);
        break;
    case kKeyRight:
        if (index < 80)
            focusCell(index + 1);
        break;
    case kKeyDown:
        if (index < 72)
            focusCell(index + 9);
        break;
    default:
        break;
    }
}

} // namespace cellwright
