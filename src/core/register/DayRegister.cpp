#include "DayRegister.h"

#include "app/TextFile.h"
#include "register/RegisterTexts.h"

#include <QDir>

#include <algorithm>

namespace DayRegister {

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

QString splitPath(const QString& folder, const QDate& date, const Language& language, int n) {
    return QDir(folder).filePath(language(RegisterTexts::RegisterPrefix) + dateText(date) +
                                 QStringLiteral(" (") + QString::number(n) + QStringLiteral(").txt"));
}

std::optional<QStringList> load(const QString& folder, const QDate& date, const Language& language) {
    QString source = filePath(folder, date, language);
    if (!TextFile::eFind(source)) {
        source = oldStylePath(folder, date);
        if (!TextFile::eFind(source)) return std::nullopt;
    }
    auto lines = TextFile::readLines(source);
    if (!lines) return std::nullopt;
    lines->removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

bool save(const QString& folder, const QDate& date, const Language& language, const QStringList& lines,
          QString* error) {
    const QString path = filePath(folder, date, language);
    const bool empty =
        std::all_of(lines.begin(), lines.end(), [](const QString& l) { return l.trimmed().isEmpty(); });
    if (empty) {
        if (TextFile::removeIfExists(path)) return true;
        if (error) *error = QStringLiteral("the empty register's file could not be deleted");
        return false;
    }
    return TextFile::saveLines(path, lines, error);
}

} // namespace DayRegister
