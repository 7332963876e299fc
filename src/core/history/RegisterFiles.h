#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The register files of a shop folder, found by their names: the day's files of both languages
// ("VENTAS #05-12-2026.txt", "SALES #05-12-2026.txt"), their split-off files ("… (2).txt") and recovered
// files ("… (recuperado).txt", "… (recovered).txt"), and the older "Ventas de 05-12-2026.txt". A day is
// the sum of its files.
namespace RegisterFiles {

struct File {
    enum class Form { Day, Split, Recovered, OldStyle };
    QString path;
    QDate date;
    Form form = Form::Day;
    int part = 0; // the n of a split-off file
};

// What a file name says: nothing for a name that is no register file's. A name with a register's
// prefix and ".txt" whose date or suffix cannot be read gives a file with an invalid date.
std::optional<File> classify(const QString& fileName);

// The register files of a folder, in the order a day's lines were written: by date, then split-off
// files by their number, recovered files, the day's files. An old-style file counts only for a day
// with no other file: once the counter has opened it, its lines went into the day's file. `odd` gets
// the names of files that look like registers but cannot be read as one.
struct Scan {
    QList<File> files;
    QStringList odd;
};
// `memoryDate`: a day whose register is in memory, which stands for one of the day's files.
Scan scan(const QString& folder, const QDate& memoryDate = QDate());

// The largest register file read; a larger one is skipped as odd (a day's register is some hundred
// kilobytes).
inline constexpr qint64 kLargestFile = 64LL * 1024 * 1024;

} // namespace RegisterFiles
