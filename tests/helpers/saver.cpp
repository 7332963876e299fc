// A stand-in for the counter in tests that must kill a program or hold a folder from outside:
//   saver save DIR   saves the item list and today's register over and over, for ever
//   saver lock DIR   holds the folder's lock until stdin closes
#include "Versions.h"
#include "core/base/DataFolderLock.h"
#include "core/base/TextFile.h"
#include "core/register/DayRegister.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) return 2;
    const QString folder = args.at(2);
    if (args.at(1) == QLatin1String("lock")) {
        DataFolderLock lock(folder);
        if (!lock.tryLock()) return 3;
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        while (std::fgetc(stdin) != EOF) {
        }
        return 0;
    }
    const QString list = QDir(folder).filePath(QStringLiteral("VL Lista.txt"));
    const QString day = DayRegister::filePath(folder, QDate(2026, 12, 6), Language());
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (int n = 1;; ++n) {
        if (!TextFile::saveLines(list, Versions::lines(QStringLiteral("LISTA"), n))) return 1;
        if (!TextFile::saveLines(day, Versions::lines(QStringLiteral("VENTAS"), n))) return 1;
    }
}
