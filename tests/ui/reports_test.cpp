#include "WindowRig.h"
#include "core/history/ReportTables.h"
#include "ui/reports/ReportsWindow.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

} // namespace

// The owner's way through the reports: opened by its key, a period picked by keys, the figures and
// charts read, the tables exported and read back, a past sale's ticket printed again, the report
// printed; and a closed sale's ticket again from the record note's menu.
class ReportsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reportsByKeys() {
        WindowRig rig;
        rig.shop.write("VL Lista.txt", {"[10] PAN $12.50"});
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
        QCOMPARE(figures(r).mid(0, 4), (QStringList{"Ventas|3|$67.50", "Venta promedio||$22.50",
                                                    "En efectivo|2|$37.50", "Con tarjeta|1|$30.00"}));
        QCOMPARE(dayBars(r), (QStringList{"1 25 30", "2 0 0", "3 0 0", "4 0 0", "5 12.5 0"}));
        QTest::keyClick(r, Qt::Key_5, Qt::ControlModifier); // last month
        QCOMPARE(r->period(), (Period{QDate(2026, 11, 1), QDate(2026, 11, 30)}));
        QCOMPARE(figures(r).first(), "Ventas|1|$18.00");
        QCOMPARE(dayBars(r).size(), 30);
        QCOMPARE(dayBars(r).at(14), "15 18 0");
        QTest::keyClick(r, Qt::Key_4, Qt::ControlModifier); // this month again
        // Export: three files, read back.
        QTemporaryDir out;
        r->setFolderChooser([&out](const QString&, const QString&) { return out.path(); });
        QTest::keyClick(r, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(rig.dialogs.messages().last().section(u'\n', 0, 0), "Se exportaron los archivos:");
        const QString prefix = out.filePath("Informes 2026-12-01_2026-12-05 ");
        const QList<QStringList> figuresFile = readCsv(prefix + "cifras.csv");
        QCOMPARE(figuresFile.value(0),
                 (QStringList{"Carpeta", "Cifra", "Número", "Importe", "esperado", "diferencia"}));
        QCOMPARE(figuresFile.value(1).mid(1, 3), (QStringList{"Ventas", "3", "67.5"}));
        QCOMPARE(readCsv(prefix + "más vendidos.csv").mid(1),
                 (QList<QStringList>{{"PAN", "3", "37.5"}, {"CAFÉ", "1", "30"}}));
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
};

QTEST_MAIN(ReportsTest)
#include "reports_test.moc"
