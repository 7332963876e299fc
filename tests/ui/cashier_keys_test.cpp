#include "WindowRig.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>

// The keys a cashier reaches for: moving through a note and cancelling the highlighted line, the
// context-menu key, and a barcode scanner typing into any control of the counter.
namespace {
QWidget* focused() {
    return QApplication::focusWidget();
}
QString focusedName() {
    return focused() ? focused()->objectName() : QString("(none)");
}
Qt::Key keyOf(QChar ch) {
    if (ch.isDigit()) return Qt::Key(Qt::Key_0 + (ch.unicode() - u'0'));
    if (ch.isLetter()) return Qt::Key(Qt::Key_A + (ch.toUpper().unicode() - u'A'));
    return ch == u'-' ? Qt::Key_Minus : Qt::Key_unknown;
}
// One press and release at the time given, as the platform times them, into the focused control.
void timedKey(Qt::Key key, const QString& text, quint64 ms) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        event.setTimestamp(ms);
        QApplication::sendEvent(focused(), &event);
    }
}
// The characters gapMs apart, then Enter.
void typeTimed(const QString& text, int gapMs) {
    quint64 ms = 100000;
    for (const QChar ch : text)
        timedKey(keyOf(ch), QString(ch), ms += quint64(gapMs));
    timedKey(Qt::Key_Return, QStringLiteral("\r"), ms += quint64(gapMs));
}
void add(Counter& c, const QString& quantity, const QString& description, const QString& price) {
    c.fields().set(EntryFields::Quantity, quantity);
    c.fields().set(EntryFields::Description, description);
    c.fields().set(EntryFields::Price, price);
    c.ePreFactura();
}
QMenu* shownMenu() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible()) return menu;
    return nullptr;
}
void closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}
} // namespace

class CashierKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeMenus(); }

    // Delete cancels the line the cashier moved to, however the highlight got there.
    void deleteCancelsTheHighlightedLine_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<int>("cancelled");
        QTest::newRow("Up") << "Up" << 1;
        QTest::newRow("Up twice") << "Up Up" << 0;
        QTest::newRow("Home") << "Home" << 0;
        QTest::newRow("Home, then End") << "Home End" << 2;
        QTest::newRow("Home, then Down") << "Home Down" << 1;
        QTest::newRow("PageUp") << "PageUp" << 0;
        QTest::newRow("Home, then PageDown") << "Home PageDown" << 2;
        QTest::newRow("typing the line's first character") << "7" << 1;
        QTest::newRow("no move: the last line") << "" << 2;
    }
    void deleteCancelsTheHighlightedLine() {
        QFETCH(QString, moves);
        QFETCH(int, cancelled);
        WindowRig rig;
        rig.open();
        Counter& c = rig.counter();
        add(c, "1", "PAN", "10");
        add(c, "7", "LECHE", "2");
        add(c, "1", "QUESO", "5");
        const int n = c.notes().current();
        QStringList lines = c.notes().at(n).lines;
        QCOMPARE(lines.size(), 3);
        auto* list = rig.find<QListView>(QStringLiteral("lstNote%1").arg(n));
        WindowRig::focus(list);
        static const QHash<QString, Qt::Key> kKeys{
            {"Up", Qt::Key_Up},   {"Down", Qt::Key_Down},     {"Home", Qt::Key_Home},
            {"End", Qt::Key_End}, {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown}};
        for (const QString& move : moves.split(' ', Qt::SkipEmptyParts)) {
            if (kKeys.contains(move))
                QTest::keyClick(list, kKeys.value(move));
            else
                QTest::keyClick(list, move.at(0).toLatin1());
        }
        QCOMPARE(list->currentIndex().row(), cancelled);
        QTest::keyClick(list, Qt::Key_Delete);
        lines.removeAt(cancelled);
        QCOMPARE(c.notes().at(n).lines, lines);
    }

    // The menu key and Shift+F10 open the control's pop-up menu where the control is, not where the
    // mouse pointer happens to be.
    void menuKeyOpensTheMenuAtTheControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("shiftF10");
        QTest::addColumn<QString>("menu");
        QTest::newRow("cash field, menu key") << "txtTotal2" << false << "mnuOpc";
        QTest::newRow("cash field, Shift+F10") << "txtTotal2" << true << "mnuOpc";
        QTest::newRow("note, menu key") << "lstNote1" << false << "mnuGral";
        QTest::newRow("item list, Shift+F10") << "lstItem1" << true << "mnuList";
    }
    void menuKeyOpensTheMenuAtTheControl() {
        QFETCH(QString, control);
        QFETCH(bool, shiftF10);
        QFETCH(QString, menu);
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $100.00", "[5] LECHE $20.00"});
        rig.open();
        add(rig.counter(), "1", "PAN", "100");
        QCursor::setPos(rig.window->mapToGlobal(QPoint(2, 2))); // far from every control
        auto* widget = rig.find<QWidget>(control);
        WindowRig::focus(widget);
        if (shiftF10)
            QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        else
            QTest::keyClick(widget, Qt::Key_Menu);
        QTRY_VERIFY(shownMenu());
        QMenu* shown = shownMenu();
        QCOMPARE(shown->objectName(), menu);
        QRect at(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            QVERIFY(view->currentIndex().isValid());
            const QRect line = view->visualRect(view->currentIndex());
            at = QRect(view->viewport()->mapToGlobal(line.topLeft()), line.size());
        }
        // The menu's corner touches the control's bottom-left corner, or its top-left one when the
        // screen has no room below.
        const QRect menuAt = shown->geometry();
        QVERIFY2(qAbs(menuAt.left() - at.left()) <= 2 &&
                     (qAbs(menuAt.top() - at.bottom()) <= 3 || qAbs(menuAt.bottom() - at.top()) <= 3),
                 qPrintable(QString("menu at %1,%2-%3, control at %4,%5-%6")
                                .arg(menuAt.left())
                                .arg(menuAt.top())
                                .arg(menuAt.bottom())
                                .arg(at.left())
                                .arg(at.top())
                                .arg(at.bottom())));
    }

    // "Importe" by keys alone: the menu key, then arrows and Enter choose a discount.
    void discountChosenByKeys_data() {
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("total");
        QTest::newRow("5%") << 0 << "     -5% de descuento"
                            << "95.00";
        QTest::newRow("10%") << 1 << "     -10% de descuento"
                             << "90.00";
        QTest::newRow("15%") << 2 << "     -15% de descuento"
                             << "85.00";
    }
    void discountChosenByKeys() {
        QFETCH(int, downs);
        QFETCH(QString, line);
        QFETCH(QString, total);
        WindowRig rig;
        rig.open();
        Counter& c = rig.counter();
        add(c, "1", "PAN", "100");
        auto* cash = rig.find<QLineEdit>("txtTotal2");
        WindowRig::focus(cash);
        QTest::keyClick(cash, Qt::Key_Menu);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down); // "Hacer descuento"
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(QApplication::activePopupWidget()->objectName(), QString("mnuGroup"));
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QTRY_COMPARE(c.notes().at(c.notes().current()).lines.last(), line);
        QCOMPARE(c.amounts().totalText(), total);
    }

    // The menu key in the entry fields does nothing, also not Qt's own edit menu that the platform
    // would open for it; a right click keeps that menu.
    void noEditMenuFromTheMenuKey_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<bool>("menu");
        for (const char* field : {"txtDato1", "txtDato2", "txtDato3", "txtDato4"})
            QTest::newRow(field) << field << false << false;
        QTest::newRow("cash field, total 0") << "txtTotal2" << false << false;
        QTest::newRow("right click on the description") << "txtDato2" << true << true;
    }
    void noEditMenuFromTheMenuKey() {
        QFETCH(QString, field);
        QFETCH(bool, mouse);
        QFETCH(bool, menu);
        WindowRig rig;
        rig.open();
        auto* edit = rig.find<QLineEdit>(field);
        WindowRig::focus(edit);
        const QPoint centre = edit->rect().center();
        if (!mouse) QTest::keyClick(edit, Qt::Key_Menu);
        // What the platform sends after the menu key (or a right click): a context menu event.
        QContextMenuEvent event(mouse ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard, centre,
                                edit->mapToGlobal(centre));
        QApplication::sendEvent(edit, &event);
        QApplication::processEvents();
        QCOMPARE(shownMenu() != nullptr, menu);
        QCOMPARE(rig.counter().notes().at(rig.counter().notes().current()).lines, QStringList{});
    }

    // A scanner in the item list, the quantity field or the search field: a known barcode rings up its
    // item with the quantity in force, an unknown one beeps; the scan's characters leave no trace.
    // The same characters typed by hand do what they always did.
    void barcodeScanner_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("focus");
        const int scanner = 8;
        const int hands = 120;
        const QString leche = "7501055300013";
        const QString unknown = "7501234567890";
        QTest::newRow("list, scan") << "list" << leche << scanner
                                    << QStringList{"3 x LECHE de $20.00 = $60.00"} << 0 << "1"
                                    << "lstItem1";
        QTest::newRow("list, scan of letters that move the focus")
            << "list"
            << "CB-4417" << scanner << QStringList{"3 x TE de $3.00 = $9.00"} << 0 << "1"
            << "lstItem1";
        QTest::newRow("list, unknown") << "list" << unknown << scanner << QStringList{} << 1 << "3"
                                       << "lstItem1";
        QTest::newRow("list, by hand")
            << "list" << leche << hands << QStringList{"3 x PAN BLANCO de $12.50 = $37.50"} << 0 << "1"
            << "lstItem1";
        QTest::newRow("quantity, scan")
            << "quantity" << leche << scanner << QStringList{"2 x LECHE de $20.00 = $40.00"} << 0 << "1"
            << "txtDato1";
        QTest::newRow("quantity, unknown") << "quantity" << unknown << scanner << QStringList{} << 1 << "2"
                                           << "txtDato1";
        QTest::newRow("quantity, by hand")
            << "quantity" << leche << hands << QStringList{} << 0 << "2" + leche << "txtDato2";
        QTest::newRow("search, scan")
            << "search" << leche << scanner << QStringList{"1 x LECHE de $20.00 = $20.00"} << 0 << "1"
            << "txtFinder";
        QTest::newRow("search, unknown") << "search" << unknown << scanner << QStringList{} << 1 << "1"
                                         << "txtFinder";
        QTest::newRow("search, by hand")
            << "search" << leche << hands << QStringList{"1 x LECHE de $20.00 = $20.00"} << 0 << "1"
            << "txtFinder";
    }
    void barcodeScanner() {
        QFETCH(QString, place);
        QFETCH(QString, code);
        QFETCH(int, gapMs);
        QFETCH(QStringList, lines);
        QFETCH(int, beeps);
        QFETCH(QString, quantity);
        QFETCH(QString, focus);
        WindowRig rig;
        rig.shop.write("VL Lista.txt",
                       {"[10] PAN BLANCO $12.50 #7501000000017", "[5] LECHE $20.00 #7501055300013",
                        "[2] QUESO $75.01 #750105530001", "[4] TE $3.00 #CB-4417"});
        rig.open();
        Counter& c = rig.counter();
        if (place == "list") {
            WindowRig::focus(rig.find<QListView>("lstItem1"));
            QTest::keyClick(focused(), '3'); // the quantity, by hand
        } else if (place == "quantity") {
            WindowRig::focus(rig.find<QLineEdit>("txtDato1"));
            QTest::keyClick(focused(), '2');
        } else {
            c.search().lblFinder_Click();
            QApplication::processEvents();
        }
        QTRY_VERIFY(focused());
        const QStringList fields{c.fields().field(0), c.fields().field(1), c.fields().field(2),
                                 c.fields().field(3)};
        const int item = c.search().selected();
        const bool finderShown = c.search().finderVisible();
        const int n = c.notes().current();

        typeTimed(code, gapMs);
        QCOMPARE(c.notes().at(n).lines, lines);
        QCOMPARE(rig.shell.beeps, beeps);
        QCOMPARE(c.fields().field(EntryFields::Quantity), quantity);
        QCOMPARE(focusedName(), focus);
        if (gapMs <= 30) { // the scan's characters are undone
            QCOMPARE(c.search().finderText(), QString());
            QCOMPARE(c.search().finderVisible(), finderShown);
            QCOMPARE(c.search().selected(), item);
            QCOMPARE(rig.find<QLineEdit>("txtFinder")->text(), QString());
            if (lines.isEmpty())
                QCOMPARE((QStringList{c.fields().field(0), c.fields().field(1), c.fields().field(2),
                                      c.fields().field(3)}),
                         fields);
        }
    }
};

QTEST_MAIN(CashierKeysTest)
#include "cashier_keys_test.moc"
