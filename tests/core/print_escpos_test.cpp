#include "core/printing/EscPosEncoder.h"

#include <QTest>

#include <tuple>

namespace {

using Options = EscPosEncoder::Options;
using CodePage = EscPosEncoder::CodePage;

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

const QByteArray kInit = bytes({0x1B, 0x40});
const QByteArray kTable16 = bytes({0x1B, 0x74, 16});
const QByteArray kTable19 = bytes({0x1B, 0x74, 19});
const QByteArray kBoldOn = bytes({0x1B, 0x45, 1});
const QByteArray kBoldOff = bytes({0x1B, 0x45, 0});
const QByteArray kTall = bytes({0x1D, 0x21, 0x01});
const QByteArray kNormal = bytes({0x1D, 0x21, 0x00});
const QByteArray kCut = bytes({0x1D, 0x56, 0x41, 3});
const QByteArray kKick = bytes({0x1B, 0x70, 0, 0x19, 0xFA});

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

using JobRow = std::tuple<int, bool, bool, bool, QByteArray>;

class PrintEscPosTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void job_data() {
        QTest::addColumn<JobRow>("row");

        // Empty line bold, name bold, body plain, amount tall, back to normal.
        const QByteArray body = kBoldOn + "\nTIENDA\n" + kBoldOff + "PAN\n" + kTall + "Importe: $5.00\n" +
                                kNormal + "Efectivo: $5.00\n";
        QTest::newRow("80 mm, table 16, cut")
            << JobRow{48, false, true, false, kInit + kTable16 + body + kCut};
        QTest::newRow("no cut") << JobRow{48, false, false, false, kInit + kTable16 + body};
        QTest::newRow("drawer kick first")
            << JobRow{48, false, true, true, kInit + kKick + kTable16 + body + kCut};
        QTest::newRow("code page 858") << JobRow{32, true, true, false, kInit + kTable19 + body + kCut};
    }
    void job() {
        QFETCH(JobRow, row);
        auto [columns, pc858, cut, kick, expected] = row;
        PrintDocument document;
        document.font(s("Segoe UI")).size(7).bold(true).line(QString()).line(s("TIENDA")).bold(false);
        document.line(s("PAN")).size(10).line(s("Importe: $5.00")).size(7).line(s("Efectivo: $5.00"));
        const EscPosEncoder encoder(Options{columns, pc858 ? CodePage::Pc858 : CodePage::Windows1252, cut});
        QCOMPARE(encoder.encode(document, kick), expected);
    }

    void text_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pc858");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("1252 accents and euro") << s("Juárez ñ €5") << false
                                               << QByteArray("Ju\xE1rez \xF1 \x80"
                                                             "5");
        QTest::newRow("858 accents and euro") << s("Juárez ñ €5") << true
                                              << QByteArray("Ju\xA0rez \xA4 \xD5"
                                                            "5");
        QTest::newRow("1252 lacks Cyrillic") << s("Дом") << false << QByteArray("???");
        QTest::newRow("858 lacks curly quotes") << s("“A”") << true << QByteArray("?A?");
        QTest::newRow("emoji is one character") << s("a😀b") << false << QByteArray("a?b");
        QTest::newRow("escape in a shop name is no command") << s("A\x1B"
                                                                  "d\x7F")
                                                             << false << QByteArray("A?d?");
        QTest::newRow("undefined 1252 byte is a control") << QString(QChar(0x81)) << false << QByteArray("?");
    }
    void text() {
        QFETCH(QString, text);
        QFETCH(bool, pc858);
        QFETCH(QByteArray, expected);
        const EscPosEncoder encoder(Options{48, pc858 ? CodePage::Pc858 : CodePage::Windows1252, true});
        QCOMPARE(encoder.encodeText(text), expected);
    }

    void wrap_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("empty") << QByteArray() << 8 << QList<QByteArray>{""};
        QTest::newRow("fits") << QByteArray("12345678") << 8 << QList<QByteArray>{"12345678"};
        QTest::newRow("at a blank") << QByteArray("aaa bbb ccc") << 8 << QList<QByteArray>{"aaa bbb", "ccc"};
        QTest::newRow("long word cut at the edge")
            << QByteArray("abcdefghijkl") << 5 << QList<QByteArray>{"abcde", "fghij", "kl"};
        QTest::newRow("blank right after the edge")
            << QByteArray("abcde fgh") << 5 << QList<QByteArray>{"abcde", "fgh"};
        QTest::newRow("leading blanks kept") << QByteArray("  ab") << 8 << QList<QByteArray>{"  ab"};
    }
    void wrap() {
        QFETCH(QByteArray, line);
        QFETCH(int, columns);
        QFETCH(QList<QByteArray>, expected);
        QCOMPARE(EscPosEncoder::wrap(line, columns), expected);
    }

    // Nothing of a long register line is lost on 58 mm paper: cut at the edge, the rest below.
    void longLinesWrapWithoutLoss() {
        const QString line = s("-----(12:30)------------------------------> [TOTAL $1,234.50]");
        PrintDocument document;
        document.size(5).line(line);
        const QByteArray job = EscPosEncoder(Options{32, CodePage::Windows1252, false}).encode(document);
        QList<QByteArray> printed = job.mid(kInit.size() + kTable16.size()).split('\n');
        QCOMPARE(printed.takeLast(), QByteArray());
        QCOMPARE(printed,
                 (QList<QByteArray>{"-----(12:30)--------------------", "----------> [TOTAL $1,234.50]"}));
    }

    void paperColumns() {
        QCOMPARE(EscPosEncoder::columnsForPaper(58), 32);
        QCOMPARE(EscPosEncoder::columnsForPaper(80), 48);
    }

    // What the printer answers to DLE EOT 1 and DLE EOT 4.
    void status_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("status");
        using Status = EscPosEncoder::Status;
        QTest::newRow("online with paper") << bytes({0x12, 0x12}) << int(Status::Ready);
        QTest::newRow("paper near its end") << bytes({0x12, 0x1E}) << int(Status::Ready);
        QTest::newRow("drawer open signal") << bytes({0x16, 0x12}) << int(Status::Ready);
        QTest::newRow("offline") << bytes({0x1A, 0x12}) << int(Status::Offline);
        QTest::newRow("paper out") << bytes({0x12, 0x72}) << int(Status::NoPaper);
        QTest::newRow("offline and out of paper") << bytes({0x1A, 0x72}) << int(Status::Offline);
        QTest::newRow("one answer only") << bytes({0x12}) << int(Status::Unanswered);
        // An automatic status message (4 bytes, bit 4 of each clear or bits 0-1 of the first clear)
        // before the answers is skipped.
        QTest::newRow("automatic status first")
            << bytes({0x10, 0x00, 0x00, 0x0F, 0x12, 0x72}) << int(Status::NoPaper);
    }
    void status() {
        QFETCH(QByteArray, received);
        QFETCH(int, status);
        QCOMPARE(int(EscPosEncoder::readStatus(received)), status);
        QCOMPARE(EscPosEncoder::statusRequest(), bytes({0x10, 0x04, 1, 0x10, 0x04, 4}));
    }

    void drawerOnly() { QCOMPARE(EscPosEncoder().drawerKick(), kInit + kKick); }
};

QTEST_APPLESS_MAIN(PrintEscPosTest)
#include "print_escpos_test.moc"
