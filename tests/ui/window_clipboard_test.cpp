#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "support/test_boards.hpp"
#include "support/window_fixture.hpp"

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

namespace cellwright::test {

// Pasting, copying and dropping puzzles and board files.
class WindowClipboard : public QObject {
    Q_OBJECT

    // The puzzle as nine lines of nine.
    static std::string gridLines(const std::string& line) {
        std::string grid;
        for (std::size_t row = 0; row < 9; ++row)
            grid += line.substr(row * 9, 9) + "\n";
        return grid;
    }

    static void drop(WindowFixture& f, const QMimeData& mime) {
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        QDropEvent event(QPointF(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &event);
    }
    static void dropFile(WindowFixture& f, const std::string& path) {
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        drop(f, file);
    }
    static void paste(WindowFixture& f, int cell, const QString& text, const QKeySequence& keys) {
        QGuiApplication::clipboard()->setText(text);
        f.window->cell(cell)->setFocus();
        QTest::keySequence(f.window->cell(cell), keys);
    }

  private slots:
    void aPastedPuzzleFillsTheGridAsLoadDoes_data() {
        QTest::addColumn<QString>("text");
        const QString line = qs(kPuzzle);
        QString grid, drawn;
        for (int row = 0; row < 9; ++row) {
            grid += line.mid(9 * row, 9) + '\n';
            drawn +=
                QStringLiteral("| %1 | %2 | %3 |\n")
                    .arg(line.mid(9 * row, 3), line.mid(9 * row + 3, 3), line.mid(9 * row + 6, 3));
            drawn += row % 3 == 2 ? QStringLiteral("+-----+-----+-----+\n") : QString();
        }
        QTest::newRow("line") << line;
        QTest::newRow("zeros, blanks around, CR LF")
            << "  " + QString(line).replace('.', '0') + " \r\n";
        QTest::newRow("grid") << grid;
        QTest::newRow("drawn grid") << "+-----+-----+-----+\n" + drawn;
    }
    void aPastedPuzzleFillsTheGridAsLoadDoes() {
        QFETCH(QString, text);
        for (const QKeySequence& keys :
             {QKeySequence(QKeySequence::Paste), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}) {
            WindowFixture f;
            f.setGrid(kHardPuzzle);
            f.window->stepSolve(); // a search under way
            f.window->showMessage(QStringLiteral("before"), true);
            paste(f, 40, text, keys);
            QCOMPARE(f.grid(), qs(kPuzzle));
            QCOMPARE(f.message(), QString());
            QCOMPARE(f.window->engine().guessDepth, 0);
            QCOMPARE(f.focusedCell(), 40);
        }
    }

    void otherPastesLeaveADigitASpaceOrNothing() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        for (const QString& text :
             QStringList{"7", "12", "x", qs(kPuzzle).left(80), qs(kPuzzle) + "1"}) {
            paste(f, 2, text, QKeySequence::Paste);
            QVERIFY2(QRegularExpression("^[0-9 ]?$").match(f.cell(2)->text()).hasMatch(),
                     qPrintable(text));
            QCOMPARE(f.grid().mid(3), qs(kPuzzle).mid(3));
        }
    }

    void copyTakesTheWholeGrid() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.window->cell(5)->setFocus();
        QTest::keySequence(f.window->cell(5), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), qs(kPuzzle));
    }

    // A dropped file replaces the grid only when it holds exactly one puzzle,
    // as a board file or in any layout a paste takes; anything else leaves
    // the grid and says so, flashing.
    void aDroppedFileLoadsWhenItHoldsOnePuzzle() {
        const std::string line(kPuzzle), boardFile(boardFileBytes(boardOf(kPuzzle)).data(), 243);
        const std::pair<const char*, std::string> loaded[] = {
            {"board file", boardFile},
            {"board file, commas",
             QString::fromStdString(boardFile).replace("\r\n", ",").toStdString()},
            {"puzzle line", "# one puzzle\n" + line + "\t4.5\n"},
            {"grid", gridLines(line)}};
        const std::pair<const char*, std::string> refused[] = {
            {"two puzzles", line + "\n" + std::string(kHardPuzzle) + "\n"},
            {"words", QString("word ").repeated(100).toStdString()},
            {"short board file", boardFile.substr(0, 120)},
            {"no puzzle", ""}};
        for (const auto& [name, text] : loaded) {
            WindowFixture f;
            f.setGrid(kTwoDeadEnds);
            writeText(f.file(name), text);
            dropFile(f, f.file(name));
            QCOMPARE(f.grid(), qs(kPuzzle));
            QCOMPARE(f.message(), QString());
        }
        // Each drop in a window of its own, so that the message and the flash
        // can only be that drop's.
        const auto refusesDrop = [](WindowFixture& f, const std::string& path) {
            f.setGrid(kTwoDeadEnds);
            QVERIFY(!f.window->flashTimer().isActive());
            dropFile(f, path);
            QCOMPARE(f.grid(), qs(kTwoDeadEnds));
            QCOMPARE(f.message(), qs(kErrorLoadingBoard));
            QVERIFY(f.window->flashTimer().isActive());
        };
        for (const auto& [name, text] : refused) {
            WindowFixture f;
            writeText(f.file(name), text);
            refusesDrop(f, f.file(name));
        }
        WindowFixture missing, folder;
        refusesDrop(missing, missing.file("missing"));
        refusesDrop(folder, folder.dir.path());
    }

    void droppedTextPastes() {
        WindowFixture f;
        QMimeData text;
        text.setText(qs(kHardPuzzle));
        drop(f, text);
        QCOMPARE(f.grid(), qs(kHardPuzzle));
    }

    void cellsAreNamedForScreenReaders() {
        WindowFixture f;
        for (const auto& [cell, name] : {std::pair{0, "Row 1, column 1"}, {24, "Row 3, column 7"}})
            QCOMPARE(f.window->cell(cell)->accessibleName(), QString(name));
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::WindowClipboard)
#include "window_clipboard_test.moc"
