#include "window_fixture.hpp"

#include <QImage>

namespace cellwright::test {

class Form1Layout : public QObject {
    Q_OBJECT

  private slots:
    void windowIsFixedLightGreyAndNamed() {
        WindowFixture f;
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Cellwright"));
        QCOMPARE(f.window->size(), QSize(328, 280));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.window->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(f.window->windowIcon().availableSizes().value(0), QSize(32, 32));
    }

    void cells_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("peach");
        QTest::newRow("0") << 0 << QRect(16, 16, 17, 19) << false;
        QTest::newRow("1") << 1 << QRect(40, 16, 17, 19) << false;
        QTest::newRow("3") << 3 << QRect(96, 16, 17, 19) << true;
        QTest::newRow("8") << 8 << QRect(224, 16, 17, 19) << false;
        QTest::newRow("9") << 9 << QRect(16, 40, 17, 19) << false;
        QTest::newRow("40") << 40 << QRect(120, 120, 17, 19) << false;
        QTest::newRow("29") << 29 << QRect(64, 96, 17, 19) << true;
        QTest::newRow("31") << 31 << QRect(120, 96, 17, 19) << false;
        QTest::newRow("72") << 72 << QRect(16, 224, 17, 19) << false;
        QTest::newRow("80") << 80 << QRect(224, 224, 17, 19) << false;
    }
    void cells() {
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        QFETCH(bool, peach);
        WindowFixture f;
        SdkBox* box = f.window->findChild<SdkBox*>(QStringLiteral("SDK_Box_%1").arg(index));
        QVERIFY(box != nullptr);
        QCOMPARE(box->geometry(), geometry);
        QCOMPARE(box->maxLength(), 1);
        QCOMPARE(box->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(box->palette().color(QPalette::Base) == QColor(255, 224, 192), peach);
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Solve") << "Command5"
                               << "Solve" << QRect(256, 16, 65, 25);
        QTest::newRow("Step") << "Command1"
                              << "Step Solve" << QRect(256, 48, 65, 33);
        QTest::newRow("Prob") << "Command6"
                              << "Probability Check" << QRect(256, 96, 65, 33);
        QTest::newRow("Clear") << "ClearButton"
                               << "Clear" << QRect(256, 136, 65, 25);
        QTest::newRow("Save") << "Command3"
                              << "Save" << QRect(256, 176, 65, 25);
        QTest::newRow("Load") << "Command4"
                              << "Load" << QRect(256, 216, 65, 25);
    }
    void buttons() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        WindowFixture f;
        auto* button = f.window->findChild<QPushButton*>(name);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 224, 192));
    }

    void messageLineIsBoldBlackAndClippedByTheWindow() {
        WindowFixture f;
        QLabel* label = f.window->label();
        QCOMPARE(label->objectName(), QStringLiteral("Label1"));
        QCOMPARE(label->geometry(), QRect(8, 256, 337, 25));
        QVERIFY(label->font().bold());
        QCOMPARE(f.window->labelColour(), 0);
        QVERIFY(label->geometry().right() > f.window->rect().right());
        QVERIFY(!f.window->flasher().isActive());
        QCOMPARE(f.window->flasher().interval(), 200);
    }

    void tabVisitsStepSolveCellsThenTheOtherButtons() {
        WindowFixture f;
        QWidget* w = f.button("Command1");
        QStringList order{w->objectName()};
        for (int i = 0; i < 87; ++i) {
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QStringList expected{"Command1"};
        for (int i = 0; i < 81; ++i)
            expected << QStringLiteral("SDK_Box_%1").arg(i);
        expected << "ClearButton"
                 << "Command3"
                 << "Command4"
                 << "Command5"
                 << "Command6"
                 << "Command1";
        QCOMPARE(order, expected);
    }

    void boxLinesAndCornerMarksAreDrawnDarkRed() {
        WindowFixture f;
        const QImage image = f.window->grab().toImage();
        const QColor red(192, 0, 0);
        // Line 0 at x = 88 between box columns, line 2 at y = 88 across the buttons' column.
        QCOMPARE(image.pixelColor(88, 60), red);
        QCOMPARE(image.pixelColor(300, 88), red);
        // Corner mark 8 at (240, 240), 9 px square; the grey beyond it.
        QCOMPARE(image.pixelColor(244, 244), red);
        QCOMPARE(image.pixelColor(250, 250), QColor(224, 224, 224));
    }
};

} // namespace cellwright::test

QTEST_MAIN(cellwright::test::Form1Layout)
#include "form1_layout_test.moc"
