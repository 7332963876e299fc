#include "TempShop.h"
#include "core/base/CommandLine.h"
#include "core/printing/PrinterSettings.h"

#include <QSettings>
#include <QTest>

#include <tuple>

namespace {

using Kind = PrinterSettings::Kind;
using Link = PrinterSettings::Link;

PrinterSettings receipt(Link link, const QString& address) {
    PrinterSettings s;
    s.kind = Kind::Receipt;
    s.link = link;
    s.address = address;
    return s;
}

PrinterSettings withReceiptOptions(PrinterSettings s, int paper, int codepage, bool cut, bool drawer,
                                   bool status) {
    s.paper = paper;
    s.codepage = codepage;
    s.cut = cut;
    s.drawer = drawer;
    s.status = status;
    return s;
}

PrinterSettings systemPrinter(const QString& name) {
    PrinterSettings s;
    s.systemName = name;
    return s;
}

PrinterSettings folder(const QString& path) {
    PrinterSettings s;
    s.kind = Kind::Folder;
    s.folder = path;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(PrinterSettings)

// How a failed comparison shows the settings: kind|name|link|address|paper|codepage|cut|drawer|status|folder.
static char* toString(const PrinterSettings& s) {
    const QStringList fields{QString::number(int(s.kind)), s.systemName,
                             QString::number(int(s.link)), s.address,
                             QString::number(s.paper),     QString::number(s.codepage),
                             QString::number(s.cut),       QString::number(s.drawer),
                             QString::number(s.status),    s.folder};
    return qstrdup(fields.join(u'|').toUtf8().constData());
}

using CommandLineRow = std::tuple<PrinterSettings, QStringList, PrinterSettings, bool>;
using ReceiptTargetRow = std::tuple<PrinterSettings, bool, int, QString, int>;

// The printer as vendel.ini keeps it, and the command line over it.
class PrinterSettingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<PrinterSettings>("expected");
        QTest::newRow("no file: the system's default printer") << QByteArray() << PrinterSettings();
        QTest::newRow("receipt printer on the network")
            << QByteArray("[printer]\nkind=receipt\nconnection=tcp\naddress=192.168.1.50:9100\npaper=58\n"
                          "codepage=858\ncut=false\ndrawer=false\nstatus=false\n")
            << withReceiptOptions(receipt(Link::Tcp, "192.168.1.50:9100"), 58, 858, false, false, false);
        QTest::newRow("system printer by name")
            << QByteArray("[printer]\nkind=system\nname=Oficina\n") << systemPrinter("Oficina");
        QTest::newRow("folder") << QByteArray("[printer]\nkind=folder\nfolder=/srv/tickets\n")
                                << folder("/srv/tickets");
        // Values that cannot be read stand for their defaults.
        QTest::newRow("unreadable values")
            << QByteArray("[printer]\nkind=laser\nconnection=bluetooth\npaper=76\ncodepage=437\ncut=maybe\n")
            << PrinterSettings();
        QTest::newRow("not an ini file") << QByteArray("\xFF\xFE garbage = = [[\n") << PrinterSettings();
    }
    void read() {
        QFETCH(QByteArray, file);
        QFETCH(PrinterSettings, expected);
        TempShop shop;
        shop.writeBytes(PrinterSettings::kFileName, file);
        const QSettings settings(shop.file(PrinterSettings::kFileName), QSettings::IniFormat);
        QCOMPARE(PrinterSettings::read(settings), expected);

        // What is written reads back the same.
        TempShop other;
        {
            QSettings written(other.file(PrinterSettings::kFileName), QSettings::IniFormat);
            expected.write(written);
        }
        const QSettings again(other.file(PrinterSettings::kFileName), QSettings::IniFormat);
        QCOMPARE(PrinterSettings::read(again), expected);
    }

