#pragma once

#include <QLineEdit>

namespace cellwright {

// What a grid cell reports to the window, with its grid index.
class CellEvents {
  public:
    virtual void cellClicked(int index) = 0;
    virtual void cellFocused(int index) = 0;
    // A key went down (a Qt::Key); the cell handles it as usual afterwards.
    virtual void cellKeyPressed(int index, int key) = 0;
    // Copy in any cell takes the whole grid.
    virtual void copyGrid() = 0;
    // Text pasted or dropped into a cell; true when it was a whole puzzle and
    // filled the grid, false to let the cell take it as usual.
    virtual bool pastePuzzle(const QString& text) = 0;
    // The context menu: the right button, the Menu key or Shift+F10 (the
    // Shift of that chord having gone down in this cell).
    virtual void cellMenuRequested(int index, const QPoint& globalPos, bool byShiftChord) = 0;
    // Undo and redo in a cell are the window's, of whole moves, never the
    // cell's own of one character.
    virtual void undo(bool byShiftChord) = 0;
    virtual void redo(bool byShiftChord) = 0;

  protected:
    ~CellEvents() = default;
};

// One cell of the grid: single line, centred, one character as typed.
class CellEdit final : public QLineEdit {
  public:
    CellEdit(int index, CellEvents& events, QWidget* parent);
    int index() const { return index_; }

  protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    int index_;
    CellEvents& events_;
    bool shiftWentDown_ = false; // the last key down here was Shift
};

} // namespace cellwright
