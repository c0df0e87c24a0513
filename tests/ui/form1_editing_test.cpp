#include "engine/candidates.hpp"
#include "support/test_boards.hpp"
#include "window_fixture.hpp"

namespace cellwright::test {

class Form1Editing : public QObject {
    Q_OBJECT

    static void focus(WindowFixture& f, int index) {
        f.window->cell(index)->setFocus();
        QCOMPARE(f.focused(), f.window->cell(index));
    }
    static int focusedIndex(WindowFixture& f) {
        auto* box = dynamic_cast<SdkBox*>(f.focused());
        return box ? box->index() : -1;
    }

  private slots:
    void typing_data() {
        QTest::addColumn<bool>("down");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("kept");
        QTest::newRow("end of top row runs on") << false << 8 << "7" << 9 << "7";
        QTest::newRow("cell 80 stays") << false << 80 << "7" << 80 << "7";
        QTest::newRow("downward") << true << 4 << "7" << 13 << "7";
        QTest::newRow("bottom row stays") << true << 75 << "7" << 75 << "7";
        QTest::newRow("a letter vanishes") << false << 20 << "x" << 20 << "";
        QTest::newRow("space moves on even downward") << true << 20 << " " << 21 << " ";
        QTest::newRow("zero is kept and moves on") << false << 20 << "0" << 21 << "0";
    }
    void typing() {
        QFETCH(bool, down);
        QFETCH(int, from);
        QFETCH(QString, key);
        QFETCH(int, to);
        QFETCH(QString, kept);
        WindowFixture f;
        if (down)
            QTest::keyClick(f.window->cell(0), Qt::Key_Shift);
        QCOMPARE(f.window->moveDown(), down);
        focus(f, from);
        QTest::keyClicks(f.window->cell(from), key);
        QCOMPARE(f.window->cell(from)->text(), kept);
        QCOMPARE(focusedIndex(f), to);
    }

    void typedZeroAndSpaceAreEmptyToTheEngine() {
        WindowFixture f;
        focus(f, 0);
        for (const char* key : {"0", " ", "5"})
            QTest::keyClicks(f.focused(), QString::fromLatin1(key));
        Board board;
        f.window->fillArray(board);
        QCOMPARE(board.digit(0), 0);
        QCOMPARE(board.digit(1), 0);
        QCOMPARE(board.digit(2), 5);
        f.window->showArray(board);
        QCOMPARE(f.window->cell(0)->text(), QString());
    }

    void typingReplacesADigitHoweverTheCellGotFocus() {
        WindowFixture f;
        f.setGrid(std::string(81, '5'));
        QTest::mouseClick(f.window->cell(30), Qt::LeftButton, {}, QPoint(12, 9));
        QTest::keyClicks(f.window->cell(30), "3");
        QCOMPARE(f.window->cell(30)->text(), QStringLiteral("3"));
        QCOMPARE(focusedIndex(f), 31);
        QTest::keyClick(f.window->cell(31), Qt::Key_Right);
        QTest::keyClicks(f.window->cell(32), "4");
        QCOMPARE(f.window->cell(32)->text(), QStringLiteral("4"));
    }

    void everyPrintableCharacterLeavesADigitASpaceOrNothing() {
        WindowFixture f;
        for (int code = 32; code < 127; ++code) {
            focus(f, 40);
            f.window->cell(40)->clear();
            QTest::keyClicks(f.window->cell(40), QString(QChar(code)));
            const QString text = f.window->cell(40)->text();
            QVERIFY2(text.isEmpty() || text == " " || (text.size() == 1 && text[0].isDigit()),
                     qPrintable(QStringLiteral("after %1: [%2]").arg(QChar(code)).arg(text)));
        }
        focus(f, 40);
        f.window->cell(40)->clear();
        f.window->cell(40)->insert(QStringLiteral("é"));
        QCOMPARE(f.window->cell(40)->text(), QString());
    }

    void backspaceEmptiesAndMovesBack() {
        WindowFixture f;
        f.setGrid(std::string(81, '6'));
        focus(f, 10);
        QTest::keyClick(f.window->cell(10), Qt::Key_Backspace);
        QCOMPARE(f.window->cell(10)->text(), QString());
        QCOMPARE(focusedIndex(f), 9);
        QCOMPARE(f.window->cell(9)->selectedText(), QStringLiteral("6"));

        focus(f, 0);
        f.window->cell(0)->setCursorPosition(1);
        QTest::keyClick(f.window->cell(0), Qt::Key_Backspace);
        QCOMPARE(focusedIndex(f), 0);
        QCOMPARE(f.window->cell(0)->text(), QString()); // the cell's own Backspace
    }

    void arrowsStopAtTheEdges_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("left wraps to previous row") << 9 << int(Qt::Key_Left) << 8;
        QTest::newRow("right wraps to next row") << 8 << int(Qt::Key_Right) << 9;
        QTest::newRow("left at 0") << 0 << int(Qt::Key_Left) << 0;
        QTest::newRow("right at 80") << 80 << int(Qt::Key_Right) << 80;
        QTest::newRow("up in top row") << 5 << int(Qt::Key_Up) << 5;
        QTest::newRow("up") << 14 << int(Qt::Key_Up) << 5;
        QTest::newRow("down in bottom row") << 77 << int(Qt::Key_Down) << 77;
        QTest::newRow("down") << 68 << int(Qt::Key_Down) << 77;
    }
    void arrowsStopAtTheEdges() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        WindowFixture f;
        focus(f, from);
        QTest::keyClick(f.window->cell(from), Qt::Key(key));
        QCOMPARE(focusedIndex(f), to);
    }

    void shiftTwiceRestoresRightward() {
        WindowFixture f;
        focus(f, 0);
        QTest::keyClick(f.window->cell(0), Qt::Key_Shift);
        QVERIFY(f.window->moveDown());
        QTest::keyClick(f.window->cell(0), Qt::Key_Shift);
        QVERIFY(!f.window->moveDown());
    }

    void candidateListOnClickAndFocus() {
        WindowFixture f;
        Board& board = f.window->engine().board;
        board.setMarks(gridIndex(2, 2), digitBit(3) | digitBit(5) | digitBit(8));
        QTest::mouseClick(f.window->cell(20), Qt::LeftButton);
        QCOMPARE(f.message(), QStringLiteral("Probable: , 3, 5, 8"));
        f.window->showMessage(QStringLiteral("Board Solved"), false);
        focus(f, 21);
        QCOMPARE(f.message(), QStringLiteral("Probable: "));
    }

    void showArrayMovesNoFocusAndShowsNonPositiveAsEmpty() {
        WindowFixture f;
        focus(f, 3);
        Board board = boardOf(kPuzzle);
        f.window->showArray(board);
        QCOMPARE(focusedIndex(f), 3);
        QCOMPARE(f.grid(), QString::fromLatin1(kPuzzle.data(), 81));
        QVERIFY(f.window->userEditing());
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::Form1Editing)
#include "form1_editing_test.moc"
