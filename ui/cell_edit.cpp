#include "ui/cell_edit.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

namespace cellwright {

CellEdit::CellEdit(int index, CellEvents& events, QWidget* parent)
    : QLineEdit(parent), index_(index), events_(events) {
    setObjectName(QStringLiteral("cell%1").arg(index));
    setMaxLength(1);
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAccessibleName(QStringLiteral("Row %1, column %2").arg(index / 9 + 1).arg(index % 9 + 1));
}

void CellEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    events_.cellFocused(index_);
}

void CellEdit::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() &&
        events_.pastePuzzle(clipboard->text(QClipboard::Selection)))
        return;
    QLineEdit::mouseReleaseEvent(event);
    events_.cellClicked(index_);
}

void CellEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->ignore(); // a file: the window loads it
    else
        QLineEdit::dragEnterEvent(event);
}

void CellEdit::dropEvent(QDropEvent* event) {
    if (events_.pastePuzzle(event->mimeData()->text()))
        event->acceptProposedAction();
    else
        QLineEdit::dropEvent(event);
}

void CellEdit::keyPressEvent(QKeyEvent* event) {
    events_.cellKeyPressed(index_, event->key());
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
