#include "core/printing/Documents.h"

#include <QTest>

#include <tuple>

using Documents::TicketData;

namespace {

const Language kEs;
const Language kEn(QStringLiteral("EN"));

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList split(const char* joined) {
    return s(joined).split(u'|');
}

TicketData fullTicket(const Language& language) {
    TicketData data;
    data.shop = {s("Abarrotes La Esquina"), s("Av. Juárez 128"),  s("555 123 4567"),
                 s("rfc aes-010203"),       s("Sucursal Centro"), s("¡Gracias por su preferencia!")};
    data.dateText = s("05/12/2026");
    data.timeText = s("14:35");
    data.ticketNumber = 7;
    data.itemText = s("2 x PAN de $12.50 = $25.00\r\n1 x LECHE de $371.00 = $371.00\r\n");
    data.cashText = s("$500.00");
    data.changeText = s("$104.00");
    data.symbol = s("$");
    data.language = language;
    return data;
}

// The lines printed at 10 points.
QStringList largeLines(const PrintDocument& document) {
    QStringList out;
    for (const auto& line : document.printedLines())
        if (line.size == 10) out << line.text;
    return out;
}

QStringList boldLines(const PrintDocument& document) {
    QStringList out;
    for (const auto& line : document.printedLines())
        if (line.bold) out << line.text;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Documents::Shop)
Q_DECLARE_METATYPE(Documents::TicketData)
Q_DECLARE_METATYPE(Language)

using AmountRow = std::tuple<QString, QString, QString, bool>;
using ReportRow = std::tuple<QStringList, Language, QStringList, QString>;

// mark: the business copy's; empty: not printed
using TicketRow = std::tuple<TicketData, QStringList, QString>;
using SerieRow = std::tuple<QString, int, QString>;
using ShopDataRow = std::tuple<Documents::Shop, Language, QStringList>;

class PrintDocumentsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The customer's ticket; the business copy has the mark in place of the legend.
    void ticket_data() {
        QTest::addColumn<TicketRow>("row");
        QTest::newRow("full, cash, Spanish") << TicketRow{
            fullTicket(kEs),
            split("|ABARROTES LA ESQUINA|Av. Juárez 128||TEL 555 123 4567|RFC AES-010203|FECHA 05/12/2026|"
                  "HORA 14:35|SUCURSAL CENTRO|Ticket No. 007||Descripción:|2 x PAN de $12.50 = $25.00|"
                  "1 x LECHE de $371.00 = $371.00||Importe: $396.00|Efectivo: $500.00|Cambio: $104.00||"
                  "¡Gracias por su preferencia!||||.|"),
            s("N-E-G-O-C-I-O")};
        TicketData en = fullTicket(kEn);
        en.shop.legend = s("Thanks!");
        QTest::newRow("full, cash, English") << TicketRow{
            en,
            split("|ABARROTES LA ESQUINA|Av. Juárez 128||PHONE 555 123 4567|RFC AES-010203|DATE 05/12/2026|"
                  "TIME 14:35|SUCURSAL CENTRO|Ticket No. 007||Description:|2 x PAN de $12.50 = $25.00|"
                  "1 x LECHE de $371.00 = $371.00||Amount: $396.00|Cash: $500.00|Change: $104.00||"
                  "Thanks!||||.|"),
            s("B-U-S-I-N-E-S-S")};
        // Blank (only blanks) shop lines leave out their lines; the date line follows an empty line.
        TicketData blank = fullTicket(kEs);
        blank.shop = {s("Mi negocio"), s("  "), QString(), s(" "), s("   "), QString()};
        blank.ticketNumber = 1000;
        blank.paidByCard = true;
        blank.itemText = s("1 x PAN de $396.00 = $396.00\r\n");
        QTest::newRow("blank shop lines, card, number 1000")
            << TicketRow{blank,
                         split("|MI NEGOCIO||FECHA 05/12/2026|HORA 14:35|Ticket No. 1000||Descripción:|"
                               "1 x PAN de $396.00 = $396.00||Importe: $396.00|Compra con tarjeta||||.|"),
                         QString()};
    }
    void ticket() {
        QFETCH(TicketRow, row);
        auto [data, expected, mark] = row;
        const PrintDocument document = Documents::customerTicket(data, s("396.00"));
        QCOMPARE(document.lines(), expected);
        QCOMPARE(document.kind(), PrintDocument::Kind::Ticket);
        // Only the opening empty line and the shop name are bold; only the amount is large.
        QCOMPARE(boldLines(document), (QStringList{QString(), data.shop.name.toUpper()}));
        QCOMPARE(largeLines(document).size(), 1);
        QVERIFY(largeLines(document).constFirst().endsWith(s(" $396.00")));
        for (const auto& line : document.printedLines()) {
            QCOMPARE(line.font, s("Segoe UI"));
            QVERIFY(line.size == 7 || line.size == 10);
        }
        if (mark.isEmpty()) return;
        const PrintDocument copy = Documents::businessTicket(data, s("396.00"));
        expected[expected.size() - 6] = mark;
        QCOMPARE(copy.lines(), expected);
        QCOMPARE(copy.kind(), PrintDocument::Kind::BusinessCopy);
    }

