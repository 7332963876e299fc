#include "WindowRig.h"
#include "ui/widgets/LabelButton.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

void typeItem(WindowRig& rig, const QString& description, const QString& price) {
    auto* d = rig.find<QLineEdit>("txtDato2");
    auto* p = rig.find<QLineEdit>("txtDato4");
    WindowRig::focus(d);
    QTest::keyClicks(d, description);
    WindowRig::focus(p);
    QTest::keyClicks(p, price);
    QTest::mouseClick(rig.find<LabelButton>("lblButton0"), Qt::LeftButton);
}

void press(WindowRig& rig, int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : rig.window.get();
    QTest::keyClick(to, Qt::Key(key), modifiers);
}

} // namespace

class RegisterDayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A day at the counter: the morning float, a withdrawal, a sale paid by card, the totals, and the
    // cut, all through the keys and the menus.
    void aDayBookedThroughKeysAndMenus() {
        WindowRig rig;
        rig.open();
        Counter& c = rig.counter();
        auto* record = rig.find<QListView>("lstNote0");
        QSignalSpy resets(record->model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserts(record->model(), &QAbstractItemModel::rowsInserted);

        rig.window->findChild<QAction*>("mnuTicket")->trigger(); // tickets and notices, no question
        rig.dialogs.type("500").type("fondo");
        press(rig, Qt::Key_F5);
        rig.dialogs.type("1,20").type("banco"); // the comma is dropped: 120
        press(rig, Qt::Key_F6);
        QCOMPARE(record->model()->rowCount(), 2);

        typeItem(rig, "RADIO", "86");
        press(rig, Qt::Key_F12, Qt::ControlModifier);
        QCOMPARE(record->model()->rowCount(), 4);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(inserts.count(), 3);
        QCOMPARE(rig.find<QListView>("lstNote1")->model()->rowCount(), 0);

        rig.dialogs.type("10");
        press(rig, Qt::Key_F5, Qt::ControlModifier); // a simple card entry

        QTest::mouseClick(rig.find<LabelButton>("lblTask0"), Qt::LeftButton);
        rig.dialogs.clear();
        for (const char* entry : {"mnuCut", "mnuCount", "mnuSumCard", "mnuNumbCard"})
            rig.window->findChild<QAction*>(entry)->trigger();
        QCOMPARE(rig.dialogs.messages(),
                 (QStringList{"SUMA TOTAL [$380.00]", "NO HAY VENTAS.", "INGRESOS CON TARJETA [$96.00]",
                              "NÚMERO DE INGRESOS CON TARJETA [2]"}));

        const QStringList day{
            "-----(14:35)-------> [INGRESO $500.00] fondo",
            "-----(14:35)-------> [RETIRO $120.00] banco",
            c.notes().at(0).lines[2],
            "*****(14:35)**************************** [TARJETA $86.00]",
            "*****(14:35)********* [TARJETA $10.00]",
        };
        QVERIFY(day[2].contains(QStringLiteral("RADIO")));
        QCOMPARE(c.notes().at(0).lines, day);
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026.txt"), day);
        // The notices of the float, the withdrawal and the card entry.
        const auto notices =
            std::count_if(rig.printer.jobs.cbegin(), rig.printer.jobs.cend(),
                          [](const PrintDocument& job) { return job.kind() == PrintDocument::Kind::Notice; });
        QCOMPARE(notices, 3);

        QMenu* cutZ = rig.window->findChild<QMenu*>("mnuCutZ");
        QVERIFY(cutZ->menuAction()->isEnabled());
        rig.dialogs.answer(true);
        rig.window->findChild<QAction*>("mnuPrintCut")->trigger();
        QCOMPARE(rig.shop.lines("VENTAS #05-12-2026 (1).txt"), day);
        QVERIFY(!rig.shop.exists("VENTAS #05-12-2026.txt"));
        QCOMPARE(record->model()->rowCount(), 0);
        QCOMPARE(resets.count(), 1);
        QVERIFY(!cutZ->menuAction()->isEnabled());
        // The register report, then the day's summary headed by the split-off file.
        QCOMPARE(rig.printer.jobs[rig.printer.jobs.size() - 2].kind(), PrintDocument::Kind::Report);
        QCOMPARE(rig.printer.jobs.last().kind(), PrintDocument::Kind::ZReport);
    }
};

QTEST_MAIN(RegisterDayTest)
#include "register_day_test.moc"
