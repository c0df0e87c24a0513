// The cells' context menu and what it teaches, driven through the window
// offscreen: hints, the solution check, the difficulty, undo and redo of
// every kind of move, new puzzles, and searches that give way to the user.
#include "counter/solution_count.hpp"
#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "support/test_boards.hpp"
#include "support/window_fixture.hpp"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <functional>

namespace cellwright::test {

namespace {

QAction* actionNamed(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu() != nullptr)
            if (QAction* inner = actionNamed(action->menu(), text))
                return inner;
    }
    return nullptr;
}

void choose(WindowFixture& f, const QString& item) {
    QAction* action = actionNamed(f.window->cellMenu(), item);
    QVERIFY2(action != nullptr && action->isEnabled(), qPrintable(item));
    action->trigger();
}

// Lets the window reach its event queue, where a move becomes one step.
void settle() {
    QCoreApplication::processEvents();
}

// The grid as a puzzle with exactly one solution.
bool uniquePuzzle(const QString& grid) {
    counter::Cells cells{};
    for (int i = 0; i < kCellCount; ++i)
        cells[static_cast<std::size_t>(i)] = grid[i].isDigit() ? grid[i].digitValue() : 0;
    return counter::countSolutions(cells, 2).solutions == 1;
}

// One of the slowest puzzles to rate: chains most of the way.
constexpr std::string_view kSlowToRate =
    ".7.6..4..9.2....71....2.......3.9..83..4....7....6.2..7.19..5...93..5...5...4....";

} // namespace

class WindowTeaching : public QObject {
    Q_OBJECT

