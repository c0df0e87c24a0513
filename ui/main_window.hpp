#pragma once

#include "engine/engine_state.hpp"
#include "engine/solver.hpp"
#include "files/puzzle_line.hpp"
#include "logic/rating.hpp"
#include "platform/platform.hpp"
#include "ui/background_work.hpp"
#include "ui/cell_edit.hpp"
#include "ui/stop_on_input.hpp"
#include "ui/teaching_answers.hpp"
#include "ui/undo_history.hpp"
#include "ui/window_solver_host.hpp"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace cellwright {

// The one window: the grid, six buttons, the message line, and all program state.
class MainWindow final : public QWidget, private CellEvents {
  public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);

    // Start-up: flags, colour, Clear, show, focus on "Step Solve", then the
    // board named on the command line.
    void start();

    // Message line.
    void showMessage(const QString& msgval, bool flashit);
    void flashTick();

    // Board files: on failure they show their error, flashing, and return false.
    // A path is the bytes the file system holds.
    bool loadSudoku(const std::string& filename);
    bool saveSudoku(const std::string& filename);

    // Grid and board.
    void fillArray(Board& arr);
    void showArray(const Board& arr);

    // The commands of the six buttons: "Step Solve", "Solve", "Probability
    // Check", "Clear", "Save" and "Load".
    void stepSolve();
    void solve();
    void checkCandidates();
    void clear();
    void save();
    void load();

    // Cell events.
    void cellChanged(int index);
    void cellClicked(int index) override;
    void cellFocused(int index) override;
    void cellKeyPressed(int index, int key) override;

    // The clipboard and drops: the grid as one 81-character line, a pasted or
    // dropped puzzle fills the grid as Load does, a dropped file loads.
    void copyGrid() override;
    bool pastePuzzle(const QString& text) override;

    // State, for the commands' callers and for tests.
    EngineState& engine() { return engine_; }
    bool userEditing() const { return userEditing_; }
    bool moveDown() const { return moveDown_; }
    std::int16_t flashCount() const { return flashCount_; }
    QTimer& flashTimer() { return flashTimer_; }
    // The message line's text colour as red | green << 8 | blue << 16.
    int messageColour() const;
    CellEdit* cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    QLabel* messageLine() const { return messageLine_; }
    Platform& platform() { return platform_; }
    WindowSolverHost& solverHost() { return solverHost_; }

    // The cells' context menu, and what it teaches: hints at three levels,
    // the solution check, the difficulty, undo and redo of whole moves, and
    // new puzzles. Answers go to the message line as the candidate list does.
    void cellMenuRequested(int index, const QPoint& globalPos, bool byShiftChord) override;
    void hint(teaching::HintLevel level);
    void checkSolutions();
    void showDifficulty();
    void undo(bool byShiftChord = false) override;
    void redo(bool byShiftChord = false) override;
    void newPuzzle(logic::Band level);
    QMenu* cellMenu() const { return cellMenu_; }
    // The work behind the answers and new puzzles; how long the window waits
    // for an answer before it says it is working, and how long an answer may
    // take before it stops with what it has. For tests.
    BackgroundWork& answerWork() { return answerWork_; }
    BackgroundWork& puzzleWork() { return puzzleWork_; }
    void setAnswerTiming(std::chrono::milliseconds moment, std::chrono::milliseconds limit) {
        answerMoment_ = moment;
        answerLimit_ = limit;
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildControls();
    QPushButton* addButton(const char* name, const QString& caption, int top, int height);
    void setMessageColour(int colour);
    void focusCell(int index);
    void loadDroppedFile(const std::string& path);
    // A whole puzzle fills the grid as Load does: a fresh engine, no message.
    void takePuzzle(const Digits& digits);
    // The engine emptied: no board, no search under way.
    void clearEngine();
    // Where the board a user names is kept; empty when there is nowhere.
    std::string boardPath(const QString& name, bool saving) const;
    // After the passes of a command: what the grid now shows, and the backups
    // on disk as the passes would have left them.
    void finishPasses();

    void buildTeaching();
    void buildNewPuzzleMenu();
    void startHistory();
    QAction* addTeachingAction(const QString& text, const QList<QKeySequence>& keys);
    // Runs a question off the window's thread. After a moment without an
    // answer the line says what it is doing (anew every little while, so a
    // rating can show how far it got), and any key or click stops it.
    using Question =
        std::function<teaching::Answer(const teaching::Grid&, const std::atomic<bool>&)>;
    void ask(Question question, std::function<QString()> working);
    void stopAsking();
    void showAnswer(const teaching::Answer& answer);
    teaching::Grid gridDigits();
    // Undo: every change of the cells between two looks at the event queue
    // is one move, recorded once the queue is reached.
    void noteGridChange();
    void settleMove();
    GridState gridState() const;
    void showGridState(const UndoHistory::Restore& restore);
    void updateUndoActions();
    std::array<QPushButton*, 6> focusButtons() const;
    int focusId() const;
    void restoreFocus(int id);
    // The grid's digits now are the puzzle's givens.
    void markGivens();
    // The search under way no longer belongs to the grid.
    void forgetSearch();
    // A Shift that began a chord of the new commands did not mean to turn
    // the entry direction.
    void takeBackShift(bool byShiftChord);

    Platform& platform_;
    EngineState engine_;
    WindowSolverHost solverHost_;
    // The digits the last solver pass left on the grid: a Step Solve that
    // finds others starts a fresh search, since the backups of the old one
    // belong to a board that is no longer there.
    std::optional<std::array<Board::Value, kCellCount>> lastPassDigits_;
    // The digits before the first guess of the search Step Solve has under
    // way: what a Solve right after it starts from, since the guesses on the
    // grid are not the user's.
    std::optional<std::array<Board::Value, kCellCount>> searchStart_;
    bool closing_ = false; // a Solve under way stops at its next look
    bool userEditing_ = false;
    bool moveDown_ = false;
    std::int16_t flashCount_ = 0;

    std::array<CellEdit*, kCellCount> cells_{};
    QPushButton* stepSolveButton_ = nullptr;
    QPushButton* solveButton_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QLabel* messageLine_ = nullptr;
    QTimer flashTimer_;

    UndoHistory history_;
    bool changePending_ = false;
    bool restoringGrid_ = false;
    int focusBeforeChange_ = -1;
    std::array<std::int16_t, kCellCount> givens_{};
    BackgroundWork answerWork_;
    BackgroundWork puzzleWork_;
    StopOnInput stopOnInput_;
    QTimer workingTimer_;
    std::function<QString()> workingText_;
    // An answer ready within the moment shows at once, with no flicker of a
    // message in between; most are ready far sooner.
    std::chrono::milliseconds answerMoment_{100};
    std::chrono::milliseconds answerLimit_{10'000};
    logic::Band lastLevel_ = logic::Band::Medium;
    QMenu* cellMenu_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::array<QAction*, 6> levelActions_{};
};

} // namespace cellwright
