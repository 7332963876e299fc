#include "TempShop.h"
#include "core/base/DataFolderLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

// Every entry of the folder with its size, time and content: what "nothing was written" compares.
QStringList snapshot(const QString& folder) {
    QStringList out;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        QFile file(entry.absoluteFilePath());
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        out.append(entry.fileName() + u' ' + entry.lastModified().toString(Qt::ISODateWithMs) + u' ' +
                   QString::fromLatin1(content.toHex()));
    }
    return out;
}

} // namespace

// A second program started on a shop folder that a running program already uses.
class SecondStartTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondStartOnTheSameFolderStops_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("spanish") << ""
                                 << "Vendel ya está abierto con esta carpeta de datos";
        QTest::newRow("english") << "EN"
                                 << "Vendel is already running on this data folder";
    }
    void secondStartOnTheSameFolderStops() {
        QFETCH(QString, language);
        QFETCH(QString, message);
        TempShop shop;
        shop.write(language.isEmpty() ? "VL Lista.txt" : "VL List.txt", {"[5] PAN $1.00"});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QStringList args{"--data-dir", shop.path()};
        if (!language.isEmpty()) args << "--language" << language;

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(QStringLiteral(VENDEL_EXECUTABLE), args);
        QVERIFY(first.waitForStarted(60000));
        // The first program holds the folder and has written its settings once loaded.
        QVERIFY(QTest::qWaitFor(
            [&] { return shop.exists("VL Config.ini") && shop.exists(DataFolderLock::fileName()); }, 60000));
        QStringList before = snapshot(shop.path());
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QStringList now = snapshot(shop.path());
                const bool settled = now == before;
                before = now;
                return settled;
            },
            60000));

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(VENDEL_EXECUTABLE), args);
        QVERIFY(second.waitForFinished(60000));
        const QString err = QString::fromUtf8(second.readAllStandardError());
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 3);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY2(err.contains(QString::number(first.processId())), qPrintable(err));
        QCOMPARE(snapshot(shop.path()), before);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        QVERIFY(first.waitForFinished(60000));
    }
};

QTEST_MAIN(SecondStartTest)
#include "second_start_test.moc"
