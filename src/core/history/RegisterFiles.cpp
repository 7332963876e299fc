#include "RegisterFiles.h"

#include "core/register/RegisterTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace RegisterFiles {

namespace {

const QString kTxt = QStringLiteral(".txt");
const QString kOldPrefix = QStringLiteral("Ventas de ");

// "05-12-2026", also written without leading zeros.
QDate readDate(QStringView text) {
    const QString s = text.toString();
    QDate date = QDate::fromString(s, QStringLiteral("dd-MM-yyyy"));
    if (!date.isValid()) date = QDate::fromString(s, QStringLiteral("d-M-yyyy"));
    return date;
}

// The order of a day's files: split-off files first (they hold the day's earlier lines), by number.
int rank(const File& file) {
    switch (file.form) {
    case File::Form::OldStyle:
        return 0;
    case File::Form::Split:
        return 1;
    case File::Form::Recovered:
        return 2;
    case File::Form::Day:
        return 3;
    }
    return 3;
}

} // namespace

std::optional<File> classify(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const Language spanish;
    const Language english(QStringLiteral("EN"));
    QString prefix;
    bool old = false;
    for (const QString& p : {spanish(RegisterTexts::RegisterPrefix), english(RegisterTexts::RegisterPrefix)})
        if (name.startsWith(p)) prefix = p;
    if (prefix.isEmpty() && name.startsWith(kOldPrefix)) {
        prefix = kOldPrefix;
        old = true;
    }
    if (prefix.isEmpty() || !name.endsWith(kTxt, Qt::CaseInsensitive)) return std::nullopt;
    File file;
    file.path = fileName;
    file.form = old ? File::Form::OldStyle : File::Form::Day;
    QStringView rest = QStringView(name).sliced(prefix.size());
    rest.chop(kTxt.size());
    // " (2)", " (recuperado)", " (recovered)" after the date.
    if (const qsizetype open = rest.indexOf(QStringLiteral(" (")); open >= 0 && rest.endsWith(u')') && !old) {
        const QStringView inside = rest.sliced(open + 2, rest.size() - open - 3);
        bool number = false;
        const int n = inside.toInt(&number);
        if (number && n > 0) {
            file.form = File::Form::Split;
            file.part = n;
        } else if (rest.sliced(open) == spanish(RegisterTexts::RecoveredSuffix) ||
                   rest.sliced(open) == english(RegisterTexts::RecoveredSuffix)) {
            file.form = File::Form::Recovered;
        } else {
            return file; // an invalid date: odd
        }
        rest = rest.first(open);
    }
    file.date = readDate(rest);
    return file;
}

Scan scan(const QString& folder, const QDate& memoryDate) {
    Scan result;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.txt"), QStringLiteral("*.TXT")},
                      QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
    QList<File> old;
    QSet<QDate> days;
    if (memoryDate.isValid()) days.insert(memoryDate);
    for (const QString& name : names) {
        std::optional<File> file = classify(dir.filePath(name));
        if (!file) continue;
        // A folder by a register's name is read, and counted as a file that could not be read.
        const QFileInfo info(file->path);
        if (!file->date.isValid() || (info.isFile() && info.size() > kLargestFile)) {
            result.odd.append(name);
            continue;
        }
        if (file->form == File::Form::OldStyle) {
            old.append(*file);
        } else {
            days.insert(file->date);
            result.files.append(*file);
        }
    }
    for (const File& file : old)
        if (!days.contains(file.date)) result.files.append(file);
    std::stable_sort(result.files.begin(), result.files.end(), [](const File& a, const File& b) {
        if (a.date != b.date) return a.date < b.date;
        if (rank(a) != rank(b)) return rank(a) < rank(b);
        if (a.part != b.part) return a.part < b.part;
        return a.path < b.path;
    });
    return result;
}

} // namespace RegisterFiles
