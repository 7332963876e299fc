#include "DayRegister.h"

#include "core/base/TextFile.h"
#include "core/register/RegisterTexts.h"

#include <QDir>

#include <algorithm>

namespace DayRegister {

bool isBlank(const QString& line) {
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' '; });
}

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd-MM-yyyy"));
}

QString filePath(const QString& folder, const QDate& date, const Language& language) {
    return QDir(folder).filePath(language(RegisterTexts::RegisterPrefix) + dateText(date) +
                                 QStringLiteral(".txt"));
}

QString oldStylePath(const QString& folder, const QDate& date) {
    return QDir(folder).filePath(QStringLiteral("Ventas de ") + dateText(date) + QStringLiteral(".txt"));
}

QString recoveredPath(const QString& folder, const QDate& date, const Language& language) {
    return QDir(folder).filePath(language(RegisterTexts::RegisterPrefix) + dateText(date) +
                                 language(RegisterTexts::RecoveredSuffix) + QStringLiteral(".txt"));
}

QString splitPath(const QString& folder, const QDate& date, const Language& language, int n) {
    return QDir(folder).filePath(language(RegisterTexts::RegisterPrefix) + dateText(date) +
                                 QStringLiteral(" (") + QString::number(n) + QStringLiteral(").txt"));
}

TextFile::ReadResult read(const QString& folder, const QDate& date, const Language& language) {
    TextFile::ReadResult result = TextFile::read(filePath(folder, date, language));
    // Once a cut split the day off, the old-style file's sales are in the split file: it is no longer
    // the day's source (and stays untouched).
    if (result.missing() && !TextFile::eFind(splitPath(folder, date, language, 1)))
        result = TextFile::read(oldStylePath(folder, date));
    result.lines.removeIf(isBlank);
    return result;
}

std::optional<QStringList> load(const QString& folder, const QDate& date, const Language& language) {
    TextFile::ReadResult result = read(folder, date, language);
    if (!result.ok()) return std::nullopt;
    return std::move(result.lines);
}

bool save(const QString& folder, const QDate& date, const Language& language, const QStringList& lines,
          QString* error) {
    return saveTo(filePath(folder, date, language), lines, error);
}

bool saveTo(const QString& path, const QStringList& lines, QString* error) {
    if (std::all_of(lines.begin(), lines.end(), isBlank)) {
        if (TextFile::removeIfExists(path)) return true;
        if (error) *error = QStringLiteral("the empty register's file could not be deleted");
        return false;
    }
    return TextFile::saveLines(path, lines, error);
}

} // namespace DayRegister
