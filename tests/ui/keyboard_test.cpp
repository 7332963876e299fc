#include "WindowRig.h"
#include "core/base/TextFile.h"
#include "core/history/ReportTables.h"
#include "ui/calc/CalcWindow.h"
#include "ui/items/ItemListView.h"
#include "ui/keyboard/Keypad.h"
#include "ui/ports/QtDialogs.h"
#include "ui/ports/QtTranslation.h"
#include "ui/printing/JobDeadline.h"
#include "ui/reports/ReportsWindow.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ShownText.h"

#include <QAbstractButton>
#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTranslator>

#include <cerrno>

namespace {

using FocusRow = std::tuple<QString, QString, QString, QString>;
using FieldRow = std::tuple<QString, QString, QString, QString>;
using TypingRow = std::tuple<QString, QString, QString, int>;
using HelpRow = std::tuple<bool, bool, QString>;
using BoxRow = std::pair<QString, QString>;
using PrintWaitRow = std::pair<bool, bool>;
using LongRow = std::tuple<QString, qsizetype, QString>;
using FitRow = std::tuple<qsizetype, int, bool>;
using MenuRow = std::pair<QString, QString>;
using ButtonsRow = std::tuple<QString, QStringList, QStringList, QStringList>;

const QString kList = QStringLiteral("VL Lista.txt");
const QString kDay = QStringLiteral("VENTAS #05-12-2026.txt");

QWidget* focused() {
    return QApplication::focusWidget();
}
// Types into whatever has the focus: "^" is Up, "_" Down, "\r" Enter and "\n" Ctrl+Enter.
void type(const QString& text) {
    for (const QChar ch : text) {
        if (ch == u'^' || ch == u'_' || ch == u'\r' || ch == u'\n')
            key(ch == u'^'   ? Qt::Key_Up
                : ch == u'_' ? Qt::Key_Down
                             : Qt::Key_Return,
                ch == u'\n' ? Qt::ControlModifier : Qt::NoModifier);
        else
            QTest::keyClicks(focused(), QString(ch));
    }
}
// From the quantity field: an item by its description and price, then Enter.
void ringUp(WindowRig& rig, const QString& description, const QString& price) {
    WindowRig::focus(rig.find<QLineEdit>("txtDato1"));
    key(Qt::Key_Return);
    QTest::keyClicks(focused(), description);
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    QTest::keyClicks(focused(), price);
    key(Qt::Key_Return);
}
void waitForRest(WindowRig& rig) {
    QTRY_VERIFY_WITH_TIMEOUT(!rig.find<QTimer>("tmrAni")->isActive(), 5000);
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
        return step == TextFile::IoStep::Write && path.startsWith(folder) && path.contains("VENTAS #")
                   ? ENOSPC
                   : 0;
    }
};

// The figures table as "label|number|amount" rows.
QStringList figures(ReportsWindow* r) {
    auto* t = r->findChild<QTableWidget*>("tblFigures");
    QStringList rows;
    for (int i = 0; i < t->rowCount(); ++i)
        rows << t->item(i, 0)->text() + u'|' + t->item(i, 1)->text() + u'|' + t->item(i, 2)->text();
    return rows;
}

// The per-day chart as "label cash card" bars.
QStringList dayBars(ReportsWindow* r) {
    QChart* chart = r->findChild<QChartView*>("chartDays")->chart();
    auto* series = qobject_cast<QStackedBarSeries*>(chart->series().value(0));
    QStringList bars = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0))->categories();
    for (int i = 0; series && i < bars.size(); ++i)
        bars[i] +=
            QStringLiteral(" %1 %2").arg(series->barSets().at(0)->at(i)).arg(series->barSets().at(1)->at(i));
    return bars;
}

QList<QStringList> readCsv(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? ReportTables::parseCsv(file.readAll()) : QList<QStringList>();
}

// An item line of the length asked, words and all, as a shop's file could hold it.
QString longLine(qsizetype length) {
    QString line = QStringLiteral("[5] ");
    while (line.size() < length - 7)
        line += QStringLiteral("PAN DULCE DE CAJA CAFÉ ");
    line.truncate(length - 7);
    return line + QStringLiteral(" $12.50");
}

// The shop's files with short texts, one of them (if any) with a line of the length asked.
void writeShop(const WindowRig& rig, const QString& file, const QString& line) {
    QStringList list{"[10] PAN $12.50"}, info{"MI TIENDA", "Calle 1"};
    QStringList day{"1 x PAN de $12.50 = $12.50",
                    "-----(09:00)------------------------------> [TOTAL $12.50]"};
    if (file == "list") list.append(line);
    if (file == "register") day.append(line);
    if (file == "shop data") info[0] = line;
    rig.shop.write("VL Lista.txt", list);
    rig.shop.write(kDay, day);
    rig.shop.write("VL Info.txt", info);
    if (file == "settings") rig.shop.write("VL Config.ini", {line, line, line});
}

void show(WindowRig& rig) {
    rig.open();
    rig.counter().lblTask_Click(0); // the record note in front, the day's lines painted
    QApplication::processEvents();
    rig.window->repaint();
}

// The window's size as opened, and as small as the cashier can make it.
QList<QSize> sizes(QMainWindow& window) {
    const QSize opened = window.size();
    window.resize(1, 1);
    QApplication::processEvents();
    window.resize(1, 1); // once more, now that the window has laid itself out at its least size
    QApplication::processEvents();
    return {opened, window.size()};
}

