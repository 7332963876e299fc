#include "WindowRig.h"
#include "ui/items/ItemListView.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ShownText.h"

#include <QLabel>
#include <QListView>
#include <QTextDocumentFragment>

namespace {

using LongRow = std::tuple<QString, qsizetype, QString>;
using FitRow = std::tuple<qsizetype, int, bool>;

const QString kListLine = QStringLiteral("[10] PAN $12.50");
const QString kSaleLine = QStringLiteral("1 x PAN de $12.50 = $12.50");
const QString kClosing = QStringLiteral("-----(09:00)------------------------------> [TOTAL $12.50]");

const QString kDay = QStringLiteral("VENTAS #05-12-2026.txt");

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
    QStringList list{kListLine};
    QStringList day{kSaleLine, kClosing};
    QStringList info{QStringLiteral("MI TIENDA"), QStringLiteral("Calle 1")};
    if (file == "list") list.append(line);
    if (file == "register") day.append(line);
    if (file == "shop data") info[0] = line;
    rig.shop.write(QStringLiteral("VL Lista.txt"), list);
    rig.shop.write(kDay, day);
    rig.shop.write(QStringLiteral("VL Info.txt"), info);
    if (file == "settings") rig.shop.write(QStringLiteral("VL Config.ini"), {line, line, line});
}

void show(WindowRig& rig) {
    rig.open();
    rig.counter().lblTask_Click(0); // the record note in front, the day's lines painted
    QApplication::processEvents();
    rig.window->repaint();
}

struct Sizes {
    QSize size;  // as opened
    QSize least; // as small as the cashier can make it
};

Sizes sizes(QMainWindow& window) {
    const QSize opened = window.size();
    window.resize(1, 1);
    QApplication::processEvents();
    window.resize(1, 1); // once more, now that the window has laid itself out at its least size
    QApplication::processEvents();
    return {opened, window.size()};
}

} // namespace

// Texts from the shop's files never size the window, and what the window shows of them is short,
// while the lines themselves stay whole in memory and on disk (the suite also runs under the
// sanitizers, which once stopped a 10 MB shop name in the painting).
class HugeTextsTest : public QObject {
    Q_OBJECT

    Sizes m_ordinary;

private Q_SLOTS:
    void initTestCase() {
        WindowRig rig;
        writeShop(rig, QString(), QString());
        show(rig);
        m_ordinary = sizes(*rig.window);
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
            c.fields().set(EntryFields::Quantity, QStringLiteral("1"));
            c.fields().set(EntryFields::Description, QStringLiteral("PAN"));
            c.fields().set(EntryFields::Price, price);
            c.ePreFactura();
            QApplication::processEvents();
            QVERIFY(c.tabs().caption(1).size() > 300 && c.amounts().totalText().size() > 300);
        }
        const Sizes now = sizes(*rig.window);
        QCOMPARE(now.size, m_ordinary.size);
        QCOMPARE(now.least, m_ordinary.least);
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
        if (file == "list") QVERIFY(rig.shop.lines(QStringLiteral("VL Lista.txt")).contains(line));
        if (file == "register") QVERIFY(rig.shop.lines(kDay).contains(line));
    }

    // Markup in the shop's data is shown as the text it is: no picture is loaded, no file read.
    void markupInTheShopsDataIsText() {
        WindowRig rig;
        writeShop(rig, QString(), QString());
        const QString name = QStringLiteral("<img src=\"/dev/zero\"><b>TIENDA</b>");
        rig.shop.write(QStringLiteral("VL Info.txt"), {name, QStringLiteral("<img src=\"/tmp/x\">")});
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
        QTest::newRow("long text, wide") << FitRow{100000, 3000, false};
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
        QVERIFY(label.minimumSizeHint().width() <= 300);
        QVERIFY(label.sizeHint().width() <= 1000);
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
};

QTEST_MAIN(HugeTextsTest)
#include "huge_texts_test.moc"
