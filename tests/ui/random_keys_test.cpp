#include "WindowRig.h"

#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

// Thousands of keys a cashier could press, anywhere on the counter: nothing crashes, the amounts
// always read as amounts, and every line of the register stays a line of the day.
class RandomKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countersSurviveRandomKeys() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50", "[2] LÁMPARA $1,250.00 #750", "SIN PRECIO"});
        rig.open();
        // Answers for whatever box comes up: alternating yes and no, and odd texts for the prompts.
        for (int i = 0; i < 4000; ++i) {
            rig.dialogs.answer(i % 2 == 0);
            rig.dialogs.type(i % 3 == 0 ? "12%" : i % 3 == 1 ? "99999999999999999999" : "x");
        }
        const QString keys = QStringLiteral("0123456789.,-+%cdpbhlnqeCDPBLN abcxyz12");
        const QList<Qt::Key> special = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Up,
                                        Qt::Key_Down,   Qt::Key_Left,      Qt::Key_Right,  Qt::Key_F4,
                                        Qt::Key_F8,     Qt::Key_F12,       Qt::Key_Tab};
        QRandomGenerator random(20261206);
        auto* total = rig.find<QLabel>("lblTotal1");
        auto* change = rig.find<QLabel>("lblTotal3");
        const QStringList words{"Insuficiente", "Sin cambio"};
        for (int i = 0; i < 3000; ++i) {
            QWidget* target = QApplication::focusWidget();
            if (!target) target = rig.window.get();
            if (random.bounded(5) == 0) {
                const Qt::Key k = special[random.bounded(int(special.size()))];
                const bool ctrl = k == Qt::Key_Tab || random.bounded(8) == 0;
                QTest::keyClick(target, k, ctrl ? Qt::ControlModifier : Qt::NoModifier);
            } else {
                QTest::keyClick(target, keys[random.bounded(int(keys.size()))].toLatin1());
            }
            for (const QString& shown : {total->text(), change->text()}) {
                QVERIFY2(!shown.contains("inf") && !shown.contains("nan"), qPrintable(shown));
                bool isNumber = false;
                QString(shown).remove(',').toDouble(&isNumber);
                QVERIFY2(isNumber || words.contains(shown), qPrintable(shown));
            }
        }
        QVERIFY(rig.dialogs.unexpected == 0);
        rig.window->close();
        for (const QString& line : rig.shop.lines("VENTAS #05-12-2026.txt"))
            QVERIFY2(!line.trimmed().isEmpty(), "a blank register line");
    }
};

QTEST_MAIN(RandomKeysTest)
#include "random_keys_test.moc"
