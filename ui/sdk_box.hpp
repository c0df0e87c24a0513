#pragma once

#include <QLineEdit>

namespace cellwright {

// What a grid cell reports to the window, with its grid index.
class CellEvents {
  public:
    virtual void SDK_Box_Click(int index) = 0;
    virtual void SDK_Box_GotFocus(int index) = 0;
    virtual void SDK_Box_KeyDown(int index, int keyCode, bool shift) = 0;
    // Copy in any cell takes the whole grid.
    virtual void copyGrid() = 0;
    // Text pasted or dropped into a cell; true when it was a whole puzzle and
    // filled the grid, false to let the cell take it as usual.
    virtual bool pastePuzzle(const QString& text) = 0;

  protected:
    ~CellEvents() = default;
};

// Key codes the cell handling knows.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyShift = 16;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// One cell of the grid: single line, centred, one character as typed.
class SdkBox final : public QLineEdit {
  public:
    SdkBox(int index, CellEvents& events, QWidget* parent);
    int index() const { return index_; }

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    int index_;
    CellEvents& events_;
};

} // namespace cellwright
