#include "core/register/RegisterEntry.h"
#include "core/register/RegisterLines.h"

#include <QTest>

#include <tuple>

using Kind = RegisterEntry::Kind;
Q_DECLARE_METATYPE(RegisterEntry::Kind)

using KindRow = std::tuple<QString, QString, Kind, QString, double, QString, double, double, double>;
using ReasonRow = std::tuple<QString, QString, double, int, double>;

class RegisterEntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:

    // Every kind in both languages, then the lines a shop's hands or a cut-short file leave behind. The
    // symbol is "$". Text is the reason of a booking or the description of an item.
    void readsEveryKind_data() {
        QTest::addColumn<KindRow>("row");
        const auto row = [](const char* name, const QString& language, const QString& line, Kind kind,
                            const QString& time, double amount, const QString& text = {}, double quantity = 0,
                            double price = 0, double percent = 0) {
            QTest::newRow(name) << KindRow{language, line,     kind,  time,   amount,
                                           text,     quantity, price, percent};
        };
        const QString es, en = "EN";
        row("sale total", es, "-----(14:35)------------------------------> [TOTAL $1,234.50]",
            Kind::SaleTotal, "14:35", 1234.5);
        row("cancelled", es, "-----(14:35)------------------------------> CANCELADO", Kind::Cancelled,
            "14:35", 0);
        row("entry", es, "-----(09:05)-------> [INGRESO $50.00] cambio", Kind::CashEntry, "09:05", 50,
            "cambio");
        row("drawer opened", es, "-----(09:05)-------> [CAJA ABIERTA]", Kind::DrawerOpened, "09:05", 0);
        row("card sale", es, "*****(18:41)**************************** [TARJETA $86.00]", Kind::CardSale,
            "18:41", 86);
        row("simple card", es, "*****(18:41)********* [TARJETA $86.00]", Kind::SimpleCard, "18:41", 86);
        row("count", es, "=====(18:05)=====> [ARQUEO $1,450.00] esperado $1,462.50", Kind::Count, "18:05",
            1450, "esperado $1,462.50");
        row("item", es, "2 x PAN de $12.50 = $25.00", Kind::Item, "", 25, "PAN", 2, 12.5);
        row("item with discount", es, "2 x PAN DE CASA de $1,500.00 (-10%) = $2,700.00", Kind::Item, "", 2700,
            "PAN DE CASA", 2, 1500, 10);
        row("item with surcharge", es, "1.5 x PAN de $10.00 (+5%) = $15.75", Kind::Item, "", 15.75, "PAN",
            1.5, 10, -5);
        row("free item", es, "3 x BOLSA gratis", Kind::Item, "", 0, "BOLSA", 3);
        row("discount in per cent", es, "     -10% de descuento", Kind::Discount, "", 0, "", 0, 0, 10);
        row("discount as an amount", es, "     -$1,000 de descuento", Kind::Discount, "", 1000);
        row("interest in per cent", es, "     +16% de interés", Kind::Interest, "", 0, "", 0, 0, 16);

        row("entry en", en, "-----(09:05)-------> [ENTRY $1,500.00] change", Kind::CashEntry, "09:05", 1500,
            "change");
        row("withdrawal en", en, "-----(09:05)-------> [WITHDRAWAL $30.00] bank", Kind::CashWithdrawal,
            "09:05", 30, "bank");
        row("card sale en", en, "*****(18:41)**************************** [CARD $86.00]", Kind::CardSale,
            "18:41", 86);
        row("item en", en, "2 x MILK of $1.50 (-10%) = $2.70", Kind::Item, "", 2.7, "MILK", 2, 1.5, 10);
        row("free item en", en, "1 x BAG free", Kind::Item, "", 0, "BAG", 1);
        row("interest en", en, "     +$2.5 interest", Kind::Interest, "", 2.5);

        row("lower-case keyword", es, "-----(1)-------> [ingreso $10.00] Caja", Kind::CashEntry, "1", 10,
            "Caja");
        row("mixed-case card, short bridge", es, "*****(1)*** [Tarjeta $4.00]", Kind::SimpleCard, "1", 4);
        row("keyword cut short", es, "-----(2)-> [TOTA $9]", Kind::Other, "2", 0);
        row("cut short in the amount", es, "-----(09:00)------------------------------> [TOTAL $100.0",
            Kind::SaleTotal, "09:00", 100);
        row("cut short in the time", es, "-----(09:0", Kind::Other, "", 0);
        row("no symbol", es, "-----(09:00)-> [TOTAL 100.00]", Kind::SaleTotal, "09:00", 0);
        row("another currency", es, "-----(09:00)-> [TOTAL €5.00]", Kind::SaleTotal, "09:00", 0);
        row("spanish keyword read in english", en, "-----(09:05)-------> [INGRESO $50.00] cambio",
            Kind::Other, "09:05", 0);
        row("english keyword read in spanish", es, "*****(18:41)********* [CARD $86.00]", Kind::Other,
            "18:41", 0);
        row("brackets in the reason", es, "-----(09:05)-> [RETIRO $5.00] caja [TOTAL $9]",
            Kind::CashWithdrawal, "09:05", 5, "caja [TOTAL $9]");
        row("parenthesis after the brackets", es, "--- [TOTAL $5] (14:00)", Kind::SaleTotal, "", 5,
            "(14:00)");
        row("bare count", es, "=", Kind::Count, "", 0);
        row("unknown booking", es, "--- nada $5", Kind::Other, "", 0);
        row("empty", es, "", Kind::Other, "", 0);
        row("single signs", es, "-*", Kind::Other, "", 0);
        row("item cut short", es, "2 x PAN de $12", Kind::Other, "", 0);
        row("no bracket", es, "-----(2)-> TOTAL $9", Kind::Other, "2", 0);
        row("plain text", es, "hola $3", Kind::Other, "", 0);
        row("item without symbol", es, "2 x PAN de 12.50 = 25.00", Kind::Other, "", 0);
        row("huge", es, QString(100000, 'x'), Kind::Other, "", 0);
        row("binary", es, QString::fromLatin1("\x01\xff$12 x ["), Kind::Other, "", 0);
    }
    void readsEveryKind() {
        QFETCH(KindRow, row);
        auto [language, line, kind, time, amount, text, quantity, price, percent] = row;
        const RegisterEntry entry = RegisterEntry::read(line, "$", Language(language));
        QCOMPARE(int(entry.kind()), int(kind));
        QCOMPARE(entry.line(), line);
        QCOMPARE(entry.time(), time);
        QCOMPARE(entry.amount(), amount);
        QCOMPARE(kind == Kind::Item ? entry.description() : entry.reason(), text);
        QCOMPARE(entry.quantity(), quantity);
        QCOMPARE(entry.unitPrice(), price);
        QCOMPARE(entry.percent(), percent);
    }

    // A line's keyword is read only where the program writes it: a reason (or anything after the
    // brackets, or an item's description) that names another kind changes no total.
    void reasonsNeverChangeTheTotals_data() {
        QTest::addColumn<ReasonRow>("row");
        const QStringList reasons{"pago total", "ingreso", "tarjeta", "retiro",        "cancelado",
                                  "total paid", "card",    "entry",   "[TOTAL $50.00]"};
        for (const QString& code : {QString(), QString("EN")}) {
            const Language language(code);
            struct Case {
                const char* name;
                QString line;
                double cash;
                int sales;
                double cards;
            };
            const auto withReason = [&](const QString& reason) -> QList<Case> {
                const QString after = u' ' + reason;
                return {
                    {"sale total", RegisterLines::saleTotal("10:00", "$", 100) + after, 100, 1, 0},
                    {"cancelled", RegisterLines::cancelled("10:00", language) + after, 0, 0, 0},
                    {"entry", RegisterLines::cashEntry("10:00", "$", 100, reason, language), 100, 0, 0},
                    {"withdrawal", RegisterLines::cashWithdrawal("10:00", "$", 100, reason, language), -100,
                     0, 0},
                    {"drawer opened", RegisterLines::drawerOpened("10:00", language) + after, 0, 0, 0},
                    {"card sale", RegisterLines::cardSale("10:00", "$", 100, language) + after, 0, 0, 100},
                    {"simple card", RegisterLines::simpleCard("10:00", "$", 100, language) + after, 0, 0,
                     100},
                    {"item",
                     "1 x " + reason + (code.isEmpty() ? " de $100.00 = $100.00" : " of $100.00 = $100.00"),
                     0, 0, 0},
                };
            };
            for (const QString& reason : reasons)
                for (const Case& k : withReason(reason))
                    QTest::addRow("%s %s: %s", qPrintable(code.isEmpty() ? "es" : "en"), k.name,
                                  qPrintable(reason))
                        << ReasonRow{code, k.line, k.cash, k.sales, k.cards};
        }
    }
    void reasonsNeverChangeTheTotals() {
        QFETCH(ReasonRow, row);
        auto [language, line, cash, sales, cards] = row;
        const Language lang(language);
        QCOMPARE(RegisterLines::cashTotal({line}, "$", lang), cash);
        QCOMPARE(RegisterLines::saleCount({line}, lang), sales);
        QCOMPARE(RegisterLines::cardSum({line}, "$", lang), cards);
        QCOMPARE(RegisterLines::cardCount({line}, lang), cards > 0 ? 1 : 0);
    }

    // The language comes from the file's name, the symbol from its first line.
    void aFileIsReadInTheLanguageOfItsName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("language"); // "none": no register file
        QTest::newRow("spanish") << "/tienda/VENTAS #05-12-2026.txt"
                                 << "";
        QTest::newRow("english split-off") << "SALES #05-12-2026 (2).txt"
                                           << "EN";
        QTest::newRow("old-style name") << "Ventas de 05-12-2026.txt"
                                        << "";
        QTest::newRow("recovered") << "VENTAS #05-12-2026 (recuperado).txt"
                                   << "";
        QTest::newRow("not a register") << "VL Lista.txt"
                                        << "none";
    }
    void aFileIsReadInTheLanguageOfItsName() {
        QFETCH(QString, name);
        QFETCH(QString, language);
        const std::optional<Language> told = RegisterEntry::languageOfFile(name);
        QCOMPARE(told.has_value(), language != "none");
        const auto entries =
            RegisterEntry::readFile(name, {"1 x A de €5.00 = €5.00", "-----(10:00)-> [TOTAL €5.00]",
                                           "-----(10:05)-> [INGRESO €1,000.00] x"});
        QCOMPARE(entries.has_value(), told.has_value());
        if (!told) return;
        QCOMPARE(told->isEnglish(), language == "EN");
        double cash = 0;
        for (const RegisterEntry& entry : *entries)
            cash += entry.cash();
        QCOMPARE(cash, told->isEnglish() ? 5.0 : 1005.0);
    }
};

QTEST_APPLESS_MAIN(RegisterEntryTest)
#include "register_entry_test.moc"