// Words that read the same in both languages.
const QStringList kSameInBoth = {"CALCUL.", "MANUAL", "Manual", "&Manual", "&Simple", "EDITANDO", "&$",
                                 "&€",      "&£",     "+",      "$",       "0.00",    "Vendel"};

// The mnemonic letter of a caption ("&" followed by anything but "&"), or none; more than one is a fault.
QStringList mnemonics(const QString& caption) {
    QStringList letters;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') letters << caption.mid(i + 1, 1).toUpper();
        ++i;
    }
    return letters;
}

// What a person sees of every named menu, entry and widget: its caption and its tooltip.
QMap<QString, QString> shownTexts(const QWidget& root) {
    QMap<QString, QString> texts;
    for (const QAction* a : root.findChildren<QAction*>()) {
        if (a->isSeparator() || a->objectName().isEmpty()) continue;
        texts.insert(a->objectName(), a->menu() ? a->menu()->title() : a->text());
    }
    for (const QMenu* m : root.findChildren<QMenu*>())
        if (!m->objectName().isEmpty()) texts.insert(m->objectName(), m->title());
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || qobject_cast<const QMenu*>(w)) continue;
        if (!w->toolTip().isEmpty()) texts.insert(w->objectName() + QStringLiteral(" tip"), w->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts.insert(w->objectName(),
                         QString(label->text()).remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
    }
    return texts;
}

// Within every menu (and the menu bar), each entry has one mnemonic, and no two entries share it.
QStringList mnemonicFaults(const QList<QAction*>& actions, const QString& where) {
    QStringList faults;
    QMap<QString, QString> taken;
    for (const QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QString caption = a->menu() ? a->menu()->title() : a->text();
        const QStringList letters = mnemonics(caption);
        if (letters.size() != 1) {
            faults << QStringLiteral("%1: \"%2\" has %3 mnemonics").arg(where, caption).arg(letters.size());
            continue;
        }
        if (taken.contains(letters[0]))
            faults << QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                          .arg(where, caption, taken[letters[0]], letters[0]);
        taken.insert(letters[0], caption);
        if (a->menu()) faults << mnemonicFaults(a->menu()->actions(), caption);
    }
    return faults;
}

// The buttons' texts of the box that opens next, without their shortcut marks; the box is then closed.
QStringList buttonsOfNextBox(const std::function<void()>& open) {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        for (const QAbstractButton* b : box->findChildren<QAbstractButton*>())
            if (b->isVisible()) texts << b->text().remove(u'&');
        if (auto* dialog = qobject_cast<QDialog*>(box)) dialog->reject();
    });
    open();
    texts.sort();
    return texts;
}

} // namespace

// The main window driven by a cashier's keys: the focus, a whole sale, the fields, every kind of box, the
// keypad, the tips and help, the list editor, the reports by the owner's keys, random keys, and the faults
// a shop day found (a ticket printing, a full disk). And the texts it shows: every caption in both
// languages with its own mnemonic; texts from the shop's files never size the window, and what it shows of
// them is short, while the lines stay whole in memory and on disk (the suite also runs under the
// sanitizers, which once stopped a 10 MB shop name in the painting).
class KeyboardTest : public QObject {
    Q_OBJECT

    QList<QSize> m_ordinary; // the window's sizes with the shop's short texts

private Q_SLOTS:
    void initTestCase() {
        WindowRig rig;
        writeShop(rig, QString(), QString());
        show(rig);
        m_ordinary = sizes(*rig.window);
    }

    // Letters and arrows take the cashier from field to field; "" starts where the window opens.
    void keysMoveTheFocus_data() {
        // From, typed, to, and the text left in the starting field.
        QTest::addColumn<FocusRow>("row");
        QTest::newRow("at start") << FocusRow{"", "", "lstNote1", ""};
        QTest::newRow("c in price") << FocusRow{"txtDato4", "c", "txtDato1", "0.00"};
        QTest::newRow("c in description is typed") << FocusRow{"txtDato2", "c", "txtDato2", "c"};
        QTest::newRow("% in quantity") << FocusRow{"txtDato1", "%", "txtDato3", "1"};
        QTest::newRow("p in cash") << FocusRow{"txtTotal2", "p", "txtDato4", "0.00"};
        QTest::newRow("n in quantity") << FocusRow{"txtDato1", "n", "lstNote1", "1"};
        QTest::newRow("l in quantity") << FocusRow{"txtDato1", "l", "lstItem1", "1"};
        QTest::newRow("b opens the search") << FocusRow{"txtDato1", "b", "txtFinder", "1"};
        QTest::newRow("d in the note") << FocusRow{"lstNote1", "d", "txtDato2", ""};
        QTest::newRow("Up three times") << FocusRow{"txtDato4", "^^^", "txtDato1", "0.00"};
        QTest::newRow("Down to the cash") << FocusRow{"txtDato1", "_", "txtTotal2", "1"};
    }
    void keysMoveTheFocus() {
        QFETCH(FocusRow, row);
        const auto& [from, typed, to, fromText] = row;
        WindowRig rig;
        rig.shop.write(kList, {"[10] PAN $12.50"});
        rig.open();
        if (from.isEmpty()) {
            QTRY_COMPARE(focusedName(), to);
            return;
        }
        QWidget* start = rig.find<QWidget>(from);
        WindowRig::focus(start);
        type(typed);
        QCOMPARE(focusedName(), to);
        if (auto* edit = qobject_cast<QLineEdit*>(start)) QCOMPARE(edit->text(), fromText);
    }

