#pragma once

#include "engine/engine_state.hpp"
#include "engine/solver.hpp"
#include "platform/platform.hpp"
#include "ui/sdk_box.hpp"
#include "ui/window_solver_host.hpp"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace cellwright {

// The one window: the grid, six buttons, the message line, and all program state.
class Form1 final : public QWidget, private CellEvents {
  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);

    // Start-up: flags, colour, Clear, show, focus on "Step Solve", then the
    // board named on the command line.
    void Form_Load();

    // Message line.
    void showMessage(const QString& msgval, bool flashit);
    void flasher_Timer();

    // Board files: on failure they show their error, flashing, and return false.
    // A path is the bytes the file system holds.
    bool loadSudoku(const std::string& filename);
    bool saveSudoku(const std::string& filename);

    // Grid and board.
    void fillArray(Board& arr);
    void showArray(const Board& arr);

    // Commands.
    void Command1_Click();    // Step Solve
    void Command5_Click();    // Solve
    void Command6_Click();    // Probability Check
    void ClearButton_Click(); // Clear
    void Command3_Click();    // Save
    void Command4_Click();    // Load

    // Cell events.
    void SDK_Box_Change(int index);
    void SDK_Box_Click(int index) override;
    void SDK_Box_GotFocus(int index) override;
    void SDK_Box_KeyDown(int index, int keyCode, bool shift) override;

    // The clipboard and drops: the grid as one 81-character line, a pasted or
    // dropped puzzle fills the grid as Load does, a dropped file loads.
    void copyGrid() override;
    bool pastePuzzle(const QString& text) override;

    // State, for the commands' callers and for tests.
    EngineState& engine() { return engine_; }
    bool userEditing() const { return userEditing_; }
    bool moveDown() const { return moveDown_; }
    std::int16_t flashCount() const { return flashCount_; }
    QTimer& flasher() { return flasher_; }
    // The message line's text colour as red | green << 8 | blue << 16.
    int labelColour() const;
    SdkBox* cell(int index) const { return SDK_Box_[static_cast<std::size_t>(index)]; }
    QLabel* label() const { return Label1_; }
    Platform& platform() { return platform_; }
    WindowSolverHost& solverHost() { return solverHost_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildControls();
    QPushButton* addButton(const char* name, const QString& caption, int top, int height);
    void setLabelColour(int colour);
    void focusCell(int index);
    void loadDroppedFile(const std::string& path);
    // Where the board a user names is kept; empty when there is nowhere.
    std::string boardPath(const QString& name, bool saving) const;
    // After the passes of a command: what the grid now shows, and the backups
    // on disk as the passes would have left them.
    void finishPasses();

    Platform& platform_;
    EngineState engine_;
    WindowSolverHost solverHost_;
    // The digits the last solver pass left on the grid: a Step Solve that
    // finds others starts a fresh search, since the backups of the old one
    // belong to a board that is no longer there.
    std::optional<std::array<Board::Value, kCellCount>> lastPassDigits_;
    bool closing_ = false; // a Solve under way stops at its next look
    bool userEditing_ = false;
    bool moveDown_ = false;
    std::int16_t flashCount_ = 0;

    std::array<SdkBox*, kCellCount> SDK_Box_{};
    QPushButton* Command1_ = nullptr;
    QPushButton* Command5_ = nullptr;
    QPushButton* Command6_ = nullptr;
    QPushButton* ClearButton_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
    QLabel* Label1_ = nullptr;
    QTimer flasher_;
};

} // namespace cellwright
