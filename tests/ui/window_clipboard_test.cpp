#include "engine/messages.hpp"
#include "files/board_file.hpp"
#include "support/test_boards.hpp"
#include "support/window_fixture.hpp"

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace cellwright::test {

// Pasting, copying and dropping puzzles and board files.
class WindowClipboard : public QObject {
    Q_OBJECT

    static void drop(WindowFixture& f, const QMimeData& mime) {
        QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        QDropEvent event(QPointF(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &event);
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
        QString zeros = line;
        zeros.replace(QChar('.'), QChar('0'));
        QString grid;
        QString drawn = QStringLiteral("+-------+-------+-------+\n");
        for (int row = 0; row < 9; ++row) {
            const QString cells = line.mid(9 * row, 9);
            grid += cells + QChar('\n');
            QString spaced;
            for (int col = 0; col < 9; ++col)
                spaced += (col % 3 == 0 ? QStringLiteral("| ") : QString()) + cells[col] + ' ';
            drawn += spaced + QStringLiteral("|\n");
            if (row % 3 == 2)
                drawn += QStringLiteral("+-------+-------+-------+\n");
        }
        QTest::newRow("line") << line;
        QTest::newRow("zeros, blanks around, CR LF") << "  " + zeros + " \r\n";
        QTest::newRow("grid") << grid;
        QTest::newRow("drawn grid") << drawn;
    }
    void aPastedPuzzleFillsTheGridAsLoadDoes() {
        QFETCH(QString, text);
        for (const QKeySequence& keys :
             {QKeySequence(QKeySequence::Paste), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}) {
            WindowFixture f;
            f.setGrid(kHardPuzzle);
            f.window->Command1_Click(); // a search under way
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
        const QString line = qs(kPuzzle);
        for (const QString& text : {QStringLiteral("7"), QStringLiteral("12"), QStringLiteral("x"),
                                    line.left(80), line + QChar('1'), QStringLiteral(" ")}) {
            f.window->cell(2)->clear();
            paste(f, 2, text, QKeySequence::Paste);
            const QString cell = f.window->cell(2)->text();
            QVERIFY2(cell.isEmpty() || cell == " " || (cell.size() == 1 && cell[0].isDigit()),
                     qPrintable(text + " -> " + cell));
            QCOMPARE(f.grid().mid(3), line.mid(3));
        }
    }

    void copyTakesTheWholeGrid() {
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.window->cell(5)->setFocus();
        QTest::keySequence(f.window->cell(5), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), qs(kPuzzle));
    }

    void aDroppedFileLoadsAndDroppedTextPastes() {
        WindowFixture f;
        const std::string board = f.file("my board.sudoku");
        QVERIFY(writeBoardFile(board, boardOf(kPuzzle)));
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(QString::fromStdString(board))});
        drop(f, file);
        QCOMPARE(f.grid(), qs(kPuzzle));
        QCOMPARE(f.message(), QString());

        QMimeData missing;
        missing.setUrls({QUrl::fromLocalFile(QString::fromStdString(f.file("none.sudoku")))});
        drop(f, missing);
        QCOMPARE(f.grid(), QString(81, '.'));
        QCOMPARE(f.message(), qs(kErrorLoadingBoard));
        QVERIFY(f.window->flasher().isActive());

        QMimeData text;
        text.setText(qs(kHardPuzzle));
        drop(f, text);
        QCOMPARE(f.grid(), qs(kHardPuzzle));
        text.setText(QStringLiteral("no puzzle"));
        drop(f, text);
        QCOMPARE(f.grid(), qs(kHardPuzzle));
    }

    void cellsAreNamedForScreenReaders() {
        WindowFixture f;
        QCOMPARE(f.window->cell(0)->accessibleName(), QStringLiteral("Row 1, column 1"));
        QCOMPARE(f.window->cell(9 * 2 + 6)->accessibleName(), QStringLiteral("Row 3, column 7"));
        QCOMPARE(f.window->cell(80)->accessibleName(), QStringLiteral("Row 9, column 9"));
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::WindowClipboard)
#include "window_clipboard_test.moc"