    // A sale in cash and one by card on the record note, by keys alone; the change follows the cash.
    void wholeSaleByKeys() {
        WindowRig rig;
        rig.shop.write(kList, {"[10] PAN $12.50", "[3] LÁMPARA $1,250.00 #750"});
        rig.shop.write("VL Config.ini", {"1", "0", "0", "", "05/12/2026", "", "", "0", "", ""});
        rig.open();
        QTRY_COMPARE(focusedName(), QString("lstNote0"));
        type("c");
        QCOMPARE(focusedName(), QString("txtDato1"));
        type("2");
        key(Qt::Key_Return);
        QCOMPARE(focusedName(), QString("txtDato2"));
        QTest::keyClicks(focused(), "PAN");
        key(Qt::Key_Return);
        QCOMPARE(focusedName(), QString("txtDato3"));
        key(Qt::Key_Return);
        QCOMPARE(focusedName(), QString("txtDato4"));
        type("12.50");
        key(Qt::Key_Return);
        rig.add("1", "VELA", "9");
        WindowRig::focus(rig.find<QListView>("lstNote0"));
        key(Qt::Key_Delete); // the line highlighted: the last one
        key(Qt::Key_F12);
        QCOMPARE(focusedName(), QString("txtTotal2"));
        auto* change = rig.find<QLabel>("lblTotal3");
        type("100");
        QCOMPARE(change->text(), QString("75.00"));
        key(Qt::Key_Backspace);
        QCOMPARE(change->text(), QString("Insuficiente"));
        type("0");
        rig.dialogs.answer(false); // no ticket
        key(Qt::Key_Return);
        // The lamp found by the search and paid by card.
        WindowRig::focus(rig.find<QLineEdit>("txtDato1"));
        type("b");
        QTest::keyClicks(focused(), "lamp");
        QCOMPARE(rig.find<QLineEdit>("txtDato4")->text(), QString("1,250.00"));
        key(Qt::Key_Return);
        QCOMPARE(rig.find<QLineEdit>("txtFinder")->text(), QString());
        key(Qt::Key_F12, Qt::ControlModifier);
        const QStringList day = rig.shop.lines(kDay);
        QCOMPARE(day.mid(0, 3), (QStringList{"2 x PAN de $12.50 = $25.00",
                                             "-----(14:35)------------------------------> [TOTAL $25.00]",
                                             "1 x LÁMPARA de $1,250.00 = $1,250.00"}));
        QVERIFY2(day.size() == 4 && day[3].endsWith("[TARJETA $1,250.00]"), qPrintable(day.join('\n')));
        QCOMPARE(rig.counter().notes().at(0).lines, day);
        QVERIFY(focused());
    }

