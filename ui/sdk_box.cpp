#include "ui/sdk_box.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

namespace cellwright {

namespace {

int keyCodeOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        return kKeyBackspace;
    case Qt::Key_Shift:
        return kKeyShift;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    default:
        return 0;
    }
}

} // namespace

SdkBox::SdkBox(int index, CellEvents& events, QWidget* parent)
    : QLineEdit(parent), index_(index), events_(events) {
    setObjectName(QStringLiteral("SDK_Box_%1").arg(index));
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAccessibleName(QStringLiteral("Row %1, column %2").arg(index / 9 + 1).arg(index % 9 + 1));
}

void SdkBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    events_.SDK_Box_GotFocus(index_);
}

void SdkBox::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() &&
        events_.pastePuzzle(clipboard->text(QClipboard::Selection)))
        return;
    QLineEdit::mouseReleaseEvent(event);
    events_.SDK_Box_Click(index_);
}

void SdkBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->ignore(); // a file: the window loads it
    else
        QLineEdit::dragEnterEvent(event);
}

void SdkBox::dropEvent(QDropEvent* event) {
    if (events_.pastePuzzle(event->mimeData()->text()))
        event->acceptProposedAction();
    else
        QLineEdit::dropEvent(event);
}

void SdkBox::keyPressEvent(QKeyEvent* event) {
    events_.SDK_Box_KeyDown(index_, keyCodeOf(event->key()),
                            event->modifiers().testFlag(Qt::ShiftModifier));
    if (event->matches(QKeySequence::Copy)) {
        events_.copyGrid();
        return;
    }
    if (event->matches(QKeySequence::Paste) &&
        events_.pastePuzzle(QGuiApplication::clipboard()->text()))
        return;
    // A character typed into a full cell replaces its content however the cell
    // got the focus: a mouse click places the cursor after focus-in and drops
    // the selection, and the one-character limit would then swallow the key.
    if (!event->text().isEmpty() && event->text().at(0).isPrint() && !text().isEmpty() &&
        !hasSelectedText())
        selectAll();
    QLineEdit::keyPressEvent(event); // the key is never consumed
}

} // namespace cellwright
