#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "support/test_boards.hpp"
#include "window_fixture.hpp"

#include <filesystem>

namespace cellwright::test {

namespace fs = std::filesystem;

class Form1Commands : public QObject {
    Q_OBJECT

    static bool gridSolves(const WindowFixture& f, std::string_view puzzle) {
        Board board;
        f.window->fillArray(board);
        return solves(board, puzzle);
    }

  private slots:
    void startUpIsEmptyWithFocusOnStepSolve() {
        WindowFixture f;
        QCOMPARE(f.grid(), QString(81, '.'));
        QCOMPARE(f.message(), QString());
        QCOMPARE(f.focused(), f.button("Command1"));
        QVERIFY(f.window->userEditing());
        QVERIFY(!f.window->moveDown());
        QCOMPARE(f.window->engine(), EngineState{});
    }

    void startUpLoadsTheBoardOnTheCommandLine() {
        TempDir boards;
        const std::string path = boards.file("my puzzle.sudoku");
        QVERIFY(writeBoardFile(path, boardOf(kPuzzle)));
        for (const std::string& argument : {path, '"' + path + '"'}) {
            WindowFixture f(argument);
            QCOMPARE(f.grid(), qs(kPuzzle));
            QCOMPARE(f.message(), QString());
            QVERIFY(!f.flashingAfterLoad);
        }
    }

    void startUpWithAMissingBoardShowsTheErrorWithTheWindowUp() {
        WindowFixture f("/nonexistent/board.sudoku");
        QCOMPARE(f.message(), qs(kErrorLoadingBoard));
        QVERIFY(f.flashingAfterLoad);
        QCOMPARE(f.grid(), QString(81, '.'));
        QVERIFY(f.window->isVisible());
    }

    void stepSolveContinuesOneSearch() {
        WindowFixture f;
        f.setGrid(kHardPuzzle);
        f.window->Command1_Click();
        QCOMPARE(f.window->engine().guessDepth, 1);
        QVERIFY(fs::exists(f.backupDirectory() + "/backup0.bak"));
        f.window->Command1_Click();
        QVERIFY2(f.window->engine().guessDepth >= 1, "the depth is not reset between presses");
        QVERIFY(f.grid() != qs(kHardPuzzle));
    }

    void solveFillsTheGridOnceAndCleansUp() {
        WindowFixture f;
        f.setGrid(kHardPuzzle);
        f.window->Command5_Click();
        QCOMPARE(f.message(), qs(kBoardSolved));
        QVERIFY(gridSolves(f, kHardPuzzle));
        QVERIFY(fs::is_empty(f.dir.path()));
        QVERIFY(fs::is_empty(f.backupDirectory()));
    }

    void solveOnAFullValidGridSaysSolved() {
        WindowFixture f;
        f.setGrid(kSolution);
        f.window->Command5_Click();
        QCOMPARE(f.message(), qs(kBoardSolved));
        QCOMPARE(f.grid(), qs(kSolution));
    }

    void solveStopsAtTheFirstGuessWhenBackupsCannotBeWritten() {
        WindowFixture f;
        fs::remove(f.temp.path()); // nowhere to make the backup folder
        f.setGrid(kHardPuzzle);
        f.window->Command5_Click();
        QCOMPARE(f.message(), qs(kErrorSavingBoard));
        QCOMPARE(f.window->engine().guessDepth, 0);
        // Only singles were filled; every given is still there.
        for (int i = 0; i < 81; ++i) {
            if (kHardPuzzle[i] != '.')
                QCOMPARE(f.window->cell(i)->text(), QString(QChar(kHardPuzzle[i])));
        }
    }

    void probabilityCheckChangesNothingVisible() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.window->showMessage(QStringLiteral("before"), false);
        f.window->Command6_Click();
        QCOMPARE(f.grid(), qs(kPuzzle));
        QCOMPARE(f.message(), QStringLiteral("before"));
        // Cell (0, 2) of the puzzle can hold 1, 2 or 4.
        QTest::mouseClick(f.window->cell(2), Qt::LeftButton);
        QCOMPARE(f.message(), QStringLiteral("Probable: , 1, 2, 4"));
    }

