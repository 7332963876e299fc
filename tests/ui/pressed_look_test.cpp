#include "WindowRig.h"
#include "ui/widgets/LabelButton.h"

#include <QHash>
#include <QImage>
#include <QTest>

char* toString(const Rgb& c) {
    return QTest::toString(QStringLiteral("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue));
}

namespace {
// The colour most of the widget is painted in: its background.
Rgb background(QWidget* w) {
    const QImage image = w->grab().toImage();
    QHash<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y) | 0xff000000u];
    QRgb best = 0;
    int most = -1;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return Rgb{qRed(best), qGreen(best), qBlue(best)};
}
const Rgb kFrontTab{250, 250, 250};
// A palette index, or -1 for the front tab's near-white.
Rgb colour(const ThemePalette& palette, int index) {
    return index < 0 ? kFrontTab : palette[index];
}
} // namespace

class PressedLookTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // While the mouse is held on a label button it (and what belongs to it) takes the pressed colour;
    // the release brings back the colour at rest. Released off the label, so nothing is clicked.
    void pressAndRelease_data() {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("rest");
        struct Row {
            const char *name, *pressed, *shown;
            int held, rest;
        };
        const Row rows[] = {
            {"tab", "lblTask0", "lblTask0", 1, 0},
            {"front tab", "lblTask1", "lblTask1", 1, -1},
            {"side button", "lblCalc", "lblCalc", 3, 2},
            {"total", "lblTotal1", "lblTotal1", 1, 0},
            {"total's currency", "lblTotal1", "lblMoney1", 1, 0},
            {"total's box", "lblTotal1", "lblRe0", 1, 0},
            {"change", "lblTotal3", "lblRe2", 1, 0},
            {"change title", "lblTitle2", "lblTitle2", 1, 4},
            {"add button", "lblButton0", "lblButton0", 3, 2},
            {"keypad key", "lblNumber5", "lblNumber5", 3, 2},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.pressed << r.shown << r.held << r.rest;
    }
    void pressAndRelease() {
        QFETCH(QString, pressed);
        QFETCH(QString, shown);
        QFETCH(int, held);
        QFETCH(int, rest);
        WindowRig rig;
        MainWindow& w = rig.open();
        QCOMPARE(w.counter().notes().current(), 1);
        auto* button = rig.find<LabelButton>(pressed);
        auto* look = rig.find<QWidget>(shown);
        QCOMPARE(background(look), colour(w.theme(), rest));
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(background(look), colour(w.theme(), held));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(background(look), colour(w.theme(), rest));
    }

    // The right button switches the look-up mode of the add button on; the button keeps the pressed
    // colour while the mode is on, whatever else is pressed and released meanwhile.
    void lookUpModeKeepsTheAddButtonPressed() {
        WindowRig rig;
        MainWindow& w = rig.open();
        auto* add = rig.find<LabelButton>("lblButton0");
        QTest::mouseClick(add, Qt::RightButton);
        QVERIFY(w.counter().search().lookupMode());
        QCOMPARE(background(add), w.theme()[3]);
        for (const char* other : {"lblTask0", "lblTotal1", "lblCalc", "lblTitle2"}) {
            auto* label = rig.find<LabelButton>(other);
            QTest::mousePress(label, Qt::LeftButton);
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
            QCOMPARE(background(add), w.theme()[3]);
        }
        QTest::mousePress(add, Qt::LeftButton);
        QTest::mouseRelease(add, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(!w.counter().search().lookupMode());
        QCOMPARE(background(add), w.theme()[2]);
    }
};

QTEST_MAIN(PressedLookTest)
#include "pressed_look_test.moc"
