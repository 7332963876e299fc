#include "TempShop.h"
#include "ui/ports/QtShell.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Opening a document with the desktop's viewer, with stand-in xdg-open and xdg-mime programs on PATH.
class ShellTest : public QObject {
    Q_OBJECT

    static void writeScript(const QString& path, const QByteArray& body) {
        QFile script(path);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        QVERIFY(
            script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    }

private Q_SLOTS:
    void open_data() {
        QTest::addColumn<bool>("document");
        QTest::addColumn<bool>("opener");
        QTest::addColumn<QByteArray>("defaultApp"); // what xdg-mime answers; "-" for no xdg-mime at all
        QTest::addColumn<bool>("opened");
        QTest::newRow("viewer set") << true << true << QByteArray("org.gnome.Evince.desktop") << true;
        QTest::newRow("no viewer for pdf") << true << true << QByteArray() << false;
        QTest::newRow("no xdg-open") << true << false << QByteArray("org.gnome.Evince.desktop") << false;
        QTest::newRow("no xdg-mime") << true << true << QByteArray("-") << true;
        QTest::newRow("no document") << false << true << QByteArray("org.gnome.Evince.desktop") << false;
    }
    void open() {
        QFETCH(bool, document);
        QFETCH(bool, opener);
        QFETCH(QByteArray, defaultApp);
        QFETCH(bool, opened);
        TempShop shop;
        QVERIFY(QDir(shop.path()).mkpath(QStringLiteral("bin")));
        const QString bin = shop.file("bin");
        const QString log = shop.file("opened.txt");
        if (opener) writeScript(bin + "/xdg-open", "printf '%s' \"$1\" > '" + log.toLocal8Bit() + "'");
        if (defaultApp != "-") writeScript(bin + "/xdg-mime", "echo '" + defaultApp + "'");
        const QString help = shop.file("VL Help.pdf");
        if (document) shop.writeBytes("VL Help.pdf", "%PDF-1.4\n%%EOF\n");

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit());
        const bool result = QtShell().open(help);
        qputenv("PATH", path);
        QCOMPARE(result, opened);
        if (opened) {
            const auto written = [&] {
                QFile file(log);
                return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            };
            QTRY_COMPARE(written(), help.toLocal8Bit());
        }
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
