#pragma once

#include "engine/engine_state.hpp"
#include "engine/solver.hpp"
#include "platform/platform.hpp"
#include "ui/sdk_box.hpp"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

namespace cellwright {

class Form1;

// The window's side of a solver pass: backups are board files beside the
// program, written and read through the window's own file methods.
class WindowSolverHost final : public SolverHost {
  public:
    explicit WindowSolverHost(Form1& window) : window_(window) {}
    bool saveBackup(std::int16_t level, const Board& arr) override;
    bool loadBackup(std::int16_t level, Board& arr) override;
    void deleteBackups() override;
    void showMessage(std::string_view msgval, bool flashit) override;

  private:
    Form1& window_;
};

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
    bool loadSudoku(const QString& filename);
    bool saveSudoku(const QString& filename);

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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    QPushButton* addButton(const char* name, const QString& caption, int top, int height);
    void setLabelColour(int colour);
    void focusCell(int index);
    QString boardPath(const QString& name) const;

    Platform& platform_;
    EngineState engine_;
    WindowSolverHost solverHost_{*this};
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
