#include "WindowRig.h"
#include "ui/calc/CalcWindow.h"
#include "ui/widgets/LabelButton.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QTest>

namespace {
QWidget* focused() {
    return QApplication::focusWidget();
}
const QStringList kList{"[10] PAN BLANCO $12.50 #7501000111", "[24] LECHE ENTERA 1 L $28.90",
                        "[2] LÁMPARA DE ESCRITORIO $1,250.00 #750", "[5] VASO $10.00"};
QStringList shown(QListView* list) {
    QStringList out;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        out << list->model()->index(r, 0).data().toString();
    return out;
}
} // namespace

class ItemSearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingNarrowsTheListAndEnterAdds() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", kList);
        rig.open();
        auto* items = rig.find<QListView>("lstItem1");
        QTest::keyClick(focused(), 'b'); // the search opens
        auto* finder = rig.find<QLineEdit>("txtFinder");
        QCOMPARE(focused(), finder);
        QTest::keyClicks(finder, "lamp");
        QCOMPARE(shown(items), QStringList{"LÁMPARA DE ESCRITORIO $1,250.00 #750"});
        QCOMPARE(rig.find<QLineEdit>("txtDato2")->text(), QString("LÁMPARA DE ESCRITORIO"));
        QCOMPARE(rig.find<QLineEdit>("txtDato4")->text(), QString("1,250.00"));
        QTest::keyClick(finder, Qt::Key_Return);
        QCOMPARE(rig.counter().notes().at(1).lines,
                 QStringList{"1 x LÁMPARA DE ESCRITORIO de $1,250.00 = $1,250.00"});
        QCOMPARE(finder->text(), QString());
        QCOMPARE(shown(items).size(), 4);
        QCOMPARE(items->currentIndex().row(), 0);
        QCOMPARE(rig.find<QLineEdit>("txtDato2")->text(), QString("PAN BLANCO"));
    }

    // What the search finds is the item list's own rule; here, what the window does when it finds nothing.
    void aSearchWithoutHitsAddsNothing() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", kList);
        rig.open();
        rig.counter().search().lblFinder_Click();
        QTest::keyClicks(rig.find<QLineEdit>("txtFinder"), "zzz");
        QCOMPARE(shown(rig.find<QListView>("lstItem1")), QStringList{"No hay coincidencias."});
        QCOMPARE(rig.find<QLineEdit>("txtDato2")->text(), QString("(Ninguno)"));
        QTest::keyClick(rig.find<QLineEdit>("txtFinder"), Qt::Key_Return); // nothing happens
        QVERIFY(rig.counter().notes().at(1).lines.isEmpty());
    }

    void lookupModeShowsInsteadOfAdding() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", kList);
        rig.open();
        rig.counter().mnuSeeStock_Click();
        QTest::mouseClick(rig.find<LabelButton>("lblButton0"), Qt::RightButton);
        QVERIFY(rig.counter().search().lookupMode());
        rig.counter().search().lblFinder_Click();
        auto* finder = rig.find<QLineEdit>("txtFinder");
        QTest::keyClicks(finder, "vaso");
        QTest::keyClick(finder, Qt::Key_Return);
        QTest::keyClicks(finder, "x");
        QTest::keyClick(finder, Qt::Key_Return);
        QCOMPARE(rig.dialogs.messages(), (QStringList{"Artículo:\r\n[VASO $10.00]",
                                                      "No hay coincidencias, intente con otra búsqueda."}));
        QVERIFY(rig.counter().notes().at(1).lines.isEmpty());
        QTest::keyClick(finder, Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(!rig.counter().search().lookupMode());
    }

    void aCashSaleLowersTheStockInTheFile() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", kList);
        rig.open();
        Counter& c = rig.counter();
        auto* items = rig.find<QListView>("lstItem1");
        WindowRig::clickRow(items, 3); // VASO
        WindowRig::focus(items);
        QTest::keyClick(items, '3');
        QCOMPARE(rig.find<QLineEdit>("txtDato1")->text(), QString("3"));
        QTest::keyClick(items, Qt::Key_Return);
        QCOMPARE(c.notes().at(1).lines, QStringList{"3 x VASO de $10.00 = $30.00"});
        QTest::keyClick(items, Qt::Key_F12);
        QTest::keyClicks(focused(), "30");
        rig.dialogs.answer(false);
        QTest::keyClick(focused(), Qt::Key_Return);
        QStringList expected = kList;
        expected[3] = "[2] VASO $10.00";
        QCOMPARE(rig.shop.lines("VL Lista.txt"), expected);
        rig.counter().mnuSeeStock_Click();
        QCOMPARE(shown(items).at(3), QString("[2] VASO $10.00"));
    }

    void doubleClickOnALineWithoutPriceExplains() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[1] NOTA SIN PRECIO"});
        rig.open();
        auto* items = rig.find<QListView>("lstItem1");
        const QRect r = items->visualRect(items->model()->index(0, 0));
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(items->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(
            rig.dialogs.messages(),
            QStringList{"Elemento no permitido, use el formato:\r\n\"[cantidad] ARTÍCULO $precio\" o \r\n"
                        "\"[cantidad] ARTÍCULO $precio #código de barras\""});
    }

    void calculatorOpensOnce() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", kList);
        rig.open();
        QTest::keyClick(focused(), Qt::Key_F3);
        CalcWindow* first = rig.window->calculator();
        QVERIFY(first && first->isVisible());
        first->close();
        QTest::mouseClick(rig.find<LabelButton>("lblCalc"), Qt::LeftButton);
        QCOMPARE(rig.window->calculator(), first);
        QVERIFY(first->isVisible());
    }
};

QTEST_MAIN(ItemSearchTest)
#include "item_search_test.moc"
