#include "window_fixture.hpp"

namespace cellwright::test {

namespace {
constexpr int kRed = 255;
constexpr int kBlack = 0;
} // namespace

class Form1Messages : public QObject {
    Q_OBJECT

  private slots:
    void flashIsTwelveTicksRedOnOddOnes() {
        WindowFixture f;
        f.window->showMessage(QStringLiteral("Board Solved"), true);
        QVERIFY(f.window->flasher().isActive());
        f.window->flasher().stop();
        for (int tick = 1; tick <= 11; ++tick) {
            f.window->flasher_Timer();
            QCOMPARE(f.window->labelColour(), tick % 2 == 1 ? kRed : kBlack);
        }
        f.window->flasher().start();
        f.window->flasher_Timer();
        QCOMPARE(f.window->labelColour(), kBlack);
        QVERIFY(!f.window->flasher().isActive());
        QCOMPARE(f.window->flashCount(), 0);
        QCOMPARE(f.message(), QStringLiteral("Board Solved"));
    }

    void plainMessageMidFlashKeepsFlashing() {
        WindowFixture f;
        f.window->showMessage(QStringLiteral("Board Solved"), true);
        for (int tick = 0; tick < 4; ++tick)
            f.window->flasher_Timer();
        f.window->showMessage(QStringLiteral("Error loading board"), false);
        QCOMPARE(f.message(), QStringLiteral("Error loading board"));
        QVERIFY(f.window->flasher().isActive());
        for (int tick = 5; tick <= 11; ++tick) {
            f.window->flasher_Timer();
            QCOMPARE(f.window->labelColour(), tick % 2 == 1 ? kRed : kBlack);
        }
        f.window->flasher_Timer();
        QVERIFY(!f.window->flasher().isActive());
    }

    void secondFlashRequestDoesNotLengthenTheFlash() {
        WindowFixture f;
        f.window->showMessage(QStringLiteral("one"), true);
        for (int tick = 0; tick < 4; ++tick)
            f.window->flasher_Timer();
        f.window->showMessage(QStringLiteral("two"), true);
        QCOMPARE(f.window->flashCount(), 4);
        for (int tick = 5; tick <= 12; ++tick)
            f.window->flasher_Timer();
        QVERIFY(!f.window->flasher().isActive());
        QCOMPARE(f.window->labelColour(), kBlack);
    }

    void nextFlashAfterACompletedOneGivesSixRedPhasesAgain() {
        WindowFixture f;
        for (int flash = 0; flash < 2; ++flash) {
            f.window->showMessage(QStringLiteral("again"), true);
            int redPhases = 0;
            for (int tick = 1; tick <= 12; ++tick) {
                f.window->flasher_Timer();
                redPhases += f.window->labelColour() == kRed ? 1 : 0;
            }
            QCOMPARE(redPhases, 6);
            QVERIFY(!f.window->flasher().isActive());
        }
    }

    void candidateListDuringAFlashFlashesOn() {
        WindowFixture f;
        f.window->showMessage(QStringLiteral("Board Solved"), true);
        f.window->flasher_Timer();
        QTest::mouseClick(f.window->cell(40), Qt::LeftButton);
        QCOMPARE(f.message(), QStringLiteral("Probable: "));
        QVERIFY(f.window->flasher().isActive());
        f.window->flasher_Timer();
        QCOMPARE(f.window->flashCount(), 2);
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::Form1Messages)
#include "form1_messages_test.moc"
