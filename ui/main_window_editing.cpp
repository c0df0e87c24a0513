#include "ui/main_window.hpp"

#include <QLabel>

namespace cellwright {

namespace {
bool meansEmpty(const QString& text) {
    return text.isEmpty() || text == QLatin1String(" ");
}
} // namespace

void MainWindow::fillArray(Board& arr) {
    for (int k = 0; k < kCellCount; ++k) {
        const QString text = cells_[static_cast<std::size_t>(k)]->text();
        const std::optional<int> value = meansEmpty(text) ? 0 : textToNumber(text);
        // Layer 0 takes 0..9 only; anything else the grid could hold is empty.
        if (!value || !arr.setDigit(k, *value))
            (void)arr.setDigit(k, 0);
    }
}

void MainWindow::showArray(const Board& arr) {
    userEditing_ = false;
    for (int k = 0; k < kCellCount; ++k) {
        const int value = arr.digit(k);
        cells_[static_cast<std::size_t>(k)]->setText(value <= 0 ? QString()
                                                                : QString::number(value));
    }
    userEditing_ = true;
}

void MainWindow::focusCell(int index) {
    cells_[static_cast<std::size_t>(index)]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::cellChanged(int index) {
    CellEdit* box = cells_[static_cast<std::size_t>(index)];
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

void MainWindow::cellFocused(int index) {
    if (!userEditing_)
        return;
    CellEdit* box = cells_[static_cast<std::size_t>(index)];
    if (!box->text().isEmpty())
        box->setSelection(0, 1);
    cellClicked(index);
}

void MainWindow::cellClicked(int index) {
    // The marks as the last analysis left them; nothing is recomputed here.
    QString text = QStringLiteral("Probable: ");
    for (int layer = 1; layer <= kSize; ++layer) {
        if (const int mark = engine_.board.at(rowOf(index), colOf(index), layer); mark > 0)
            text += QStringLiteral(", ") + QString::number(mark);
    }
    messageLine_->setText(text);
}

void MainWindow::cellKeyPressed(int index, int key) {
    switch (key) {
    case Qt::Key_Backspace:
        if (index > 0) {
            cells_[static_cast<std::size_t>(index)]->setText(QString());
            focusCell(index - 1);
        }
        break;
    case Qt::Key_Shift:
        moveDown_ = !moveDown_;
        break;
    case Qt::Key_Left:
        if (index > 0)
            focusCell(index - 1);
        break;
    case Qt::Key_Up:
        if (index > 8)
            focusCell(index - 9);
        break;
    case Qt::Key_Right:
        if (index < 80)
            focusCell(index + 1);
        break;
    case Qt::Key_Down:
        if (index < 72)
            focusCell(index + 9);
        break;
    default:
        break;
    }
}

} // namespace cellwright