  private slots:
    // The right button, the Menu key and Shift+F10 open it; the Shift of
    // Shift+F10 does not turn the entry direction.
    void theMenuOfEveryCell() {
        WindowFixture f;
        QMenu* menu = f.window->cellMenu();
        const std::function<void()> ways[] = {
            [&] {
                QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                                        f.cell(40)->mapToGlobal(QPoint(4, 4)));
                QApplication::sendEvent(f.cell(40), &event);
            },
            [&] { QTest::keyClick(f.cell(40), Qt::Key_Menu); },
            [&] { QTest::keyClick(f.cell(40), Qt::Key_F10, Qt::ShiftModifier); },
        };
        for (const auto& open : ways) {
            f.cell(40)->setFocus();
            open();
            QVERIFY(menu->isVisible());
            menu->hide();
            QVERIFY(!f.window->moveDown());
        }
        // Items by their accessible names, with their keys.
        QStringList items;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < menu->actions().size(); ++i) {
            const QAction* action = menu->actions()[i];
            QString item =
                action->isSeparator() ? "-" : accessible->child(i)->text(QAccessible::Name);
            for (const QKeySequence& key : action->shortcuts())
                item += ' ' + key.toString();
            items << item;
        }
        QCOMPARE(items,
                 QStringList({"Hint: where to look Alt+F12", "Hint: which digit Ctrl+F12",
                              "Next step F12", "Check solutions", "Difficulty", "-", "Undo Ctrl+Z",
                              "Redo Ctrl+Shift+Z Ctrl+Y", "-", "New puzzle"}));
        QVERIFY(!actionNamed(menu, "Undo")->isEnabled() && !actionNamed(menu, "Redo")->isEnabled());
        QMenu* levels = actionNamed(menu, "New puzzle")->menu();
        QStringList levelNames;
        for (QAction* level : levels->actions())
            levelNames << level->text() + (level->shortcut().isEmpty() ? "" : " Ctrl+N");
        QCOMPARE(levelNames, QStringList({"Easy", "Medium Ctrl+N", "Hard", "Fiendish", "Diabolical",
                                          "Extreme"}));
    }

    // Each level by its keys, from any cell: the message line in its normal
    // colour, not flashing; the grid, the engine and the search untouched;
    // the focus on the step's cell for the whole step.
    void hintsByTheirKeys() {
        const std::string lastGap = lineWith({{0, '.'}}, std::string(kSolution));
        const struct {
            std::string_view grid;
            QKeyCombination keys;
            QString message;
            int focus;
        } cases[] = {
            {kPuzzle, Qt::ALT | Qt::Key_F12, "Hint: look for a hidden single in box 2", 70},
            {kPuzzle, Qt::CTRL | Qt::Key_F12, "Hint: a hidden single 8 in box 2", 70},
            {kPuzzle, QKeyCombination(Qt::Key_F12),
             "Hidden single: 8 can only go in row 1, column 6 in box 2", 5},
            {lastGap, QKeyCombination(Qt::Key_F12),
             "Full house: 5 is the last digit missing in box 1, at row 1, column 1", 0},
        };
        for (const auto& c : cases) {
            WindowFixture f;
            f.setGrid(c.grid);
            const EngineState engine = f.window->engine();
            f.cell(70)->setFocus();
            QTest::keyClick(f.cell(70), c.keys.key(), c.keys.keyboardModifiers());
            QCOMPARE(f.message(), c.message);
            QCOMPARE(f.focusedCell(), c.focus);
            QVERIFY(!f.window->flashTimer().isActive());
            QCOMPARE(f.window->messageColour(), 0);
            QCOMPARE(f.window->engine(), engine);
            QCOMPARE(f.grid(), qs(c.grid));
        }
    }

    // Check solutions names the digit typed over a pasted puzzle, never a
    // given of it (the same grid pasted whole has none to name).
    void checkSolutionsTellsTypedFromGiven() {
        WindowFixture f;
        f.window->pastePuzzle(qs(kPuzzle));
        f.cell(2)->setFocus();
        QTest::keyClick(f.cell(2), Qt::Key_2);
        const QString typo = f.grid();
        choose(f, "Check solutions");
        QCOMPARE(f.message(),
                 QStringLiteral("No solution — the 2 at row 1, column 3 cannot stand"));
        QCOMPARE(f.grid(), typo);
        f.window->pastePuzzle(typo);
        choose(f, "Check solutions");
        QCOMPARE(f.message(), QStringLiteral("No solution"));
    }

    // Each kind of move is one step: undo brings back the digits and the
    // focus before it, redo those after it. Ctrl+Z in a cell is the
    // window's undo, not the cell's own.
    void undoAndRedoOfEveryKindOfMove() {
        TempDir boards;
        const std::string file = boards.file("other.sudoku");
        QVERIFY(writeBoardFile(file, boardOf(kSolution)));
        const std::tuple<const char*, int, std::function<void(WindowFixture&)>> moves[] = {
            {"typed digit", 2, [](WindowFixture& f) { QTest::keyClick(f.cell(2), Qt::Key_4); }},
            {"Backspace", 1,
             [](WindowFixture& f) { QTest::keyClick(f.cell(1), Qt::Key_Backspace); }},
            {"Clear", 2, [](WindowFixture& f) { f.window->clear(); }},
            {"Load", 2,
             [](WindowFixture& f) {
                 QVERIFY(writeBoardFile(f.file("b.sudoku"), boardOf(kHardPuzzle)));
                 f.platform.answers = {"b"};
                 f.window->load();
             }},
            {"paste", 2,
             [](WindowFixture& f) {
                 QGuiApplication::clipboard()->setText(qs(kHardPuzzle));
                 QTest::keySequence(f.cell(2), QKeySequence::Paste);
             }},
            {"drop", 2,
             [&](WindowFixture& f) {
                 QMimeData mime;
                 mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
                 QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &mime, Qt::LeftButton,
                                       Qt::NoModifier);
                 QApplication::sendEvent(f.window.get(), &enter);
                 QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &mime, Qt::LeftButton,
                                 Qt::NoModifier);
                 QApplication::sendEvent(f.window.get(), &drop);
             }},
            {"Step Solve", 2, [](WindowFixture& f) { f.window->stepSolve(); }},
            {"Solve", 2, [](WindowFixture& f) { f.window->solve(); }},
            {"New puzzle", 2, [](WindowFixture& f) { choose(f, "Easy"); }},
        };
        for (const auto& [name, from, move] : moves) {
            WindowFixture f;
            f.setGrid(kPuzzle);
            settle();
            f.cell(from)->setFocus();
            const QString before = f.grid();
            move(f);
            QTRY_VERIFY(!f.window->puzzleWork().busy());
            settle();
            const QString after = f.grid();
            const int focusAfter = f.focusedCell();
            QVERIFY2(after != before, qPrintable(QString(name) + ": " + f.message()));
            f.cell(30)->setFocus();
            QTest::keyClick(f.cell(30), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(f.grid(), before);
            QCOMPARE(f.focusedCell(), from);
            QTest::keyClick(f.cell(2), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(f.grid(), after);
            QCOMPARE(f.focusedCell(), focusAfter);
            QVERIFY2(!f.window->moveDown(), "the Shift of the chord turns nothing");
            f.window->undo();
            f.window->undo();
            QCOMPARE(f.grid(), QString(81, '.')); // the grid the window started with
            QTest::keyClick(f.cell(2), Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(f.grid(), qs(kPuzzle));
        }
    }

    // After an undo, Step Solve starts a fresh search on the grid it shows,
    // as after any edit.
    void stepSolveAfterUndoStartsAfresh() {
        WindowFixture f, fresh;
        f.setGrid(kHardPuzzle);
        settle();
        f.window->stepSolve();
        settle();
        const QString firstPass = f.grid();
        f.window->stepSolve();
        settle();
        f.window->undo();
        QCOMPARE(f.grid(), firstPass);
        f.window->stepSolve();
        fresh.setGrid(firstPass.toStdString());
        fresh.window->stepSolve();
        QCOMPARE(f.grid(), fresh.grid());
        QCOMPARE(f.window->engine().guessDepth, fresh.window->engine().guessDepth);
    }

    // A level from the submenu fills the grid as Load does, and Ctrl+N then
    // makes that level; a new request drops the one under way.
    void newPuzzles() {
        WindowFixture f;
        f.setGrid(kHardPuzzle);
        f.window->stepSolve();
        f.window->showMessage(QStringLiteral("before"), false);
        choose(f, "Extreme");
        if (f.window->puzzleWork().busy()) { // as good as always: they are rare
            QCOMPARE(f.message(), QStringLiteral("Making an extreme puzzle…"));
            QVERIFY(!f.window->flashTimer().isActive());
            QTest::qWait(20);
            QVERIFY2(f.window->puzzleWork().busy(), "no time limit");
        }
        choose(f, "Easy");
        QTRY_VERIFY(!f.window->puzzleWork().busy());
        const QString easy = f.grid();
        QVERIFY(uniquePuzzle(easy));
        QCOMPARE(logic::bandOf(logic::rate(*digitsOf(easy.toStdString())).er), logic::Band::Easy);
        QCOMPARE(f.message(), QString());
        QCOMPARE(f.window->engine().guessDepth, 0);
        QTest::qWait(50);
        QCOMPARE(f.grid(), easy); // the extreme one never comes
        QTest::keyClick(f.cell(0), Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(f.grid() != easy);
        QCOMPARE(logic::bandOf(logic::rate(*digitsOf(f.grid().toStdString())).er),
                 logic::Band::Easy);
        f.window->undo();
        QCOMPARE(f.grid(), easy);
        choose(f, "Extreme");
        f.window->close(); // drops it: the window goes at once
    }

    // An answer that takes long: the line says so, the next key stops it and
    // goes on as usual; past the limit it ends with what it has.
    void longSearchesGiveWay() {
        WindowFixture f;
        f.setGrid(kSlowToRate);
        f.window->setAnswerTiming(std::chrono::milliseconds(0), std::chrono::milliseconds(0));
        choose(f, "Difficulty");
        QVERIFY(f.message().startsWith(QStringLiteral("Rating…")));
        f.cell(0)->setFocus();
        QTest::keyClick(f.window->windowHandle(), Qt::Key_Shift); // as the platform sends it
        QVERIFY(f.window->moveDown());                            // the key did what it does
        QVERIFY(!f.window->answerWork().busy());
        QTest::qWait(50);
        QCOMPARE(f.message(), QStringLiteral("Stopped")); // the answer never comes
        f.window->setAnswerTiming(std::chrono::milliseconds(0), std::chrono::milliseconds(1));
        choose(f, "Difficulty");
        QTRY_VERIFY(f.message().contains(QStringLiteral("rating took too long, so it stopped")));
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::WindowTeaching)
#include "window_teaching_test.moc"
