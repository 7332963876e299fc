#include "core/note/NoteLines.h"

#include <QTest>

// The lines a note holds and what is read back from them.
class NoteLinesTest : public QObject {
    Q_OBJECT

    const Language es{QStringLiteral("ES")};
    const Language en{QStringLiteral("EN")};

private Q_SLOTS:
    void placeholder_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("placeholder");
        QTest::newRow("as shown") << "(Ninguno)" << true;
        QTest::newRow("any case, spaces") << "  (ninguno) " << true;
        QTest::newRow("an item") << "NINGUNO" << false;
    }
    void placeholder() {
        QFETCH(QString, description);
        QFETCH(bool, placeholder);
        QCOMPARE(NoteLines::isPlaceholder(description, "(Ninguno)"), placeholder);
    }

    // Replaying the lines that stay after one is cancelled: amounts add, adjustments apply the value
    // written in their line, free lines add nothing, lines before the sale do not count.
    void replay_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("first");
        QTest::addColumn<double>("total");
        QTest::newRow("items") << QStringList{"1 x A de $10.00 = $10.00", "2 x B de $2.50 = $5.00"} << 0
                               << 15.0;
        QTest::newRow("percent discount")
            << QStringList{"1 x A de $100.00 = $100.00", "     -10% de descuento"} << 0 << 90.0;
        QTest::newRow("amount discount")
            << QStringList{"1 x A de $100.00 = $100.00", "     -$12.5 de descuento"} << 0 << 87.5;
        QTest::newRow("interest") << QStringList{"1 x A de $100.00 = $100.00", "     +16% de interés"} << 0
                                  << 116.0;
        QTest::newRow("free line") << QStringList{"1 x A de $4.00 = $4.00", "1 x BOLSA gratis"} << 0 << 4.0;
        QTest::newRow("after the sale start")
            << QStringList{"1 x OLD de $5.00 = $5.00", "-----(09:00)---> [TOTAL $5.00]",
                           "1 x N de $7.00 = $7.00"}
            << 2 << 7.0;
    }
    void replay() {
        QFETCH(QStringList, lines);
        QFETCH(int, first);
        QFETCH(double, total);
        QCOMPARE(NoteLines::replayTotal(lines, first, "$", es), total);
    }

    void englishReplayReadsItsOwnWords() {
        const QStringList lines{"1 x A of $100.00 = $100.00", "     +$10 interest", "     -5% discount"};
        QCOMPARE(NoteLines::replayTotal(lines, 0, "$", en), 104.5);
    }

    void cancelCaption() {
        QCOMPARE(NoteLines::cancelCaption("2 x A de $1.00 = $2.00", es),
                 QString("Cancelar [2 x A de $1.00]"));
        QCOMPARE(NoteLines::cancelCaption("     -5% de descuento", es),
                 QString("Cancelar [-5% de descuento]"));
    }

    void ticketTextTakesTheSaleWithoutItsTotal() {
        const QStringList record{"1 x OLD de $5.00 = $5.00", "-----> [TOTAL $5.00]", "2 x A de $1.00 = $2.00",
                                 "     -5% de descuento", "-----> [TOTAL $1.90]"};
        QCOMPARE(NoteLines::ticketText(record, 1), QString("2 x A de $1.00 \r\n     -5% de descuento\r\n"));
    }
};

QTEST_APPLESS_MAIN(NoteLinesTest)
#include "note_lines_test.moc"