    // The printer's settings change in this order, each once.
    void ticketSteps() {
        TicketData data = fullTicket(kEs);
        data.paidByCard = true;
        QStringList steps = Documents::customerTicket(data, s("396.00")).stepTexts();
        QCOMPARE(steps.mid(0, 5), (QStringList{s("font Segoe UI"), s("size 7"), s("bold 1"), s("line "),
                                               s("line ABARROTES LA ESQUINA")}));
        QCOMPARE(steps.at(5), s("bold 0"));
        QCOMPARE(steps.at(6), s("line ") + Documents::ticketBody(data));
        QCOMPARE(steps.mid(7), (QStringList{s("size 10"), s("line Importe: $396.00"), s("size 7"),
                                            s("line Compra con tarjeta"), s("line "),
                                            s("line ¡Gracias por su preferencia!"), s("line "), s("line "),
                                            s("line "), s("line ."), s("line ")}));
    }

    void serie_data() {
        QTest::addColumn<SerieRow>("row");
        QTest::newRow("no remark, padded") << SerieRow{QString(), 7, s("Ticket No. 007\r\n")};
        QTest::newRow("blank remark") << SerieRow{s("   "), 12, s("Ticket No. 012\r\n")};
        QTest::newRow("remark in capitals, untrimmed")
            << SerieRow{s(" sucursal ñ"), 1, s(" SUCURSAL Ñ\r\nTicket No. 001\r\n")};
        QTest::newRow("four digits kept") << SerieRow{QString(), 1000, s("Ticket No. 1000\r\n")};
    }
    void serie() {
        QFETCH(SerieRow, row);
        auto [remark, number, expected] = row;
        QCOMPARE(Documents::eSerie(remark, number), expected);
    }

    void amount_data() {
        QTest::addColumn<AmountRow>("row");
        QTest::newRow("cash total") << AmountRow{
            s("-----(14:35)------------------------------> [TOTAL $396.00]"), s("$"), s("396.00"), true};
        QTest::newRow("grouped") << AmountRow{
            s("-----(12:30)------------------------------> [TOTAL $1,234.50]"), s("$"), s("1,234.50"), true};
        QTest::newRow("card sale") << AmountRow{
            s("*****(18:41)**************************** [TARJETA €86.00]"), s("€"), s("86.00"), true};
        QTest::newRow("no symbol: no ticket") << AmountRow{
            s("-----(14:35)------------------------------> [TOTAL $396.00]"), s("€"), QString(), false};
        QTest::newRow("empty register") << AmountRow{QString(), s("$"), QString(), false};
    }
    void amount() {
        QFETCH(AmountRow, row);
        auto [line, symbol, expected, found] = row;
        const auto amount = Documents::ticketAmount(line, symbol);
        QCOMPARE(amount.has_value(), found);
        if (found) QCOMPARE(*amount, expected);
    }

    void report_data() {
        QTest::addColumn<ReportRow>("row");
        const auto row = [](const char* name, const QString& lines, const Language& language,
                            const QString& body, const char* total) {
            QTest::newRow(name) << ReportRow{lines.isEmpty() ? QStringList() : lines.split(u'|'), language,
                                             body.split(u'|'), s(total)};
        };
        const QString items = s("2 x PAN de $12.50 = $25.00|1 x LECHE de $371.00 = $371.00|");
        const QString sale = s("-----(10:00)------------------------------> [TOTAL $396.00]");
        const QString t500 = s("-----(10:00)------------------------------> [TOTAL $500.00]");
        const QString out = s("-----(11:00)-------> [RETIRO $700.00] banco");
        const QString in = s("-----(09:00)-------> [INGRESO $1,000.00] cambio");
        const QString card = s("*****(10:30)**************************** [TARJETA $99.00]");
        const QString outTotal = s("-----(11:00)-------> [WITHDRAWAL $50.00] total");
        row("one sale of two items", items + sale, kEs, items + sale + "||", "TOTAL EN CAJA $396.00");
        row("negative total never grouped", t500 + "|" + out, kEs, t500 + "||" + out + "||",
            "TOTAL EN CAJA $-200.00");
        row("grouped total, card line not counted", in + "|" + t500 + "|" + card, kEs,
            in + "||" + t500 + "||" + card + "||", "TOTAL EN CAJA $1,500.00");
        row("empty register", "", kEs, "", "TOTAL EN CAJA $0.00");
        row("English: a withdrawal whose reason says total subtracts", outTotal, kEn, outTotal + "||",
            "TOTAL CASH $-50.00");
    }
    void report() {
        QFETCH(ReportRow, row);
        auto [registerLines, language, body, total] = row;
        Documents::ReportData data{
            s("Abarrotes La Esquina"), s("05/12/2026"), s("14:35"), registerLines, s("$"), language};
        const PrintDocument document = Documents::report(data);
        const QString heading =
            (language.isEnglish() ? s("REGISTRY") : s("REGISTRO")) + s(" - 05/12/2026 14:35");
        const QStringList expected = QStringList{QString(), s("ABARROTES LA ESQUINA"), heading, QString()} +
                                     body + QStringList{total, QString(), QString(), s("."), QString()};
        QCOMPARE(document.lines(), expected);
        QCOMPARE(document.kind(), PrintDocument::Kind::Report);
        // The body in 5 points between the heading and the total in 8; nothing bold.
        const auto printed = document.printedLines();
        for (std::size_t i = 0; i < printed.size(); ++i) {
            const bool inBody = i >= 4 && i < 4 + std::size_t(body.size());
            QCOMPARE(printed[i].size, inBody ? 5.0 : 8.0);
            QVERIFY(!printed[i].bold);
        }
    }

