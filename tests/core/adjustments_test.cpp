#include "CounterRig.h"
#include "core/counter/KeyRouter.h"

#include <QTest>

#include <tuple>

using AdjustmentLinesRow = std::tuple<QString, bool, QString, QString, QString>;

using PromptsAskAgainRow = std::tuple<QStringList, int, int>;
// adjustments: eDesc answers; "+x" is interest; before: with an item of 10 added after them
using ReplayRow = std::tuple<QStringList, QString, QString>;
using DeleteKeyRow = std::tuple<int, int, bool>;

// Discounts, interest and cancelled lines, and the total replayed from the lines that stay.
class AdjustmentsTest : public QObject {
    Q_OBJECT

    static Counter& sideNoteWith100(CounterRig& rig) {
        Counter& c = rig.start();
        rig.dialogs.clear();
        rig.add("1", "A", "100");
        return c;
    }

private Q_SLOTS:

    void adjustmentLines_data() {
        QTest::addColumn<AdjustmentLinesRow>("row");
        struct Row {
            const char *name, *language;
            bool interest;
            const char *answer, *line, *total;
        };
        const Row rows[] = {
            {"amount discount", "", false, "20", "     -$20 de descuento", "80.00"},
            {"amount discount en", "EN", false, "20", "     -$20 discount", "80.00"},
            {"percent discount en", "EN", false, "7.5%", "     -7.5% discount", "92.50"},
            {"amount with comma", "", false, "1,000", "", "100.00"}, // above the total: refused
            {"amount interest", "", true, "20", "     +$20 de interés", "120.00"},
            {"amount interest en", "EN", true, "20.5", "     +$20.5 interest", "120.50"},
            {"percent interest", "", true, "16%", "     +16% de interés", "116.00"},
            {"150 as an amount", "", false, "150", "", "100.00"},
            {"the whole total", "", false, "100", "     -$100 de descuento", "0.00"},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << AdjustmentLinesRow{r.language, r.interest, r.answer, r.line, r.total};
    }
    void adjustmentLines() {
        QFETCH(AdjustmentLinesRow, row);
        auto [language, interest, answer, line, total] = row;
        CounterRig rig(language);
        Counter& c = sideNoteWith100(rig);
        rig.dialogs.type(answer);
        const QString before = c.notes().at(1).lines.last();
        interest ? c.adjustments().mnuIVA_Click() : c.adjustments().mnuDescx_Click();
        QCOMPARE(c.notes().at(1).lines.last(), line.isEmpty() ? before : line);
        QCOMPARE(c.amounts().totalText(), total);
        QCOMPARE(rig.dialogs.messages().contains(
                     QStringLiteral("El descuento es mayor que el importe de la nota.")),
                 line.isEmpty());
    }

    void promptsAskAgain_data() {
        QTest::addColumn<PromptsAskAgainRow>("row");
        QTest::newRow("150% then 15%") << PromptsAskAgainRow{QStringList{"150%", "15%"}, 2, 2};
        QTest::newRow("100% asked again") << PromptsAskAgainRow{QStringList{"100%", ""}, 2, 1};
        QTest::newRow("negative then cancel") << PromptsAskAgainRow{QStringList{"-5", ""}, 2, 1};
        QTest::newRow("blanks cancel") << PromptsAskAgainRow{QStringList{"   "}, 1, 1};
        QTest::newRow("99% accepted") << PromptsAskAgainRow{QStringList{"99%"}, 1, 2};
    }
    void promptsAskAgain() {
        QFETCH(PromptsAskAgainRow, row);
        auto [answers, prompts, lines] = row;
        CounterRig rig;
        Counter& c = sideNoteWith100(rig);
        for (const QString& a : answers)
            rig.dialogs.type(a);
        c.adjustments().mnuDescx_Click();
        QCOMPARE(rig.dialogs.prompts().size(), prompts);
        QCOMPARE(c.notes().at(1).lines.size(), lines);
    }

    void discountNeedsAPositiveTotal() {
        CounterRig rig;
        Counter& c = rig.start();
        c.adjustments().eDesc("10%");
        QVERIFY(c.notes().at(1).lines.isEmpty());
        rig.add("1", "A", "5");
        c.adjustments().eDesc("5");
        c.adjustments().eDesc("5"); // the total is 0 now
        QCOMPARE(c.notes().at(1).lines.size(), 2);
    }

    // Cancelling a line replays the others with exactly the values written in them.
    void cancellingReplaysTheRest_data() {
        QTest::addColumn<ReplayRow>("row");
        QTest::newRow("percent kept exact") << ReplayRow{QStringList{"7.5%"}, "102.50", "92.50"}; // not 92 %
        QTest::newRow("percent and interest") << ReplayRow{QStringList{"10%", "+16%"}, "114.40", "104.40"};
    }
    void cancellingReplaysTheRest() {
        QFETCH(ReplayRow, row);
        auto [adjustments, before, total] = row;
        CounterRig rig;
        Counter& c = sideNoteWith100(rig);
        for (const QString& a : adjustments) {
            if (a.startsWith('+')) {
                rig.dialogs.type(a.mid(1));
                c.adjustments().mnuIVA_Click();
            } else {
                c.adjustments().eDesc(a);
            }
        }
        rig.add("1", "B", "10");
        QCOMPARE(c.amounts().totalText(), before);
        c.lstNote_Click(int(c.notes().at(1).lines.size()) - 1);
        QVERIFY(c.adjustments().cancelEntryVisible());
        QCOMPARE(c.adjustments().cancelEntryCaption(), QString("Cancelar [1 x B de $10.00]"));
        c.adjustments().mnuDel_Click();
        QCOMPARE(c.amounts().totalText(), total);
    }

    void cancellingTheOnlyLineFreesTheNote() {
        CounterRig rig;
        Counter& c = sideNoteWith100(rig);
        c.lstNote_Click(0);
        c.adjustments().mnuDel_Click();
        QVERIFY(c.notes().at(1).lines.isEmpty());
        QVERIFY(!c.notes().at(1).used);
        QCOMPARE(c.tabs().caption(1), QString("(nuevo)"));
        QCOMPARE(c.amounts().totalText(), QString("0.00"));
    }
    // The Delete key, the menu entry and the pop-up follow one rule: any line of a side note, only a
    // line of the open sale that is no cash or card entry in the record note.
    void deleteKeyFollowsTheCancelRule_data() {
        QTest::addColumn<DeleteKeyRow>("row");
        QTest::newRow("earlier sale") << DeleteKeyRow{0, 0, false};
        QTest::newRow("closing line") << DeleteKeyRow{0, 1, false};
        QTest::newRow("card line") << DeleteKeyRow{0, 2, false};
        QTest::newRow("open sale") << DeleteKeyRow{0, 3, true};
        QTest::newRow("side note") << DeleteKeyRow{1, 0, true};
        QTest::newRow("no line chosen") << DeleteKeyRow{1, -1, false};
    }
    void deleteKeyFollowsTheCancelRule() {
        QFETCH(DeleteKeyRow, row);
        auto [note, line, cancelled] = row;
        CounterRig rig;
        rig.shop.write(rig.registerName(), {"1 x OLD de $5.00 = $5.00",
                                            "-----(09:00)------------------------------> [TOTAL $5.00]",
                                            "*****(09:10)********* [TARJETA $3.00]"});
        Counter& c = rig.start();
        c.lblTask_Click(note);
        rig.add("1", "NEW", "7");
        c.lstNote_Click(line);
        QCOMPARE(c.adjustments().mayCancel(), cancelled);
        QCOMPARE(c.adjustments().cancelEntryVisible(), cancelled);
        const int before = int(c.notes().at(note).lines.size());
        KeyRouter router(c);
        QVERIFY(router.keyDown(KeyRouter::Control::NoteList, Qt::Key_Delete, Qt::NoModifier));
        QCOMPARE(int(c.notes().at(note).lines.size()), before - (cancelled ? 1 : 0));
    }
};

QTEST_APPLESS_MAIN(AdjustmentsTest)
#include "adjustments_test.moc"
