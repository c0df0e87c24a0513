#include "engine/candidates.hpp"
#include "engine/messages.hpp"
#include "support/test_boards.hpp"
#include "window_fixture.hpp"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace cellwright::test {

namespace fs = std::filesystem;

// Files and keys the window must survive: no crash, no hang, a clear error,
// and nothing but digits on the board.
class Form1Hostile : public QObject {
    Q_OBJECT

    static bool onlyDigits(const WindowFixture& f) {
        Board board = f.window->engine().board;
        for (int i = 0; i < 81; ++i) {
            if (board.digit(i) < 0 || board.digit(i) > 9)
                return false;
        }
        return f.grid().count('?') == 0;
    }
    // Step Solve until the search backs out of its first guess.
    static void stepUntilBackOut(WindowFixture& f) {
        for (int step = 0; step < 50 && f.window->engine().guessDepth > 0; ++step)
            f.window->Command1_Click();
    }

  private slots:
    void loadingAFifoIsRefusedWithoutBlocking() {
        WindowFixture f;
        QCOMPARE(::mkfifo(f.file("pipe.sudoku").c_str(), 0600), 0);
        f.platform.answers = {QStringLiteral("pipe")};
        f.window->Command4_Click();
        QCOMPARE(f.message(), qs(kErrorLoadingBoard));
        QVERIFY(f.window->flasher().isActive());
    }

    void savingWhereNothingCanBeWrittenReports_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("full device") << "/dev/full";
        QTest::newRow("read-only file system") << "/proc/board1";
        QTest::newRow("missing directory") << "/nonexistent/dir/board1";
    }
    void savingWhereNothingCanBeWrittenReports() {
        QFETCH(QString, name);
        WindowFixture f;
        f.setGrid(kPuzzle);
        f.window->showMessage(QString(), false);
        f.platform.answers = {name};
        f.window->Command3_Click();
        QCOMPARE(f.message(), qs(kErrorSavingBoard));
        QVERIFY(f.window->flasher().isActive());
        QCOMPARE(f.grid(), qs(kPuzzle));
    }

    void pastedTextLeavesADigitASpaceOrNothing() {
        WindowFixture f;
        const QStringList pastes{QStringLiteral("12"), QStringLiteral("a1"), QStringLiteral("é"),
                                 QStringLiteral("😀"),  QStringLiteral("\t"), QString(QChar(0x0663)),
                                 QStringLiteral("-"),  QStringLiteral(" 7")};
        for (const QString& paste : pastes) {
            f.window->cell(40)->setFocus();
            f.window->cell(40)->clear();
            f.window->cell(40)->insert(paste);
            const QString text = f.window->cell(40)->text();
            const bool ok = text.isEmpty() || text == QLatin1String(" ") ||
                            (text.size() == 1 && text[0] >= '0' && text[0] <= '9');
            QVERIFY2(ok, qPrintable(QStringLiteral("after pasting [%1]: [%2]").arg(paste, text)));
        }
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::Form1Hostile)
#include "form1_hostile_test.moc"
