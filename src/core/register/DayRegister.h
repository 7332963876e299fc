#pragma once

#include "core/base/Language.h"
#include "core/base/TextFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The day register on disk: one text file per calendar day in the shop's folder, rewritten whole
// after every completed operation.
namespace DayRegister {

// "05-12-2026": the date text of the register's file names.
QString dateText(const QDate& date);

// "<folder>/VENTAS #05-12-2026.txt" ("SALES #" in English).
QString filePath(const QString& folder, const QDate& date, const Language& language);
// "<folder>/Ventas de 05-12-2026.txt": the older name, only ever read.
QString oldStylePath(const QString& folder, const QDate& date);
// Where the day's sales go while its file cannot be read: "<folder>/VENTAS #05-12-2026 (recuperado).txt".
QString recoveredPath(const QString& folder, const QDate& date, const Language& language);
// The n-th split-off file of the day: "<folder>/VENTAS #05-12-2026 (n).txt".
QString splitPath(const QString& folder, const QDate& date, const Language& language, int n);

// A line of nothing but blanks (U+0020), the empty line included. A line holding a tab or a no-break
// space is not blank: it is the shop's text and is kept.
bool isBlank(const QString& line);

// The day's lines: from the day's file, else from the old-style file; nothing when neither can be
// read. Blank lines are left out; the others are kept exactly as read.
// The same, telling a day without a file from a file that is there but cannot be read (which must
// then not be overwritten); the old-style file is looked at only when the day's file is missing and
// no cut has split the day off yet.
TextFile::ReadResult read(const QString& folder, const QDate& date, const Language& language);
std::optional<QStringList> load(const QString& folder, const QDate& date, const Language& language);

// Writes the lines to the day's file; a register of blank lines only deletes the file.
bool save(const QString& folder, const QDate& date, const Language& language, const QStringList& lines,
          QString* error = nullptr);
// The same to the given file.
bool saveTo(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace DayRegister
