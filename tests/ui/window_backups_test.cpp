#include "engine/solve_to_end.hpp"
#include "files/board_file.hpp"
#include "files/board_paths.hpp"
#include "support/directory_backups.hpp"
#include "support/test_boards.hpp"
#include "support/window_fixture.hpp"

#include <QTimer>

#include <filesystem>
#include <map>

namespace cellwright::test {

namespace fs = std::filesystem;

// Where each window keeps its backups and boards, and what it leaves there.
class WindowBackups : public QObject {
    Q_OBJECT

    using Files = std::map<std::string, std::string>;
    static Files filesIn(const std::string& dir) {
        Files files;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(dir, error))
            files[entry.path().filename().string()] =
                entry.is_directory() ? "(folder)" : readText(entry.path().string());
        return files;
    }
    static bool stepUntilSolved(WindowFixture& f) {
        for (int press = 0; press < 10000 && f.message() != qs(kBoardSolved); ++press)
            f.window->stepSolve();
        return f.message() == qs(kBoardSolved);
    }

  private slots:
    void stepSolveAfterAnEditStartsAFreshSearch() {
        WindowFixture f;
        f.setGrid(
            "....2..19..16..5.....7358.4.67....5.3...5........9.....89.......5....4.2.......3.");
        for (int press = 0; press < 7; ++press)
            f.window->stepSolve();
        QCOMPARE(f.message(), qs(kBoardUnsolvable));
        f.window->cell(9 * 2 + 5)->setText(QString()); // the 5 that made it unsolvable
        QVERIFY(stepUntilSolved(f));
        QVERIFY(fs::is_empty(f.backupDirectory()));
    }

    // Between two commands the folder is the truth: after a guess, a backup
    // deleted there cannot be read back, flashing an error and leaving the
    // board; one changed there comes back as changed.
    void backupsAreReadBackFromTheFolderBetweenCommands() {
        for (const bool deleted : {true, false}) {
            WindowFixture f;
            f.setGrid(kTwoDeadEnds);
            f.window->stepSolve();
            QCOMPARE(f.window->engine().guessDepth, 1);
            if (deleted)
                fs::remove(f.backup(0));
            else
                QVERIFY(writeBoardFile(f.backup(0), boardOf(kPuzzle)));
            QString before;
            for (int press = 0; press < 81 && f.window->engine().guessDepth > 0; ++press) {
                before = f.grid();
                f.window->stepSolve();
            }
            QCOMPARE(f.window->engine().guessDepth, 0);
            QCOMPARE(f.grid(), deleted ? before : qs(kPuzzle));
            QCOMPARE(f.message() == qs(kErrorLoadingBoard), deleted);
            QCOMPARE(f.window->flashTimer().isActive(), deleted);
        }
    }

    // Solve right after Step Solve gives the verdict and board of Solve on the
    // puzzle as given: the step search's guesses are not taken for givens.
    // After an edit it takes the grid as it stands.
    void solveAfterStepSolveStartsFromBeforeTheFirstGuess() {
        const std::string_view puzzle =
            "39.6.......6.......4..2.81......5....7..1..2....4......85.4..7.......3.......7.42";
        const auto solveAt = [](std::string_view grid) {
            WindowFixture fresh;
            fresh.setGrid(grid);
            fresh.window->solve();
            return std::pair(fresh.message(), fresh.grid());
        };
        const auto expected = solveAt(puzzle);
        QCOMPARE(expected.first, qs(kBoardSolved));
        for (const bool edited : {false, true}) {
            WindowFixture f;
            f.setGrid(puzzle);
            for (int press = 0; press < 30; ++press)
                f.window->stepSolve();
            QVERIFY(f.window->engine().guessDepth > 0);
            if (edited)
                f.cell(0)->clear();
            const QString grid = f.grid();
            f.window->solve();
            QCOMPARE(std::pair(f.message(), f.grid()),
                     edited ? solveAt(grid.toStdString()) : expected);
        }
    }

    // Between presses, and after a whole Solve, the backup folder holds what
    // passes writing every backup to disk leave: the same names and bytes.
    void theFolderMatchesAPassByPassRunWithRealFiles() {
        WindowFixture f;
        TempDir reference;
        DirectoryBackups host(reference.path());
        EngineState state;
        state.board = boardOf(kHardPuzzle);
        f.setGrid(kHardPuzzle);
        for (int press = 0; press < 300; ++press) {
            f.window->stepSolve();
            (void)solveBoard(state, host);
            QCOMPARE(f.grid().toStdString(), puzzleLineOf(state.board));
            QCOMPARE(f.window->engine().guessStack, state.guessStack);
            QCOMPARE(filesIn(f.backupDirectory()), filesIn(reference.path()));
        }
        std::string broken(kHardPuzzle);
        broken[80] = '5'; // unsolvable only after a search
        f.setGrid(broken);
        f.window->solve();
        QCOMPARE(f.message(), qs(kBoardUnsolvable));
        clearData(state);
        state.board = boardOf(broken);
        deleteBackupFiles(reference.path());
        (void)solveToEnd(state, host);
        QCOMPARE(filesIn(f.backupDirectory()), filesIn(reference.path()));
        QVERIFY(filesIn(reference.path()).size() > 1);
    }

    // An installed program's folder cannot be written: boards go to the
    // user's data folder, and solving needs no write beside the program. A
    // good save clears an earlier failure.
    void anUnwritableProgramFolderKeepsBoardsInTheDataFolder() {
        WindowFixture f;
        f.platform.appDir = "/proc/self";
        f.setGrid(kPuzzle);
        f.platform.answers = {"/nonexistent/b", "board1", "board1"};
        f.window->save();
        QCOMPARE(f.message(), qs(kErrorSavingBoard));
        f.window->save();
        QCOMPARE(f.message(), QString());
        f.window->clear();
        f.window->load();
        QCOMPARE(f.grid(), qs(kPuzzle));
        QVERIFY(fs::exists(f.platform.dataDir + "/board1.sudoku"));
        f.setGrid(kHardPuzzle);
        f.window->solve();
        QCOMPARE(f.message(), qs(kBoardSolved));
    }

    // A long Solve keeps the window painted: a click waits until the Solve
    // has ended, the wait cursor shows, and closing stops the search at once.
    void aLongSolveHoldsClicksAndStopsWhenClosed() {
        WindowFixture f;
        const auto clickClear = [&f] {
            QTest::mouseClick(f.window->windowHandle(), Qt::LeftButton, {},
                              f.window->findChild<QWidget*>("clearButton")->geometry().center());
        };
        f.setGrid(
            ".................1..2.34..............52..1...1.6.........7.52..6.....8.1...9....");
        QTimer::singleShot(0, f.window.get(), clickClear);
        f.window->solve();
        QCOMPARE(f.message(), qs(kBoardUnsolvable));
        QCoreApplication::processEvents();
        QCOMPARE(f.message(), QString());

        f.setGrid(
            ".................1....34..............52..1...1.6.........7.52..6.....8.1...9....");
        bool waitCursor = false;
        QTimer::singleShot(300, f.window.get(), [&] {
            waitCursor = QApplication::overrideCursor() != nullptr &&
                         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            f.window->close();
        });
        f.window->solve();
        QVERIFY(waitCursor);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.message() != qs(kBoardUnsolvable));
        QCOMPARE(f.backupDirectory(), std::string());
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::WindowBackups)
#include "window_backups_test.moc"
