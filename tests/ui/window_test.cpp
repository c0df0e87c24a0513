// The window, driven through its widgets and commands with Qt Test offscreen.
#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "support/test_boards.hpp"
#include "support/window_fixture.hpp"

#include <filesystem>
#include <sys/stat.h>

namespace cellwright::test {

namespace fs = std::filesystem;

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsEmptyOrWithTheBoardNamedOnTheCommandLine() {
        TempDir boards;
        const std::string path = boards.file("my puzzle.sudoku");
        QVERIFY(writeBoardFile(path, boardOf(kPuzzle)));
        for (const std::string& arguments :
             {std::string(), '"' + path + '"', std::string("/missing/b")}) {
            WindowFixture f(arguments);
            const bool missing = arguments.starts_with("/missing");
            QCOMPARE(f.grid(), arguments.starts_with('"') ? qs(kPuzzle) : QString(81, '.'));
            QCOMPARE(f.message(), missing ? qs(kErrorLoadingBoard) : QString());
            QCOMPARE(f.flashingAfterLoad, missing);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("stepSolveButton"));
        }
    }

    // Twelve ticks, red on the odd ones: messages shown meanwhile neither stop
    // the flash nor, flashing too, lengthen it.
    void flashingMessages() {
        WindowFixture f;
        f.window->showMessage(QStringLiteral("Board Solved"), true);
        for (int tick = 1; tick <= 12; ++tick) {
            QVERIFY(f.window->flashTimer().isActive());
            f.window->showMessage(QStringLiteral("Error loading board"), tick == 4);
            f.window->flashTick();
            QCOMPARE(f.window->messageColour(), tick % 2 == 1 && tick < 12 ? 255 : 0);
        }
        QVERIFY(!f.window->flashTimer().isActive());
    }

    // On a grid of 6s: a digit, space or 0 typed into an emptied cell stays and
    // moves on (right, or down after Shift), anything else vanishes; arrows
    // stop at the edges; Backspace empties the cell and steps back.
    void keysEditAndMoveWithinTheGrid() {
        const std::tuple<bool, int, Qt::Key, int, const char*> cases[] = {
            // down, from, key, to, left
            {false, 8, Qt::Key_7, 9, "7"},       {false, 80, Qt::Key_7, 80, "7"},
            {true, 4, Qt::Key_7, 13, "7"},       {true, 75, Qt::Key_7, 75, "7"},
            {false, 20, Qt::Key_X, 20, ""},      {true, 20, Qt::Key_Space, 21, " "},
            {false, 20, Qt::Key_0, 21, "0"},     {false, 9, Qt::Key_Left, 8, "6"},
            {false, 8, Qt::Key_Right, 9, "6"},   {false, 0, Qt::Key_Left, 0, "6"},
            {false, 80, Qt::Key_Right, 80, "6"}, {false, 5, Qt::Key_Up, 5, "6"},
            {false, 14, Qt::Key_Up, 5, "6"},     {false, 77, Qt::Key_Down, 77, "6"},
            {false, 68, Qt::Key_Down, 77, "6"},  {false, 10, Qt::Key_Backspace, 9, ""}};
        for (const auto& [down, from, key, to, left] : cases) {
            WindowFixture f;
            f.setGrid(std::string(81, '6'));
            if (QTest::keyToAscii(key) != 0)
                f.cell(from)->clear();
            if (down)
                QTest::keyClick(f.cell(0), Qt::Key_Shift);
            QCOMPARE(f.window->moveDown(), down);
            f.cell(from)->setFocus();
            QTest::keyClick(f.cell(from), key);
            QCOMPARE(f.cell(from)->text(), QString::fromLatin1(left));
            QCOMPARE(f.focusedCell(), to);
        }
    }

    void solvingStepByStepAndAtOnce() {
        WindowFixture f;
        f.setGrid(kHardPuzzle);
        f.window->stepSolve();
        QCOMPARE(f.window->engine().guessDepth, 1);
        f.window->stepSolve();
        QVERIFY2(f.window->engine().guessDepth >= 1, "one search goes on between presses");
        f.window->solve();
        QCOMPARE(f.message(), qs(kBoardSolved));
        QVERIFY(solves(boardOf(f.grid().toStdString()), kHardPuzzle));
        // Probability Check shows nothing until a cell is clicked: (0, 2) of the
        // puzzle can hold 1, 2 or 4. A 0 or a space in the grid is empty.
        f.setGrid(lineWith({{2, ' '}, {3, '0'}}, std::string(kPuzzle)));
        const QString shown = f.message();
        f.window->checkCandidates();
        QCOMPARE(f.message(), shown);
        QTest::mouseClick(f.cell(2), Qt::LeftButton);
        QCOMPARE(f.message(), QStringLiteral("Probable: , 1, 2, 4"));
        f.cell(7)->setFocus();
        f.window->clear();
        QCOMPARE(f.grid(), QString(81, '.'));
        QCOMPARE(f.message(), QString());
        QCOMPARE(f.focusedCell(), 7);
        QCOMPARE(f.window->engine(), EngineState{});
    }

    void backupsThatCannotBeWrittenStopTheSolverWithAnError() {
        WindowFixture f;
        fs::remove_all(f.temp.path()); // nowhere to make the backup folder
        f.setGrid(kHardPuzzle);
        f.window->solve();
        QCOMPARE(f.message(), qs(kErrorSavingBoard));
        QCOMPARE(f.grid(), qs(kHardPuzzle)); // stopped before the first guess
    }

    // Save and Load ask for a name; ".sudoku" is added unless it has a dot. A
    // failed load shows the cells read before the error, a failed save leaves
    // the grid; both say so, flashing. Cancel does nothing.
    void savingAndLoadingByName() {
        const QString firstForty = qs(kSolution.substr(0, 40)) + QString(41, '.');
        const struct {
            QString save, load, message, grid;
        } cases[] = {{"board1", "board1", "", qs(kPuzzle)},
                     {"my.board", "my.board", "", qs(kPuzzle)},
                     {"b 1 ", "b 1 .sudoku", "", qs(kPuzzle)},
                     {"", "missing", qs(kErrorLoadingBoard), QString(81, '.')},
                     {"", "pipe", qs(kErrorLoadingBoard), QString(81, '.')},
                     {"", "short", qs(kErrorLoadingBoard), firstForty},
                     {"sub/dir/board", "", qs(kErrorSavingBoard), qs(kPuzzle)},
                     {"folder.d", "", qs(kErrorSavingBoard), qs(kPuzzle)},
                     {"", "", "kept", qs(kPuzzle)}};
        for (const auto& c : cases) {
            WindowFixture f;
            QCOMPARE(::mkfifo(f.dir.file("pipe.sudoku").c_str(), 0600), 0);
            fs::create_directory(f.dir.file("folder.d"));
            writeText(f.dir.file("short.sudoku"),
                      std::string(boardFileBytes(boardOf(kSolution)).data(), 120));
            f.setGrid(kPuzzle);
            f.window->showMessage(QStringLiteral("kept"), false);
            f.platform.answers = {c.save, c.load};
            f.window->save();
            if (!c.save.isEmpty() && c.message.isEmpty())
                f.window->clear();
            f.window->load();
            QCOMPARE(f.message(), c.message);
            QCOMPARE(f.window->flashTimer().isActive(), c.message.startsWith("Error"));
            QCOMPARE(f.grid(), c.grid);
            const QString prompt = QStringLiteral(": Enter the board name. Example: board1");
            QCOMPARE(f.platform.inputs, QStringList({"Save" + prompt, "Load" + prompt}));
        }
    }

    void closingRemovesTheBackupsAndSaysGoodbye() {
        WindowFixture f;
        f.setGrid(kHardPuzzle);
        f.window->stepSolve();
        for (const int level : {1, 17})
            writeText(f.backup(level), "x");
        const std::string backups = f.backupDirectory();
        f.window->close();
        QVERIFY(!fs::exists(backups));
        QCOMPARE(f.platform.messages.size(), 1);
        const QString goodbye = f.platform.messages.value(0);
        QVERIFY(goodbye.startsWith("Thank you for using Cellwright: Cellwright by:\r\n"
                                   "The Cellwright developers\r\n") &&
                goodbye.contains('@'));
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::WindowTest)
#include "window_test.moc"
