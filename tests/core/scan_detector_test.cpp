#include "core/counter/ScanDetector.h"

#include <QTest>

// Keys written as "<char>@<ms>" or "Enter@<ms>"; the scan found at the Enter, if any.
class ScanDetectorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scans_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("code");
        const auto fast = [](const QString& digits, qint64 start, qint64 gap) {
            QStringList out;
            for (int i = 0; i < digits.size(); ++i)
                out << QString(digits[i]) + "@" + QString::number(start + i * gap);
            out << "Enter@" + QString::number(start + digits.size() * gap);
            return out;
        };
        QTest::newRow("scanner, 13 digits") << fast("7501055300013", 1000, 8) << "7501055300013";
        QTest::newRow("scanner, at the limit") << fast("123456", 0, 30) << "123456";
        QTest::newRow("five characters are typing") << fast("12345", 0, 5) << "";
        QTest::newRow("hands, 120 ms apart") << fast("7501055300013", 0, 120) << "";
        QTest::newRow("one gap too long") << fast("123456", 0, 31) << "";
        QTest::newRow("typed, then a scan")
            << QStringList{"3@0", "x@400"} + fast("987654", 900, 10) << "987654";
        QTest::newRow("slow Enter after a fast run")
            << QStringList{"1@0", "2@5", "3@10", "4@15", "5@20", "6@25", "Enter@500"} << "";
        QTest::newRow("the clock going back breaks the run")
            << QStringList{"1@100", "2@105", "3@110", "4@20", "5@25", "6@30", "Enter@35"} << "";
        QTest::newRow("Enter from before the last key")
            << QStringList{"1@100", "2@105", "3@110", "4@115", "5@120", "6@125", "Enter@50"} << "";
        QTest::newRow("a move breaks the run")
            << QStringList{"1@0", "2@5", "3@10", "Down@12", "4@15", "5@20", "6@25", "Enter@30"} << "";
    }
    void scans() {
        QFETCH(QStringList, keys);
        QFETCH(QString, code);
        ScanDetector scan;
        QString found;
        for (const QString& k : keys) {
            const QString key = k.section('@', 0, 0);
            const qint64 ms = k.section('@', 1).toLongLong();
            if (key == "Enter")
                found = scan.enter(ms);
            else if (key.size() == 1)
                scan.key(key[0], ms);
            else
                scan.interrupt();
        }
        QCOMPARE(found, code);
        QVERIFY(scan.run().isEmpty());
    }
};

QTEST_GUILESS_MAIN(ScanDetectorTest)
#include "scan_detector_test.moc"
