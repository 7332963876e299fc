#include "TempShop.h"
#include "app/Cp1252.h"
#include "app/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TextFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteSurvivesReadAndWrite() {
        TempShop shop;
        QByteArray line;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n') line.append(char(b));
        const QByteArray content = line + "\r\n" + line + "\r\n";
        shop.writeBytes(QStringLiteral("a.txt"), content);

        const auto lines = TextFile::readLines(shop.file(QStringLiteral("a.txt")));
        QVERIFY(lines.has_value());
        QCOMPARE(lines->size(), 2);
        QCOMPARE(lines->at(0).size(), 254);
        QVERIFY(TextFile::saveLines(shop.file(QStringLiteral("b.txt")), *lines));
        QCOMPARE(shop.bytes(QStringLiteral("b.txt")), content);
    }

    void lineEnds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("bare LF reads the same") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("lone CR stays in the line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("euro and pound bytes") << QByteArray("\x80 \xa3 \xf1\r\n") << QStringList{"€ £ ñ"};
    }
    void lineEnds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        TempShop shop;
        shop.writeBytes(QStringLiteral("x.txt"), bytes);
        QCOMPARE(TextFile::readLines(shop.file(QStringLiteral("x.txt"))).value(), expected);
    }

    void missingOrFolderReadsNothing() {
        TempShop shop;
        QVERIFY(!TextFile::readLines(shop.file(QStringLiteral("none.txt"))).has_value());
        QVERIFY(!TextFile::readLines(shop.path()).has_value());
        QVERIFY(!TextFile::readLines(QString()).has_value());
    }

    void encodingRefusesWhatTheCodePageLacks() {
        QCOMPARE(Cp1252::encode(QString::fromUtf8("aĉ€😀b")), QByteArray("a?\x80?b"));
        QVERIFY(Cp1252::canEncode(QString::fromUtf8("ÁÉÍÓÚñü€£")));
        QVERIFY(!Cp1252::canEncode(QString::fromUtf8("ĉ")));
    }

    void saveWritesCrLfAfterEveryLine() {
        TempShop shop;
        QVERIFY(TextFile::saveLines(shop.file(QStringLiteral("l.txt")),
                                    {QStringLiteral("uno"), QString(), QStringLiteral("año")}));
        QCOMPARE(shop.bytes(QStringLiteral("l.txt")), QByteArray("uno\r\n\r\na\xf1o\r\n"));
    }

    void failedSaveIsReportedAndKeepsNothingHalfWritten() {
        TempShop shop;
        QDir(shop.path()).mkdir(QStringLiteral("blocked.txt"));
        QString error;
        QVERIFY(!TextFile::save(shop.file(QStringLiteral("blocked.txt")), "x\r\n", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!TextFile::save(shop.file(QStringLiteral("no/such/folder.txt")), "x\r\n"));
        // No temporary file is left behind.
        QCOMPARE(QDir(shop.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    void saveReplacesWholeFileAndKeepsPermissions() {
        TempShop shop;
        const QString path = shop.file(QStringLiteral("p.txt"));
        shop.writeBytes(QStringLiteral("p.txt"), QByteArray(5000, 'z'));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(TextFile::save(path, "short\r\n"));
        QCOMPARE(shop.bytes(QStringLiteral("p.txt")), QByteArray("short\r\n"));
        const QFile::Permissions unixBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(path) & unixBits,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }

    void saveThroughASymlinkedFolder() {
        TempShop shop;
        QDir(shop.path()).mkdir(QStringLiteral("real"));
        QVERIFY(QFile::link(shop.file(QStringLiteral("real")), shop.file(QStringLiteral("link"))));
        QVERIFY(TextFile::save(shop.file(QStringLiteral("link/f.txt")), "ok\r\n"));
        QCOMPARE(shop.bytes(QStringLiteral("real/f.txt")), QByteArray("ok\r\n"));
    }

    void existsAndRemove() {
        TempShop shop;
        QVERIFY(!TextFile::eFind(shop.file(QStringLiteral("gone.txt"))));
        QVERIFY(!TextFile::eFind(QString()));
        QVERIFY(TextFile::eFind(shop.path()));
        shop.writeBytes(QStringLiteral("gone.txt"), "1");
        QVERIFY(TextFile::removeIfExists(shop.file(QStringLiteral("gone.txt"))));
        QVERIFY(!shop.exists(QStringLiteral("gone.txt")));
        QVERIFY(TextFile::removeIfExists(shop.file(QStringLiteral("gone.txt"))));
    }
};

QTEST_APPLESS_MAIN(TextFileTest)
#include "textfile_test.moc"
