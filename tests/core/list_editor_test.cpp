#include "CounterRig.h"

#include <QTest>

#include <tuple>

namespace {
const QString kList = QStringLiteral("VL Lista.txt");
} // namespace

using FindRow = std::tuple<QString, int, QString, QList<qsizetype>, int>;
using SaveListRow = std::tuple<QString, QStringList, int>;
// answers: "-" cancels the box
using RegisterKeyRow = std::tuple<QString, QStringList, bool, QStringList>;

// The editor of the item list and the register: its search, and what a save or a close leaves.
class ListEditorTest : public QObject {
    Q_OBJECT

    static Counter& startShop(CounterRig& rig) {
        rig.shop.write(kList, {"[10] PAN $12.50", "[3] LECHE $25.00"});
        rig.shop.write(rig.registerName(), {"1 x PAN de $12.50 = $12.50",
                                            "-----(10:00)------------------------------> [TOTAL $12.50]"});
        return rig.start();
    }
    static void slideToRest(Counter& c) {
        for (int i = 0; i < 100 && c.editor().sliding(); ++i)
            c.tmrAni_Timer();
    }

private Q_SLOTS:
    void splitLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("crlf") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("ending in a break") << "a\n" << QStringList{"a", ""};
        QTest::newRow("lone cr and lf") << "a\rb\nc\r\r\nd" << QStringList{"a", "b", "c", "", "d"};
        QTest::newRow("text field separators")
            << QString::fromUtf8("a\u2029b\u2028c") << QStringList{"a", "b", "c"};
    }
    void splitLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(ListEditor::splitLines(text), lines);
    }

    // Two searches in a row from the caret: where the caret ends after each, and the boxes shown.
    void find_data() {
        QTest::addColumn<FindRow>("row");
        const QString list = QStringLiteral("[1] CAFÉ $2.00\n[2] PAN $1.00\n[3] CAFE $3.00");
        QTest::newRow("once, caret after it: wraps to the same")
            << FindRow{"[1] PAN $1", 10, "pan", {7, 7}, 0};
        QTest::newRow("folded, next then wrap") << FindRow{list, 0, "Café", {8, 37}, 0};
        QTest::newRow("from the caret") << FindRow{list, 9, "cafe", {37, 8}, 0};
        QTest::newRow("no match") << FindRow{list, 0, "leche", {-1, -1}, 2};
        QTest::newRow("text too short") << FindRow{"a", 0, "a", {-1, -1}, 0};
        QTest::newRow("empty query") << FindRow{list, 0, "", {-1, -1}, 0};
    }
    void find() {
        QFETCH(FindRow, row);
        auto [text, caret, query, carets, boxes] = row;
        CounterRig rig;
        Counter& c = startShop(rig);
        c.eItemToEdit();
        rig.dialogs.clear();
        qsizetype at = caret;
        for (const qsizetype expected : carets) {
            const qsizetype found = c.editor().eFindText(text, at, query);
            QCOMPARE(found, expected);
            if (found >= 0) at = found;
            QCOMPARE(c.editor().findNext(), carets.front() >= 0);
        }
        QCOMPARE(rig.dialogs.messages().size(), boxes);
        if (boxes) QCOMPARE(rig.dialogs.messages().front(), QStringLiteral("No hay coincidencias."));
        c.editor().txtFindEdit_Change();
        QVERIFY(!c.editor().findNext());
    }

    void saveList_data() {
        QTest::addColumn<SaveListRow>("row");
        const QStringList ab{"[1] A $1.00", "[2] B $2.00"};
        QTest::newRow("two lines") << SaveListRow{"[1] A $1.00\n[2] B $2.00", ab, 2};
        QTest::newRow("ending in an empty line") << SaveListRow{"[1] A $1.00\n", {"[1] A $1.00", ""}, 2};
        QTest::newRow("empty text deletes the file") << SaveListRow{"", {}, 1};
        QTest::newRow("the aid's lone bracket") << SaveListRow{"[1] A $1.00\n[", {"[1] A $1.00"}, 1};
        QTest::newRow("a bracket among blanks") << SaveListRow{"[1] A $1.00\n \t[  \n[2] B $2.00", ab, 2};
        // Characters the code page lacks become "?", tabs and NUL stay, a lone CR is a line break.
        const QString nul = QStringLiteral("[2] B") + QChar(0) + "C";
        QTest::newRow("bad input") << SaveListRow{"[1] A\t\u0416 $1.00\r" + nul, {"[1] A\t? $1.00", nul}, 2};
    }
    void saveList() {
        QFETCH(SaveListRow, row);
        const auto& [text, fileLines, shown] = row;
        CounterRig rig;
        Counter& c = startShop(rig);
        const QStringList record = c.notes().at(0).lines;
        c.eItemToEdit();
        c.eSaveNotetoList(text);
        QCOMPARE(c.items().count(), int(fileLines.size()));
        QCOMPARE(c.items().shownCount(), shown);
        QCOMPARE(rig.shop.exists(kList), !fileLines.isEmpty());
        if (!fileLines.isEmpty()) QCOMPARE(rig.shop.lines(kList), fileLines);
        QVERIFY(c.editor().visible()); // the panel stays open
        QCOMPARE(c.notes().at(0).lines, record);
    }

    void saveRegister_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fileKept");
        QTest::newRow("edited")
            << "1 x PAN de $2.00 = $2.00\n-----(10:00)------------------------------> [TOTAL $2.00]" << true;
        QTest::newRow("emptied removes the day's file") << "" << false;
    }
    void saveRegister() {
        QFETCH(QString, text);
        QFETCH(bool, fileKept);
        CounterRig rig;
        Counter& c = startShop(rig);
        const QByteArray list = rig.shop.bytes(kList);
        c.lblTask_Click(0);
        c.eNoteToEdit();
        c.eSaveNotetoList(text);
        const QStringList lines = ListEditor::splitLines(text);
        QCOMPARE(c.notes().at(0).lines, lines);
        QCOMPARE(c.notes().saleStart(), int(lines.size()) - 1);
        QCOMPARE(c.notes().at(0).selected, int(lines.size()) - 1);
        QCOMPARE(rig.shop.exists(rig.registerName()), fileKept);
        if (fileKept) QCOMPARE(rig.shop.lines(rig.registerName()), lines);
        QCOMPARE(rig.shop.bytes(kList), list);
        QCOMPARE(c.tabs().caption(0).isEmpty(), false);
    }

    void closingWithoutSavingChangesNothing() {
        CounterRig rig;
        Counter& c = startShop(rig);
        const QByteArray list = rig.shop.bytes(kList);
        const QByteArray day = rig.shop.bytes(rig.registerName());
        const QStringList items = c.items().lines();
        const QStringList record = c.notes().at(0).lines;
        for (const int index : {1, 0}) {
            index == 1 ? c.eItemToEdit() : c.eNoteToEdit();
            slideToRest(c);
            QVERIFY(c.editor().visible());
            c.editor().startSlide(false);
            slideToRest(c);
            QVERIFY(!c.editor().visible());
        }
        QCOMPARE(c.items().lines(), items);
        QCOMPARE(c.notes().at(0).lines, record);
        QCOMPARE(rig.shop.bytes(kList), list);
        QCOMPARE(rig.shop.bytes(rig.registerName()), day);
    }

    // With a user key set, the register opens only for whoever types it, masked.
    void registerBehindTheKey_data() {
        QTest::addColumn<RegisterKeyRow>("row");
        QTest::newRow("no key: nothing asked") << RegisterKeyRow{"", {}, true, {}};
        QTest::newRow("right key") << RegisterKeyRow{"k1", {"k1"}, true, {}};
        QTest::newRow("wrong key") << RegisterKeyRow{"k1", {"K1"}, false, {"Clave incorrecta."}};
        QTest::newRow("cancelled") << RegisterKeyRow{"k1", {"-"}, false, {}};
    }
    void registerBehindTheKey() {
        QFETCH(RegisterKeyRow, row);
        auto [key, answers, opened, messages] = row;
        CounterRig rig(QString(), key);
        Counter& c = startShop(rig);
        c.lblTask_Click(0);
        for (const QString& a : answers)
            a == u'-' ? rig.dialogs.cancel() : rig.dialogs.type(a);
        rig.dialogs.clear();
        c.eNoteToEdit();
        QCOMPARE(c.editor().visible(), opened);
        QCOMPARE(rig.dialogs.prompts().size(), answers.size());
        for (const auto& box : rig.dialogs.shown)
            if (box.kind == ScriptedDialogs::Shown::Input) QCOMPARE(box.echo, Dialogs::Echo::Masked);
        QStringList shown = rig.dialogs.messages();
        shown.removeAll(
            QStringLiteral("Solamente cambie nombres y valores para un buen funcionamiento del programa."));
        QCOMPARE(shown, messages);
    }

    // Adding to the note is refused while the register is edited, allowed while the list is; no cut
    // meanwhile.
    void notesWhileEditing() {
        for (const bool list : {false, true}) {
            CounterRig rig;
            Counter& c = startShop(rig);
            list ? c.eItemToEdit() : c.eNoteToEdit();
            rig.dialogs.clear();
            rig.add("1", "PAN", "12.50");
            QCOMPARE(c.notes().at(1).lines.size(), list ? 1 : 0);
            QCOMPARE(rig.dialogs.messages().contains(
                         QStringLiteral("No puede usar las notas mientras está editando alguno.")),
                     !list);
            QVERIFY(!c.cut().cutMenuEnabled());
        }
    }

    void formatReminderOncePerRun() {
        CounterRig rig;
        rig.dialogs.answer(false); // no list: the offer to create one
        Counter& c = rig.start();
        rig.dialogs.clear();
        c.eItemToEdit();
        c.eItemToEdit(); // already open on the list: nothing
        c.eNoteToEdit();
        c.eItemToEdit();
        QCOMPARE(
            rig.dialogs.messages().filter("Para un buen funcionamiento del programa use el formato").size(),
            1);
        QVERIFY(c.editor().editingList());
    }
};

QTEST_GUILESS_MAIN(ListEditorTest)
#include "list_editor_test.moc"