    void commandLine_data() {
        QTest::addColumn<CommandLineRow>("row");
        const PrinterSettings lan = receipt(Link::Tcp, "10.0.0.9:9100");
        QTest::newRow("nothing given") << CommandLineRow{lan, QStringList{}, lan, false};
        QTest::newRow("receipt printer on a device")
            << CommandLineRow{PrinterSettings(), QStringList{"--printer", "escpos:/dev/usb/lp0"},
                              receipt(Link::Device, "/dev/usb/lp0"), true};
        QTest::newRow("receipt printer on tcp")
            << CommandLineRow{systemPrinter("Oficina"), QStringList{"--printer", "escpos:tcp://caja:9101"},
                              [] {
                                  PrinterSettings s = receipt(Link::Tcp, "caja:9101");
                                  s.systemName = "Oficina";
                                  return s;
                              }(),
                              true};
        QTest::newRow("raw CUPS queue")
            << CommandLineRow{PrinterSettings(), QStringList{"--printer", "escpos:cups:TM-T20"},
                              receipt(Link::CupsQueue, "TM-T20"), true};
        QTest::newRow("system printer over a receipt printer")
            << CommandLineRow{lan, QStringList{"--printer", "Oficina"},
                              [&lan] {
                                  PrinterSettings s = lan;
                                  s.kind = Kind::System;
                                  s.systemName = "Oficina";
                                  return s;
                              }(),
                              true};
        QTest::newRow("folder wins over printer")
            << CommandLineRow{lan, QStringList{"--print-to", "/tmp/jobs", "--printer", "Oficina"},
                              [&lan] {
                                  PrinterSettings s = lan;
                                  s.kind = Kind::Folder;
                                  s.folder = "/tmp/jobs";
                                  return s;
                              }(),
                              true};
        QTest::newRow("receipt options over the saved printer") << CommandLineRow{
            lan, QStringList{"--paper", "58", "--codepage", "858", "--no-cut", "--no-drawer", "--no-status"},
            withReceiptOptions(lan, 58, 858, false, false, false), true};
        QTest::newRow("options cannot switch back on") << CommandLineRow{
            withReceiptOptions(lan, 58, 858, false, false, false), QStringList{"--paper", "80"},
            withReceiptOptions(lan, 80, 858, false, false, false), true};
    }
    void commandLine() {
        QFETCH(CommandLineRow, row);
        auto [saved, arguments, used, overrides] = row;
        const StartOptions options = CommandLine::parse(QStringList{"vendel"} + arguments, {});
        QCOMPARE(options.error, QString());
        QCOMPARE(saved.overriddenBy(options), used);
        QCOMPARE(PrinterSettings::overrides(options), overrides);
    }

    void receiptTarget_data() {
        QTest::addColumn<ReceiptTargetRow>("row");
        using Target = ReceiptTarget::Kind;
        QTest::newRow("usb device") << ReceiptTargetRow{receipt(Link::Device, "/dev/usb/lp0"), true,
                                                        int(Target::Device), "/dev/usb/lp0", 0};
        QTest::newRow("tcp default port") << ReceiptTargetRow{receipt(Link::Tcp, "192.168.1.50"), true,
                                                              int(Target::Tcp), "192.168.1.50", 9100};
        QTest::newRow("tcp with port") << ReceiptTargetRow{receipt(Link::Tcp, "printer.local:9101"), true,
                                                           int(Target::Tcp), "printer.local", 9101};
        QTest::newRow("tcp written as a url") << ReceiptTargetRow{receipt(Link::Tcp, "tcp://10.0.0.2:9100"),
                                                                  true, int(Target::Tcp), "10.0.0.2", 9100};
        QTest::newRow("cups queue") << ReceiptTargetRow{receipt(Link::CupsQueue, "TM-T20"), true,
                                                        int(Target::CupsQueue), "TM-T20", 0};
        QTest::newRow("no device") << ReceiptTargetRow{receipt(Link::Device, ""), false, 0, "", 0};
        QTest::newRow("no host") << ReceiptTargetRow{receipt(Link::Tcp, ":9100"), false, 0, "", 0};
        QTest::newRow("port too large")
            << ReceiptTargetRow{receipt(Link::Tcp, "caja:70000"), false, 0, "", 0};
        QTest::newRow("a path after the host")
            << ReceiptTargetRow{receipt(Link::Tcp, "caja:9100/x"), false, 0, "", 0};
        QTest::newRow("no queue") << ReceiptTargetRow{receipt(Link::CupsQueue, ""), false, 0, "", 0};
    }
    void receiptTarget() {
        QFETCH(ReceiptTargetRow, row);
        auto [settings, valid, kind, where, port] = row;
        const auto target = settings.receiptTarget();
        QCOMPARE(target.has_value(), valid);
        if (!valid) return;
        QCOMPARE(int(target->kind), kind);
        QCOMPARE(target->kind == ReceiptTarget::Kind::Tcp ? target->host : target->path, where);
        if (port) QCOMPARE(int(target->port), port);
    }
};

QTEST_APPLESS_MAIN(PrinterSettingsTest)
#include "printer_settings_test.moc"