    // The owner's way through the reports: opened by its key, a period picked by keys, the figures and
    // charts read, the tables exported and read back, a past sale's ticket printed again, the report
    // printed; and a closed sale's ticket again from the record note's menu.
    void reportsByKeys() {
        WindowRig rig;
        rig.shop.write(kList, {"[10] PAN $12.50"});
        rig.shop.write(
            "VENTAS #01-12-2026.txt",
            {"2 x PAN de $12.50 = $25.00", "-----(09:15)------------------------------> [TOTAL $25.00]",
             "1 x CAFÉ de $30.00 = $30.00", "*****(10:00)**************************** [TARJETA $30.00]"});
        rig.shop.write(
            "VENTAS #15-11-2026.txt",
            {"1 x LECHE de $18.00 = $18.00", "-----(12:00)------------------------------> [TOTAL $18.00]"});
        MainWindow& w = rig.open();
        Counter& c = rig.counter();
        // Today's sale is only in the counter's memory when the reports read it.
        c.lblTask_Click(0);
        rig.dialogs.answer(false); // no ticket
        rig.add("1", "PAN", "12.50");
        c.amounts().setCashText("20");
        c.eFinal();
        QTest::keyClick(&w, Qt::Key_I, Qt::ControlModifier);
        ReportsWindow* r = w.reports();
        QVERIFY(r);
        QVERIFY(QTest::qWaitForWindowExposed(r));
        r->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(r));
        QTRY_VERIFY(r->loaded());
        // This month by default: two days of files and the day in memory.
        QCOMPARE(figures(r).first(), "Ventas|3|$67.50");
        QCOMPARE(dayBars(r), (QStringList{"1 25 30", "2 0 0", "3 0 0", "4 0 0", "5 12.5 0"}));
        QTest::keyClick(r, Qt::Key_5, Qt::ControlModifier); // last month
        QCOMPARE(r->period(), (Period{QDate(2026, 11, 1), QDate(2026, 11, 30)}));
        QCOMPARE(figures(r).first(), "Ventas|1|$18.00");
        QTest::keyClick(r, Qt::Key_4, Qt::ControlModifier); // this month again
        // Export: the files read back.
        QTemporaryDir out;
        r->setFolderChooser([&out](const QString&, const QString&) { return out.path(); });
        QTest::keyClick(r, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(rig.dialogs.messages().last().section(u'\n', 0, 0), "Se exportaron los archivos:");
        const QString prefix = out.filePath("Informes 2026-12-01_2026-12-05 ");
        const QList<QStringList> figuresFile = readCsv(prefix + "cifras.csv");
        QCOMPARE(figuresFile.value(0),
                 (QStringList{"Carpeta", "Cifra", "Número", "Importe", "esperado", "diferencia"}));
        const QList<QStringList> salesFile = readCsv(prefix + "ventas.csv");
        QCOMPARE(salesFile.size(), 4);
        QCOMPARE(
            salesFile.value(2).mid(0, 5),
            (QStringList{"2026-12-01", "10:00", QFileInfo(rig.shop.path()).fileName(), "Tarjeta", "30"}));
        // A sale of the first of the month printed again from the day's list.
        QTest::keyClick(r, Qt::Key_V, Qt::AltModifier);
        r->findChild<QDateEdit*>("dtDay")->setDate(QDate(2026, 12, 1));
        QCOMPARE(r->findChild<QTableWidget*>("tblSales")->rowCount(), 2);
        const qint64 number = c.settings().values().ticketNumber;
        QTest::keyClick(r, Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(rig.printer.jobs.size(), 1); // a button's mnemonic clicks it a moment later
        const QStringList copy = rig.printer.jobs.last().lines();
        QCOMPARE(copy.first(), "COPIA");
        for (const char* line : {"FECHA 01/12/2026", "HORA 09:15", "2 x PAN de $12.50 ", "Importe: $25.00"})
            QVERIFY2(copy.contains(line), line);
        QVERIFY(!copy.contains("Ticket No. 001"));
        QCOMPARE(c.settings().values().ticketNumber, number);
        // The report on the printer: text, and the two charts as pictures.
        QTest::keyClick(r, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(rig.printer.jobs.size(), 2);
        const PrintDocument& report = rig.printer.jobs.last();
        QVERIFY(report.lines().contains("INFORME DE VENTAS"));
        int pictures = 0;
        for (const PrintDocument::PrintedLine& line : report.printedLines(true))
            pictures += line.picture.startsWith("\x89PNG") ? 1 : 0;
        QCOMPARE(pictures, 2);
        QTest::keyClick(r, Qt::Key_Escape);
        QTRY_VERIFY(!r->isVisible());
        // Today's sale again from its line in the record note.
        c.lstNote_Click(0);
        QMenu* notes = w.notesMenu();
        auto* reprint = w.findChild<QAction*>("mnuReprintSale");
        notes->popup(w.geometry().center());
        QTRY_VERIFY(notes->isVisible());
        QVERIFY(reprint->isVisible());
        notes->hide();
        reprint->trigger();
        QCOMPARE(rig.printer.jobs.size(), 3);
        QVERIFY(rig.printer.jobs.last().lines().contains("FECHA 05/12/2026"));
        QCOMPARE(rig.printer.jobs.last().lines().first(), "COPIA");
        QCOMPARE(rig.dialogs.unexpected, 0);
    }

    void fields_data() {
        // Field, typed ("\b" is Backspace), kept while focused, shown once left ("*": not looked at).
        QTest::addColumn<FieldRow>("row");
        QTest::newRow("quantity 1 empties") << FieldRow{"txtDato1", "3", "3", "3"};
        QTest::newRow("quantity empty becomes 1") << FieldRow{"txtDato1", "", "", "1"};
        QTest::newRow("quantity 0 becomes 1") << FieldRow{"txtDato1", "0", "0", "1"};
        QTest::newRow("quantity letters") << FieldRow{"txtDato1", "2x5", "25", "25"};
        QTest::newRow("price grouped") << FieldRow{"txtDato4", "1500", "1500", "1,500.00"};
        QTest::newRow("price decimals") << FieldRow{"txtDato4", "12.5", "12.5", "12.50"};
        QTest::newRow("price marks") << FieldRow{"txtDato4", "1x,2y.3-", "1,2.3", "12.30"};
        QTest::newRow("discount whole part") << FieldRow{"txtDato3", "7.9", "7.9", "7"};
        QTest::newRow("discount marks") << FieldRow{"txtDato3", "-1,5.5%", "-15.5", "0"};
        QTest::newRow("cash 20 digits")
            << FieldRow{"txtTotal2", "99999999999999999999", "99999999999999999999", "*"};
        QTest::newRow("description never empty") << FieldRow{"txtDato2", "\b", "", "(Ninguno)"};
        QTest::newRow("outside the code page")
            << FieldRow{"txtDato2", "A\u0109B\u20ac", "AB\u20ac", "AB\u20ac"};
    }
    void fields() {
        QFETCH(FieldRow, row);
        const auto& [field, typed, kept, left] = row;
        WindowRig rig;
        rig.open();
        auto* edit = rig.find<QLineEdit>(field);
        WindowRig::focus(edit);
        edit->selectAll();
        for (const QChar ch : typed) // characters beyond Latin-1 need their own key events
            QTest::sendKeyEvent(QTest::Click, edit, ch == u'\b' ? Qt::Key_Backspace : Qt::Key_unknown,
                                ch == u'\b' ? QString() : QString(ch), Qt::NoModifier);
        QCOMPARE(edit->text(), kept);
        WindowRig::focus(rig.find<QLineEdit>(field == "txtDato1" ? "txtDato4" : "txtDato1"));
        if (left != "*") QCOMPARE(edit->text(), left);
    }

    void keysWorkAfterEveryBox_data() {
        QTest::addColumn<BoxRow>("row");
        for (const char* from : {"txtFinder", "lstItem1", "lstNote1", "txtDato1", "txtDato2", "txtTotal2"})
            for (const char* command : {"mnuCountAll", "mnuButton2", "mnuAdd", "mnuCancelAll"})
                QTest::addRow("%s %s", from, command) << BoxRow{from, command};
    }
    void keysWorkAfterEveryBox() {
        QFETCH(BoxRow, row);
        const auto& [from, command] = row;
        AnsweredBoxes boxes;
        WindowRig rig;
        rig.shop.write(kList, {"[5] PAN $12.50"});
        MainWindow& window = rig.open(QString(), &boxes);
        boxes.setOwner(&window);
        if (from == QLatin1String("txtFinder")) {
            WindowRig::focus(window.findChild<QListView*>("lstItem1"));
            type("b"); // the search opens and takes the focus
        } else {
            WindowRig::focus(window.findChild<QWidget*>(from));
        }
        window.findChild<QAction*>(command)->trigger();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTest::qWait(20);
        QWidget* now = focused();
        QVERIFY2(now && now->isVisible() && now->isEnabled(), "no control has the keys");
        // A letter works: it is typed into a text field, or it takes the cashier to the note.
        auto* field = qobject_cast<QLineEdit*>(now);
        const bool typing =
            field && (field->objectName() == "txtDato2" || field->objectName() == "txtFinder");
        const QString before = typing ? field->text() : QString();
        type("n");
        if (typing)
            QCOMPARE(field->text(), before + u'n');
        else
            QTRY_VERIFY(window.findChild<QListView*>("lstNote1")->hasFocus());
    }

    // While a ticket prints, a second Enter books no second total and the next customer's item does
    // not join the sale being printed; the sale is complete before its ticket starts.
    void printWaitTakesNoInput_data() {
        QTest::addColumn<PrintWaitRow>("row"); // the next customer's item typed, the ticket failing
        QTest::newRow("second Enter") << PrintWaitRow{false, false};
        QTest::newRow("next customer") << PrintWaitRow{true, false};
        QTest::newRow("next customer, ticket failed") << PrintWaitRow{true, true};
    }
    void printWaitTakesNoInput() {
        QFETCH(PrintWaitRow, row);
        const auto& [nextCustomer, failing] = row;
        SlowPrinter printer;
        printer.failing = failing;
        WindowRig rig;
        MainWindow& window = rig.open(QString(), nullptr, &printer);
        const TempShop& shop = rig.shop;
        Counter& c = window.counter();
        c.settings().toggleTickets(); // tickets print without a question
        c.lblTask_Click(0);
        QStringList atTheStart;
        bool noteClearAtTheStart = false;
        printer.duringTheJob = [&] {
            atTheStart = TextFile::readLines(shop.file(kDay)).value_or(QStringList());
            noteClearAtTheStart = !c.notes().at(0).used && c.notes().saleStart() == 1;
            if (nextCustomer) c.fields().set(EntryFields::Description, QStringLiteral("ZZR5B"));
            WindowRig::focus(window.findChild<QLineEdit*>(nextCustomer ? "txtDato4" : "txtTotal2"));
            if (nextCustomer) type("7");
            key(Qt::Key_Return);
        };
        rig.add("1", "PAN", "10");
        WindowRig::focus(window.findChild<QLineEdit*>("txtTotal2"));
        type("10");
        key(Qt::Key_Return);
        QTRY_VERIFY(!printer.attempts.isEmpty());
        QTest::qWait(200);
        const QStringList day = shop.lines(kDay);
        QCOMPARE(totals(atTheStart), 1); // on disk before its ticket
        QVERIFY(noteClearAtTheStart);
        QCOMPARE(day, c.notes().at(0).lines);
        QCOMPARE(totals(day), 1);
        QVERIFY(!day.join(u'|').contains("ZZR5B") && !day.join(u'|').contains("CANCELADO"));
    }

    // A sale left on tab #2 outlives the program: closing asks first; killed and started again, the
    // sale is there to be paid.
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
        QCOMPARE(rig.counter().notes().at(1).lines.size(), 2);
        QCOMPARE(rig.counter().tabs().caption(1), QString("$32.50"));
    }

    // The search's only hit is a line without the currency: Enter explains how an item line is written
    // instead of adding the item found before.
    void searchNeverAddsAnItemItDoesNotShow() {
        WindowRig rig;
        rig.shop.write(kList, {"[1] LÁMPARA DE ESCRITORIO $250.00", "TORNILLO 3 PESOS"});
        rig.open();
        WindowRig::focus(rig.find<QListView>("lstItem1"));
        type("btor");
        QCOMPARE(rig.find<QLineEdit>("txtDato2")->text(), QString("LÁMPARA DE ESCRITORIO"));
        type("nillo");
        QCOMPARE(rig.find<QLineEdit>("txtDato4")->text(), QString("0.00"));
        key(Qt::Key_Return);
        QVERIFY(rig.counter().notes().at(1).lines.isEmpty());
        QCOMPARE(rig.dialogs.messages().size(), 1); // the line-syntax box
    }

    void cancelAtTheReasonBooksNothing() {
        WindowRig rig;
        rig.open();
        rig.dialogs.type("25").cancel();
        key(Qt::Key_F5);
        QCOMPARE(rig.dialogs.prompts().size(), 2);
        QVERIFY(rig.counter().notes().at(0).lines.isEmpty());
        QVERIFY(rig.printer.attempts.isEmpty());
    }

    void keypadTypesIntoTheFocusedField() {
        WindowRig rig;
        rig.open();
        auto* price = rig.find<QLineEdit>("txtDato4");
        QTest::mouseDClick(price, Qt::LeftButton);
        Keypad* pad = rig.window->keypad();
        QTRY_VERIFY(pad->isVisible());
        price->clear();
        for (int index : {1, 2, 10, 5, 11})
            QTest::mouseClick(pad->key(index), Qt::LeftButton);
        QTRY_COMPARE(price->text(), QString("12."));
        QCOMPARE(focused(), price);
        QTest::mouseClick(pad->key(12), Qt::LeftButton);
        QVERIFY(!pad->isVisible());
        QTest::mouseDClick(rig.find<QLineEdit>("txtDato2"), Qt::LeftButton);
        QVERIFY(!pad->isVisible()); // the description has no keypad
    }

    void tipOfTheCurrentStep() {
        WindowRig rig;
        rig.open();
        key(Qt::Key_F2);
        rig.add("1", "PAN", "3");
        key(Qt::Key_F2);
        const QStringList tips = rig.dialogs.messages();
        QVERIFY(tips.size() == 2 && tips[0].startsWith("Seleccione un artículo") &&
                tips[1].startsWith("Después de haber agregado artículos"));
        rig.counter().amounts().payInCash();
        WindowRig::focus(rig.find<QWidget>("txtDato1"));
        rig.counter().eTip(); // step 4: the cash field gets the focus after the box
        QCOMPARE(focusedName(), QString("txtTotal2"));
    }

    void helpDocument_data() {
        QTest::addColumn<HelpRow>("row");
        QTest::newRow("missing") << HelpRow{false, true,
                                            "El archivo de ayuda no se encuentra, descargue otro desde el "
                                            "sitio web Orvane."};
        QTest::newRow("opens") << HelpRow{true, true, ""};
        QTest::newRow("viewer fails")
            << HelpRow{true, false, "Hay un error al intentar abrir el archivo de ayuda."};
    }
    void helpDocument() {
        QFETCH(HelpRow, row);
        const auto& [present, opens, message] = row;
        WindowRig rig;
        if (present) rig.shop.writeBytes("VL Ayuda.pdf", "%PDF-1.4");
        rig.shell.opens = opens;
        rig.open();
        key(Qt::Key_F1);
        QCOMPARE(rig.dialogs.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(rig.shell.opened.size(), present ? 1 : 0);
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
            WindowRig::focus(rig.find<QLineEdit>("txtTotal2"));
            type("10");
            key(Qt::Key_Return);
            QCOMPARE(rig.dialogs.messages(),
                     QStringList{"No se pudo guardar el registro del día, intente más tarde."});
            rig.dialogs.answer(false); // no retry
            rig.window->close();
            QVERIFY(rig.window->dayKept());
            const QString rescue = home.path() + "/Documents/Vendel " + kDay;
            QCOMPARE(rig.dialogs.messages().last(), "El registro del día se guardó en " + rescue);
            QCOMPARE(totals(TextFile::readLines(rescue).value_or(QStringList())), 1);
        }
        QApplication::processEvents(); // the close's "close every window" must not reach the next test
        qputenv("HOME", oldHome);
    }

    // The list editor's typing aid, key by key; "|" marks the caret in the text before.
    void typingAid_data() {
        // Before, keys, after, beeps.
        QTest::addColumn<TypingRow>("row");
        QTest::newRow("stock closed") << TypingRow{"|", "[5 ", "[5] ", 1};
        QTest::newRow("bracket right before: no close") << TypingRow{"|", "[ ", "[ ", 0};
        QTest::newRow("already closed") << TypingRow{"|", "[5] ", "[5] ", 0};
        QTest::newRow("two blanks give the symbol") << TypingRow{"[2] PAN|", "  ", "[2] PAN $", 1};
        QTest::newRow("decimals and a new line") << TypingRow{"|", "12.\r", "12.00\n[", 0};
        QTest::newRow("enter before an empty line") << TypingRow{"A|\nB", "\r", "A\n[\nB", 0};
        QTest::newRow("enter inside a line") << TypingRow{"A|B", "\r", "A\nB", 0};
        QTest::newRow("braces as brackets") << TypingRow{"|", "{3}", "[3]", 0};
        QTest::newRow("ctrl+enter swallowed") << TypingRow{"AB|", "\n", "AB", 0};
    }
    void typingAid() {
        QFETCH(TypingRow, row);
        const auto& [before, keys, after, beeps] = row;
        WindowRig rig;
        rig.shop.write(kList, {"[10] PAN $12.50"});
        rig.open();
        WindowRig::focus(rig.find<QListView>("lstItem1"));
        key(Qt::Key_E);
        waitForRest(rig);
        auto* edit = rig.find<QPlainTextEdit>("txtEditar");
        edit->setPlainText(QString(before).remove(u'|'));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(int(before.indexOf(u'|')));
        edit->setTextCursor(cursor);
        type(keys);
        QCOMPARE(edit->toPlainText(), after);
        QCOMPARE(rig.shell.beeps, beeps);
    }

    // A long list reaches the editor in pieces; whatever comes first works on the whole text, and a
    // save keeps every byte (a no-break space stays one).
    void aLongListIsWholeForWhatComesFirst_data() {
        QTest::addColumn<QString>("first");
        for (const char* first : {"save", "key", "find", "close"})
            QTest::newRow(first) << QString::fromLatin1(first);
    }
    void aLongListIsWholeForWhatComesFirst() {
        QFETCH(QString, first);
        QStringList list;
        for (int i = 0; i < 5000; ++i)
            list << QStringLiteral("[%1] ARTICULO %2 $1.50").arg(i % 9 + 1).arg(i);
        list.last() = QString::fromUtf8("[2] ÚLTIMO\u00A0PAN $3.00");
        WindowRig rig;
        rig.shop.write(kList, list);
        rig.open();
        rig.counter().eItemToEdit();
        auto* edit = rig.find<QPlainTextEdit>("txtEditar");
        QVERIFY(edit->blockCount() < list.size()); // the rest follows between events
        if (first == "save") {
            QTest::keyClick(edit, Qt::Key_G, Qt::ControlModifier);
            QCOMPARE(rig.shop.lines(kList), list);
        } else if (first == "key") {
            QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClicks(edit, "x");
            QCOMPARE(edit->document()->toRawText().split(QChar::ParagraphSeparator).size(), list.size());
            QVERIFY(edit->document()->toRawText().startsWith(u'x'));
        } else if (first == "find") {
            auto* find = rig.find<QLineEdit>("txtFindEdit");
            find->setText("ultimo");
            QTest::keyClick(find, Qt::Key_Return);
            QCOMPARE(edit->textCursor().block().blockNumber(), list.size() - 1);
        } else {
            QTest::keyClick(edit, Qt::Key_R, Qt::ControlModifier);
            waitForRest(rig);
            QVERIFY(edit->toPlainText().isEmpty());
            QCOMPARE(rig.shop.lines(kList), list);
        }
        QVERIFY(!edit->isReadOnly());
    }

    void longTextsNeitherGrowTheWindowNorReachIt_data() {
        // The file with the long line, its length, and a price rung up in the first side note.
        QTest::addColumn<LongRow>("row");
        for (const char* file : {"list", "register", "shop data", "settings"})
            for (const qsizetype length : {qsizetype(100000), qsizetype(10 << 20)})
                QTest::addRow("%s, %lld characters", file, qlonglong(length)) << LongRow{file, length, ""};
        QTest::newRow("an amount of 301 digits") << LongRow{"", 0, "1" + QString(300, u'0')};
    }
    void longTextsNeitherGrowTheWindowNorReachIt() {
        QFETCH(LongRow, row);
        const auto& [file, length, price] = row;
        WindowRig rig;
        const QString line = length > 0 ? longLine(length) : QString();
        writeShop(rig, file, line);
        show(rig);
        Counter& c = rig.counter();
        if (file == "list") {
            // The long item rung up and its note line chosen: the cancel entry names it.
            c.lblTask_Click(1);
            c.search().selectItem(1);
            c.ePreFactura();
            c.lstNote_Click(0);
            QApplication::processEvents();
            QVERIFY(c.notes().at(1).lines.value(0).size() > length && c.adjustments().cancelEntryVisible());
        }
        if (!price.isEmpty()) {
            c.lblTask_Click(1);
            rig.add("1", "PAN", price);
            QApplication::processEvents();
            QVERIFY(c.tabs().caption(1).size() > 300 && c.amounts().totalText().size() > 300);
        }
        QCOMPARE(sizes(*rig.window), m_ordinary);
        QVERIFY(rig.window->windowTitle().size() <= ShownText::kChars + 1);
        for (const QLabel* label : rig.window->findChildren<QLabel*>())
            QVERIFY2(label->text().size() <= ShownText::kChars + 1, qPrintable(label->objectName()));
        for (const QListView* view : rig.window->findChildren<QListView*>())
            for (int r = 0; r < view->model()->rowCount(); ++r)
                QVERIFY2(view->model()->index(r, 0).data().toString().size() <= ShownText::kChars + 1,
                         qPrintable(view->objectName()));
        for (const QWidget* widget : rig.window->findChildren<QWidget*>())
            QVERIFY2(QTextDocumentFragment::fromHtml(widget->toolTip()).toPlainText().size() <=
                         ShownText::kChars + 1,
                     qPrintable(widget->objectName()));
        for (const QAction* action : rig.window->findChildren<QAction*>())
            QVERIFY2(action->text().size() <= 100, qPrintable(action->objectName()));
        // What is shown is shortened; the lines are not.
        if (file == "list") QVERIFY(c.items().lines().contains(line));
        if (file == "register") QVERIFY(c.notes().at(0).lines.contains(line));
        if (file == "shop data") QCOMPARE(c.shop().brand, line);
        rig.window->close();
        QApplication::processEvents();
        if (file == "list") QVERIFY(rig.shop.lines("VL Lista.txt").contains(line));
        if (file == "register") QVERIFY(rig.shop.lines(kDay).contains(line));
    }

    // Markup in the shop's data is shown as the text it is: no picture is loaded, no file read.
    void markupInTheShopsDataIsText() {
        WindowRig rig;
        writeShop(rig, QString(), QString());
        const QString name = QStringLiteral("<img src=\"/dev/zero\"><b>TIENDA</b>");
        rig.shop.write("VL Info.txt", {name, QStringLiteral("<img src=\"/tmp/x\">")});
        show(rig);
        auto* brand = rig.find<QLabel>("lblBrand");
        QCOMPARE(brand->textFormat(), Qt::PlainText);
        QCOMPARE(brand->text(), name);
        QVERIFY(!brand->toolTip().contains(QStringLiteral("<img")));
        QVERIFY(brand->toolTip().contains(QStringLiteral("&lt;img src=&quot;/dev/zero&quot;&gt;")));
    }

    // A label shows as much of its text as its width holds, ending in "…", and all of a text that fits.
    void labelsShowWhatFits_data() {
        QTest::addColumn<FitRow>("row"); // length, width, shown whole
        QTest::newRow("caption with room") << FitRow{8, 300, true};
        QTest::newRow("long text, narrow") << FitRow{100000, 200, false};
    }
    void labelsShowWhatFits() {
        QFETCH(FitRow, row);
        const auto& [length, width, whole] = row;
        const QString text = longLine(length).right(length);
        LabelButton label;
        label.setText(text);
        label.resize(width, 30);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QCOMPARE(label.fullText(), text);
        QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= label.contentsRect().width());
        if (whole) {
            QCOMPARE(label.text(), text);
        } else {
            QVERIFY(label.text().endsWith(QChar(0x2026)));
            QVERIFY(text.startsWith(label.text().chopped(1)));
            QVERIFY(label.text().size() > 10);
        }
    }

