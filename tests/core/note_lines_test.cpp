#include "note/NoteLines.h"

#include <QTest>

// The lines a note holds and what is read back from them.
class NoteLinesTest : public QObject {
    Q_OBJECT

    const Language es{QStringLiteral("ES")};
    const Language en{QStringLiteral("EN")};

private Q_SLOTS:
    void itemLine_data() {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<double>("price");
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("amount");
        QTest::newRow("plain") << "2"
                               << "LECHE"
                               << "0" << 1.5 << "2 x LECHE de $1.50 = $3.00" << 3.0;
        QTest::newRow("discount") << "2"
                                  << "LECHE"
                                  << "10" << 1.5 << "2 x LECHE de $1.50 (-10%) = $2.70" << 2.7;
        QTest::newRow("negative discount is a surcharge")
            << "1"
            << "A"
            << "-10" << 10.0 << "1 x A de $10.00 (+10%) = $11.00" << 11.0;
        QTest::newRow("no description") << "1"
                                        << "  "
                                        << "0" << 4.0 << "1 x ARTÍCULO de $4.00 = $4.00" << 4.0;
        QTest::newRow("free") << "3"
                              << "BOLSA"
                              << "0" << 0.0 << "3 x BOLSA gratis" << 0.0;
        QTest::newRow("grouped") << "1"
                                 << "TV"
                                 << "0" << 1500.0 << "1 x TV de $1,500.00 = $1,500.00" << 1500.0;
    }
    void itemLine() {
        QFETCH(QString, quantity);
        QFETCH(QString, description);
        QFETCH(QString, discount);
        QFETCH(double, price);
        QFETCH(QString, line);
        QFETCH(double, amount);
        const NoteLines::Added added = NoteLines::item(quantity, description, discount, price, "$", es);
        QCOMPARE(added.line, line);
        QCOMPARE(added.amount, amount);
    }

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

    void adjustment_data() {
        QTest::addColumn<bool>("interest");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("line");
        QTest::addColumn<double>("total"); // applied to 200
        QTest::newRow("discount amount") << false << " 20 "
                                         << "     -$20 de descuento" << 180.0;
        QTest::newRow("discount percent") << false << "5%"
                                          << "     -5% de descuento" << 190.0;
        QTest::newRow("interest amount") << true << "20"
                                         << "     +$20 de interés" << 220.0;
        QTest::newRow("interest percent") << true << "16%"
                                          << "     +16% de interés" << 232.0;
    }
    void adjustment() {
        QFETCH(bool, interest);
        QFETCH(QString, answer);
        QFETCH(QString, line);
        QFETCH(double, total);
        const NoteLines::Adjustment a =
            interest ? NoteLines::interest(answer, "$", es) : NoteLines::discount(answer, "$", es);
        QCOMPARE(a.line, line);
        QCOMPARE(a.applied(200.0), total);
    }

    void acceptable_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("taken");
        QTest::newRow("amount") << "20" << true;
        QTest::newRow("99%") << "99%" << true;
        QTest::newRow("100%") << "100%" << false;
        QTest::newRow("negative") << "-5" << false;
        QTest::newRow("large amount") << "500" << true;
    }
    void acceptable() {
        QFETCH(QString, answer);
        QFETCH(bool, taken);
        QCOMPARE(NoteLines::acceptable(answer), taken);
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