    void notice_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("blank address: an empty line under the name")
            << s("  ")
            << split("|MI NEGOCIO||Ticket No. 003||Movimiento:|-----(09:05)-------> [RETIRO $50.00]");
        QTest::newRow("address, then an empty line")
            << s("Av. Juárez 128")
            << split("|MI NEGOCIO|Av. Juárez 128||Ticket No. 003||Movimiento:|-----(09:05)-------> [RETIRO "
                     "$50.00]");
    }
    void notice() {
        QFETCH(QString, address);
        QFETCH(QStringList, expected);
        const QString info =
            Documents::movementNotice(QString(), 3, s("-----(09:05)-------> [RETIRO $50.00]"), kEs);
        const PrintDocument document = Documents::notice(s("Mi negocio"), address, info);
        // The movement text ends in fifteen line breaks and ".": fourteen empty lines.
        QStringList lines = document.lines();
        QCOMPARE(lines.takeLast(), s("."));
        for (int i = 0; i < 14; ++i)
            QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines, expected);
        QCOMPARE(boldLines(document), (QStringList{QString(), s("MI NEGOCIO")}));
        QCOMPARE(document.kind(), PrintDocument::Kind::Notice);
    }

    void shopData_data() {
        QTest::addColumn<ShopDataRow>("row");
        QTest::newRow("every line, Spanish") << ShopDataRow{
            Documents::Shop{s("Abarrotes"), s("Av. Juárez 128"), s("555 123"), s("rfc x"), {}, {}}, kEs,
            split("|ABARROTES|Av. Juárez 128||TEL 555 123|RFC X||...")};
        QTest::newRow("only the phone")
            << ShopDataRow{Documents::Shop{s("Abarrotes"), s(" "), s("555 123"), {}, {}, {}}, kEs,
                           split("|ABARROTES||TEL 555 123||...")};
        QTest::newRow("nothing but the name") << ShopDataRow{
            Documents::Shop{s("Mi negocio"), {}, {}, {}, {}, {}}, kEs, split("|MI NEGOCIO|||...")};
    }
    void shopData() {
        QFETCH(ShopDataRow, row);
        auto [shop, language, expected] = row;
        const PrintDocument document = Documents::shopData(shop, language);
        QCOMPARE(document.lines(), expected);
        QCOMPARE(boldLines(document), QStringList{shop.name.toUpper()});
        for (const auto& line : document.printedLines())
            QCOMPARE(line.size, 9.0);
    }

    void testPage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Spanish")
            << kEs
            << split("|ÑANDÚ|PRUEBA DE IMPRESIÓN|05/12/2026 14:35|áéíóú ÁÉÍÓÚ ñÑ üÜ ¿? ¡! €|"
                     "32 columnas:|----+----1----+----2----+----3--|48 columnas:|"
                     "----+----1----+----2----+----3----+----4----+---|1234567890||||.|");
    }
    void testPage() {
        QFETCH(Language, language);
        QFETCH(QStringList, expected);
        const PrintDocument document = Documents::testPage(s("Ñandú"), s("05/12/2026 14:35"), language);
        QCOMPARE(document.lines(), expected);
        QCOMPARE(boldLines(document), (QStringList{QString(), s("ÑANDÚ")}));
        QVERIFY(document.opensDrawer());
        QCOMPARE(PrintDocument::kindName(document.kind()), s("test"));
    }
};

QTEST_APPLESS_MAIN(PrintDocumentsTest)
#include "print_documents_test.moc"