    // A list line cut short by counting its characters reads as the text measured and cut short would.
    void fittedTextReadsAsMeasured_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("accents") << "[3] CAFÉ ORGÁNICO DOÑA MARÍA 250 G REF 1234 $1,250.00 #7501234567890";
        QTest::newRow("euro") << "[3] CUADERNO RAYADO €25.50 #7501031311309 PAQUETE DE DOCE";
        QTest::newRow("beyond Latin, measured") << "[1] TÉ 绿茶 VERDE $12.00 #7501031311309 PAQUETE";
    }
    void fittedTextReadsAsMeasured() {
        QFETCH(QString, text);
        ItemListView view;
        const QFontMetrics metrics(view.font());
        for (int width = 0; width <= 600; ++width)
            QCOMPARE(view.fittedText(text, width), metrics.elidedText(text, Qt::ElideRight, width));
    }

    void everyTextInBothLanguages() {
        WindowRig spanish;
        const auto es = shownTexts(spanish.open(QStringLiteral("ES")));
        WindowRig english;
        const auto en = shownTexts(english.open(QStringLiteral("EN")));
        CalcWindow calcEs{Language(QStringLiteral("ES")), ThemePalette()};
        CalcWindow calcEn{Language(QStringLiteral("EN")), ThemePalette()};
        const auto ces = shownTexts(calcEs);
        const auto cen = shownTexts(calcEn);
        QStringList faults;
        for (const auto& [a, b] : {std::pair{&es, &en}, std::pair{&ces, &cen}}) {
            QCOMPARE(a->keys(), b->keys());
            for (auto it = a->cbegin(); it != a->cend(); ++it) {
                const QString other = b->value(it.key());
                if (it.value().trimmed().isEmpty() != other.trimmed().isEmpty())
                    faults << QStringLiteral("%1: \"%2\" / \"%3\"").arg(it.key(), it.value(), other);
                else if (it.value() == other && !kSameInBoth.contains(it.value().trimmed()) &&
                         it.value().contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))))
                    faults << QStringLiteral("%1 untranslated: \"%2\"").arg(it.key(), it.value());
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void mnemonicsAreUnique_data() {
        QTest::addColumn<MenuRow>("row"); // the language's code, the first menu
        QTest::newRow("en lowercase is Spanish") << MenuRow{"en", "&Registro"};
        QTest::newRow("EN") << MenuRow{"EN", "&Record"};
    }
    void mnemonicsAreUnique() {
        QFETCH(MenuRow, row);
        const auto& [code, firstMenu] = row;
        WindowRig rig;
        MainWindow& window = rig.open(code);
        QCOMPARE(window.menuBar()->actions().first()->text(), firstMenu);
        QStringList faults = mnemonicFaults(window.menuBar()->actions(), QStringLiteral("menu bar"));
        faults << mnemonicFaults(window.amountMenu()->actions(), QStringLiteral("Importe"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The buttons of Qt's own boxes speak the language of the counter.
    void buttons_data() {
        QTest::addColumn<ButtonsRow>("row"); // language; question, message and input box buttons
        QTest::newRow("Spanish") << ButtonsRow{"", {"No", "Sí"}, {"Aceptar"}, {"Aceptar", "Cancelar"}};
        QTest::newRow("English") << ButtonsRow{"EN", {"No", "Yes"}, {"OK"}, {"Cancel", "OK"}};
    }
    void buttons() {
        QFETCH(ButtonsRow, row);
        const auto& [code, question, message, input] = row;
        const Language language(code);
        QTranslator* translator = QtTranslation::install(language);
        if (!language.isEnglish())
            QVERIFY2(translator, "Qt's Spanish catalogue (qt6-translations-l10n) is missing");
        QtDialogs dialogs(language);
        QCOMPARE(buttonsOfNextBox([&] { dialogs.question(QStringLiteral("?")); }), question);
        QCOMPARE(buttonsOfNextBox([&] { dialogs.message(QStringLiteral("!"), Dialogs::Icon::Information); }),
                 message);
        QCOMPARE(buttonsOfNextBox([&] { dialogs.input(QStringLiteral("key:"), Dialogs::Echo::Masked); }),
                 input);
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // Thousands of random keys anywhere on the counter: nothing crashes, the amounts always read as
    // amounts, and every line of the register stays a line of the day.
    void countersSurviveRandomKeys() {
        WindowRig rig;
        rig.shop.write(kList, {"[10] PAN $12.50", "[2] LÁMPARA $1,250.00 #750", "SIN PRECIO"});
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
            QWidget* target = focused() ? focused() : rig.window.get();
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
        for (const QString& line : rig.shop.lines(kDay))
            QVERIFY2(!line.trimmed().isEmpty(), "a blank register line");
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
