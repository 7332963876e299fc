#include "WindowRig.h"
#include "core/base/TextFile.h"
#include "ui/ports/QtDialogs.h"
#include "ui/printing/JobDeadline.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <cerrno>

// The faults a whole shop day found, driven through the real keys: money never booked wrong, a sale
// never lost, a keyboard never dead.
namespace {

const QString kList = QStringLiteral("VL Lista.txt");

// Types text into whatever has the focus, as the cashier's keys.
void typeKeys(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
// From the quantity field: an item rung up by its description and price, then Enter.
void ringUp(WindowRig& rig, const QString& description, const QString& price) {
    WindowRig::focus(rig.find<QLineEdit>("txtDato1"));
    press(Qt::Key_Return);
    typeKeys(description);
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    typeKeys(price);
    press(Qt::Key_Return);
}
// From the quantity field down to the cash field, the cash typed, Enter.
void pay(WindowRig& rig, const QString& cash) {
    WindowRig::focus(rig.find<QLineEdit>("txtDato1"));
    press(Qt::Key_Down);
    typeKeys(cash);
    press(Qt::Key_Return);
}
int totals(const QStringList& lines) {
    return int(lines.filter(QStringLiteral("[TOTAL ")).size());
}

// Real Qt boxes, each answered by a key a moment after it shows, so the focus goes to the box and
// comes back as it does for a cashier.
class AnsweredBoxes : public QtDialogs {
public:
    AnsweredBoxes() : QtDialogs(Language()) {}
    void message(const QString& text, Icon icon) override {
        answerSoon(Qt::Key_Return);
        QtDialogs::message(text, icon);
    }
    bool question(const QString& text) override {
        answerSoon(Qt::Key_Escape);
        return QtDialogs::question(text);
    }
    std::optional<QString> input(const QString& prompt, Echo echo) override {
        answerSoon(Qt::Key_Escape);
        return QtDialogs::input(prompt, echo);
    }

private:
    static void answerSoon(Qt::Key key) {
        QTimer::singleShot(30, qApp, [key] {
            if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, key);
        });
    }
};

// A printer that takes its time: while its job waits, the test's keys arrive as a cashier's would.
class SlowPrinter : public RecordingPrinter {
public:
    std::function<void()> duringTheJob;
    bool print(const PrintDocument& document) override {
        if (duringTheJob) QTimer::singleShot(20, qApp, duringTheJob);
        QDeadlineTimer pause(150);
        JobDeadline::waitUntil([&] { return pause.hasExpired(); }, QDeadlineTimer(2000));
        return RecordingPrinter::print(document);
    }
};

// The shop's disk is full: no register file of the shop's folder can be written.
struct FullDisk : TextFile::IoFaults {
    QString folder;
    explicit FullDisk(const QString& shop) : folder(shop) { TextFile::setIoFaults(this); }
    ~FullDisk() override { TextFile::setIoFaults(nullptr); }
    int fault(TextFile::IoStep step, const QString& path) override {
        return step == TextFile::IoStep::Write && path.startsWith(folder) &&
                       path.contains(QStringLiteral("VENTAS #"))
                   ? ENOSPC
                   : 0;
    }
};

} // namespace

class CounterTrustTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The search's only hit is a line without the currency: the fields drop the lamp of the earlier hit
    // and Enter explains how an item line is written instead of adding the lamp.
    void searchNeverAddsAnItemItDoesNotShow() {
        WindowRig rig;
        rig.shop.write(kList, {"[1] LÁMPARA DE ESCRITORIO $250.00", "TORNILLO 3 PESOS"});
        rig.open();
        WindowRig::focus(rig.find<QListView>("lstItem1"));
        typeKeys("b");
        typeKeys("tor");
        QCOMPARE(rig.find<QLineEdit>("txtDato2")->text(), QString("LÁMPARA DE ESCRITORIO"));
        typeKeys("nillo");
        QCOMPARE(rig.find<QLineEdit>("txtDato4")->text(), QString("0.00"));
        press(Qt::Key_Return);
        QVERIFY(rig.counter().notes().at(1).lines.isEmpty());
        QCOMPARE(rig.dialogs.messages().size(), 1); // the line-syntax box
        QVERIFY(rig.dialogs.messages().first().contains(QStringLiteral("$")));
    }

    // Escape at the reason books no entry and prints no notice.
    void cancelAtTheReasonBooksNothing() {
        WindowRig rig;
        rig.open();
        rig.dialogs.type("25").cancel();
        press(Qt::Key_F5);
        QCOMPARE(rig.dialogs.prompts().size(), 2);
        QVERIFY(rig.counter().notes().at(0).lines.isEmpty());
        QVERIFY(rig.printer.attempts.isEmpty());
    }

    // A sale parked on tab #2 outlives the program: killed, started again, it is there to be paid
    // and lands in the register. Closing with it open asks first.
    void sideNoteOutlivesTheProgram() {
        WindowRig rig;
        rig.shop.write(kList, {"[5] PAN $12.50"});
        rig.open();
        ringUp(rig, "PAN", "12.50");
        ringUp(rig, "LECHE", "20");
        QCOMPARE(rig.counter().notes().at(1).lines.size(), 2);
        rig.dialogs.answer(false);
        rig.window->close();
        QVERIFY(rig.window->isVisible()); // "No": the counter stays
        QCOMPARE(rig.dialogs.questionTexts(), QStringList{"Hay una venta abierta. ¿Cerrar de todos modos?"});
        rig.window.reset(); // killed: no close, no save at the end

        rig.open();
        Counter& c = rig.counter();
        QCOMPARE(c.notes().at(1).lines.size(), 2);
        QCOMPARE(c.tabs().caption(1), QString("$32.50"));
        rig.counter().lblTask_Click(1);
        pay(rig, "50");
        const QStringList day = rig.shop.lines(QStringLiteral("VENTAS #05-12-2026.txt"));
        QCOMPARE(day.size(), 3);
        QCOMPARE(totals(day), 1);
        QVERIFY(!rig.shop.exists(QStringLiteral("VL Notas.txt"))); // no side note left open
    }

    // Whatever box a command opens, from wherever the focus is, a letter key still works after it.
    void keysWorkAfterEveryBox_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("command");
        for (const char* from : {"txtFinder", "lstItem1", "lstNote1", "txtDato1", "txtDato2", "txtTotal2"})
            for (const char* command : {"mnuCountAll", "mnuButton2", "mnuAdd", "mnuCancelAll"})
                QTest::addRow("%s %s", from, command) << from << command;
    }
    void keysWorkAfterEveryBox() {
        QFETCH(QString, from);
        QFETCH(QString, command);
        TempShop shop;
        shop.write(kList, {"[5] PAN $12.50"});
        AnsweredBoxes boxes;
        FakeClock clock;
        RecordingPrinter printer;
        FakeShell shell;
        MainWindow window(shop.path(), Language(), QString(), Ports{boxes, clock, printer, shell});
        boxes.setOwner(&window);
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (from == QLatin1String("txtFinder")) {
            WindowRig::focus(window.findChild<QListView*>("lstItem1"));
            typeKeys("b"); // the search opens and takes the focus
        } else {
            WindowRig::focus(window.findChild<QWidget*>(from));
        }
        window.findChild<QAction*>(command)->trigger();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTest::qWait(20);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY2(focused && focused->isVisible() && focused->isEnabled(), "no control has the keys");
        // A letter works: it is typed into a text field, or it takes the cashier to the note.
        auto* field = qobject_cast<QLineEdit*>(focused);
        const bool typing = field && (field->objectName() == QLatin1String("txtDato2") ||
                                      field->objectName() == QLatin1String("txtFinder"));
        const QString before = typing ? field->text() : QString();
        typeKeys("n");
        if (typing)
            QCOMPARE(field->text(), before + u'n');
        else
            QTRY_VERIFY(window.findChild<QListView*>("lstNote1")->hasFocus());
    }

    // While a ticket prints, a second Enter books no second total and the next customer's item does
    // not join the sale being printed; the sale is complete before its ticket starts.
    void printWaitTakesNoInput_data() {
        QTest::addColumn<bool>("nextCustomer");
        QTest::addColumn<bool>("printed");
        QTest::newRow("second Enter") << false << true;
        QTest::newRow("next customer") << true << true;
        QTest::newRow("next customer, ticket failed") << true << false;
    }
    void printWaitTakesNoInput() {
        QFETCH(bool, nextCustomer);
        QFETCH(bool, printed);
        TempShop shop;
        shop.write(kList, {"[5] PAN $10.00"});
        ScriptedDialogs dialogs;
        FakeClock clock;
        SlowPrinter printer;
        printer.failing = !printed;
        FakeShell shell;
        MainWindow window(shop.path(), Language(), QString(), Ports{dialogs, clock, printer, shell});
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Counter& c = window.counter();
        c.settings().toggleTickets(); // tickets print without a question
        c.lblTask_Click(0);
        QStringList atTheStart;
        bool noteClearAtTheStart = false;
        printer.duringTheJob = [&] {
            atTheStart = TextFile::readLines(shop.file(QStringLiteral("VENTAS #05-12-2026.txt")))
                             .value_or(QStringList());
            noteClearAtTheStart = !c.notes().at(0).used && c.notes().saleStart() == 1;
            if (nextCustomer) {
                c.fields().set(EntryFields::Description, QStringLiteral("ZZR5B"));
                WindowRig::focus(window.findChild<QLineEdit*>("txtDato4"));
                typeKeys("7");
                press(Qt::Key_Return);
            } else {
                WindowRig::focus(window.findChild<QLineEdit*>("txtTotal2"));
                press(Qt::Key_Return);
            }
        };
        WindowRig::focus(window.findChild<QLineEdit*>("txtDato2"));
        c.fields().set(EntryFields::Description, QStringLiteral("PAN"));
        c.fields().set(EntryFields::Price, QStringLiteral("10"));
        c.ePreFactura();
        WindowRig::focus(window.findChild<QLineEdit*>("txtTotal2"));
        typeKeys("10");
        press(Qt::Key_Return);
        QTRY_VERIFY(!printer.attempts.isEmpty());
        QTest::qWait(200);
        const QStringList day = shop.lines(QStringLiteral("VENTAS #05-12-2026.txt"));
        QCOMPARE(totals(atTheStart), 1); // on disk before its ticket
        QVERIFY(noteClearAtTheStart);
        QCOMPARE(day, c.notes().at(0).lines);
        QCOMPARE(totals(day), 1);
        QVERIFY(!day.join(u'|').contains(QStringLiteral("ZZR5B")));
        QVERIFY(!day.join(u'|').contains(QStringLiteral("CANCELADO")));
    }

    // A register that cannot be saved is not lost at close: refused a retry, the day goes to a
    // rescue copy in the documents folder, and the box says where.
    void closingKeepsAnUnsavedDay() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        {
            WindowRig rig;
            rig.open();
            rig.counter().lblTask_Click(0);
            FullDisk disk(rig.shop.path());
            ringUp(rig, "PAN", "10");
            pay(rig, "10");
            QCOMPARE(rig.dialogs.messages(),
                     QStringList{"No se pudo guardar el registro del día, intente más tarde."});
            rig.dialogs.answer(false); // no retry
            rig.window->close();
            QVERIFY(rig.window->dayKept());
            const QString rescue = home.path() + QStringLiteral("/Documents/Vendel VENTAS #05-12-2026.txt");
            QCOMPARE(rig.dialogs.messages().last(),
                     QStringLiteral("El registro del día se guardó en ") + rescue);
            QCOMPARE(totals(TextFile::readLines(rescue).value_or(QStringList())), 1);
        }
        qputenv("HOME", oldHome);
    }
};

QTEST_MAIN(CounterTrustTest)
#include "counter_trust_test.moc"