    void clearEmptiesGridAndMessageWithoutMovingFocus() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.window->Command6_Click();
        f.window->cell(7)->setFocus();
        f.window->showMessage(QStringLiteral("Board Solved"), true);
        f.window->ClearButton_Click();
        QCOMPARE(f.grid(), QString(81, '.'));
        QCOMPARE(f.message(), QString());
        QCOMPARE(f.focused(), f.window->cell(7));
        QCOMPARE(f.window->engine(), EngineState{});
    }

    void saveAndLoadNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "board1"
                               << "board1.sudoku";
        QTest::newRow("with extension") << "board1.txt"
                                        << "board1.txt";
        QTest::newRow("dotted") << "my.board"
                                << "my.board";
        QTest::newRow("trailing space") << "board1 "
                                        << "board1 .sudoku";
    }
    void saveAndLoadNames() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        WindowFixture f;
        f.setGrid(kPuzzle); // typed since the last command: Save copies the grid first
        f.platform.answers = {name};
        f.window->Command3_Click();
        QCOMPARE(f.platform.inputs.back().title, QStringLiteral("Save"));
        QCOMPARE(f.platform.inputs.back().text,
                 QStringLiteral("Enter the board name. Example: board1"));
        QCOMPARE(readText(f.file(file.toStdString())).size(), size_t(243));

        f.window->ClearButton_Click();
        f.window->showMessage(QStringLiteral("Board Solved"), false);
        f.platform.answers = {name};
        f.window->Command4_Click();
        QCOMPARE(f.platform.inputs.back().title, QStringLiteral("Load"));
        QCOMPARE(f.grid(), qs(kPuzzle));
        QCOMPARE(f.message(), QString());
    }

    void cancellingChangesNothing() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.window->showMessage(QStringLiteral("keep"), false);
        f.window->Command3_Click();
        f.window->Command4_Click();
        QCOMPARE(f.grid(), qs(kPuzzle));
        QCOMPARE(f.message(), QStringLiteral("keep"));
        QVERIFY(fs::is_empty(f.dir.path()));
    }

    void loadingAMissingNameEmptiesTheGridWithAnError() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.platform.answers = {QStringLiteral("nothing")};
        f.window->Command4_Click();
        QCOMPARE(f.grid(), QString(81, '.'));
        QCOMPARE(f.message(), qs(kErrorLoadingBoard));
        QVERIFY(f.window->flasher().isActive());
    }

    void loadingFortyItemsFillsFortyCells() {
        WindowFixture f;
        std::string text;
        for (int i = 0; i < 40; ++i)
            text += std::string(1, kSolution[i]) + "\r\n";
        writeText(f.file("short.sudoku"), text);
        f.platform.answers = {QStringLiteral("short")};
        f.window->Command4_Click();
        QCOMPARE(f.grid(), qs(kSolution.substr(0, 40)) + QString(41, '.'));
        QCOMPARE(f.message(), qs(kErrorLoadingBoard));
    }

    void savingWhereItCannotBeWrittenReportsAndChangesNothing() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.platform.answers = {QStringLiteral("sub/dir/board")};
        f.window->Command3_Click();
        QCOMPARE(f.message(), qs(kErrorSavingBoard));
        QCOMPARE(f.grid(), qs(kPuzzle));
    }

    void closingRemovesItsBackupsOnlyAndSaysGoodbye() {
        WindowFixture f;
        for (const char* name : {"backup0.bak", "backup17.bak", "keep.sudoku"})
            writeText(f.file(name), "x");
        f.setGrid(kHardPuzzle);
        f.window->Command1_Click();
        const std::string backups = f.backupDirectory();
        QVERIFY(fs::exists(backups + "/backup0.bak"));
        f.window->close();
        QVERIFY(!fs::exists(backups));
        for (const char* name : {"backup0.bak", "backup17.bak", "keep.sudoku"})
            QVERIFY(fs::exists(f.file(name)));
        QCOMPARE(f.platform.messages.size(), size_t(1));
        QCOMPARE(f.platform.messages[0].title, QStringLiteral("Thank you for using Cellwright"));
        const QStringList lines = f.platform.messages[0].text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Cellwright by:"));
        QCOMPARE(lines[1], QStringLiteral("The Cellwright developers"));
        QVERIFY(lines[2].contains('@'));
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::Form1Commands)
#include "form1_commands_test.moc"
