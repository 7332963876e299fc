#include "WindowRig.h"
#include "ui/calc/CalcWindow.h"
#include "ui/items/ItemListView.h"
#include "ui/ports/QtDialogs.h"
#include "ui/ports/QtTranslation.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ShownText.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTranslator>

namespace {

using LongRow = std::tuple<QString, qsizetype, QString>;
using FitRow = std::tuple<qsizetype, int, bool>;
using MenuRow = std::pair<QString, QString>;
using ButtonsRow = std::tuple<QString, QStringList, QStringList, QStringList>;

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

// The texts the window shows. Every caption in both languages with its own mnemonic; texts from the
// shop's files never size the window, and what the window shows of them is short, while the lines
// themselves stay whole in memory and on disk (the suite also runs under the sanitizers, which once
// stopped a 10 MB shop name in the painting).
class ShownTextsTest : public QObject {
    Q_OBJECT

    QList<QSize> m_ordinary;

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

    // Every caption and tooltip is there in both languages and none is left in the other language.
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

    // A keyboard-only owner reaches every entry by its letter: one mnemonic each, unique in its menu.
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
};

QTEST_MAIN(ShownTextsTest)
#include "shown_texts_test.moc"
