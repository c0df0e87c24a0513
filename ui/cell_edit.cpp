#include "ui/cell_edit.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
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
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setAccessibleName(QStringLiteral("Row %1, column %2").arg(index / 9 + 1).arg(index % 9 + 1));
}

namespace {

bool isUndo(const QKeyEvent& event) {
    return event.matches(QKeySequence::Undo);
}

// Ctrl+Shift+Z and Ctrl+Y, whatever the desktop's own redo keys.
bool isRedo(const QKeyEvent& event) {
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return event.matches(QKeySequence::Redo) ||
           (event.key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) ||
           (event.key() == Qt::Key_Y && modifiers == Qt::ControlModifier);
}

bool isMenuKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Menu ||
           (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
}

bool isModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

bool CellEdit::event(QEvent* event) {
    // The line edit would take undo and redo for its own; here they reach
    // keyPressEvent and go to the window.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (isUndo(key) || isRedo(key)) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CellEdit::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint at = event->reason() == QContextMenuEvent::Mouse
                          ? event->globalPos()
                          : mapToGlobal(QPoint(width() / 2, height() / 2));
    events_.cellMenuRequested(index_, at, false);
    event->accept();
}

void CellEdit::focusInEvent(QFocusEvent* event) {
    shiftWentDown_ = false;
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
    const bool shiftChord = shiftWentDown_ && (event->modifiers() & Qt::ShiftModifier);
    if (!isModifier(event->key()) || event->key() == Qt::Key_Shift)
        shiftWentDown_ = event->key() == Qt::Key_Shift;
    if (isUndo(*event)) {
        events_.undo(shiftChord);
        return;
    }
    if (isRedo(*event)) {
        events_.redo(shiftChord);
        return;
    }
    if (isMenuKey(*event)) {
        events_.cellMenuRequested(index_, mapToGlobal(QPoint(width() / 2, height() / 2)),
                                  shiftChord);
        return;
    }
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
