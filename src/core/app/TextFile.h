#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Plain text files of the shop's folder: Windows-1252, every line ended by CR LF.
namespace TextFile {

// The lines of a file, or nothing when it cannot be read (missing, a folder, no access). Lines end at
// LF; one CR right before it is dropped, so a file with bare LF line ends reads the same. A last line
// without a line end still counts; the line end of the last line gives no extra empty line.
std::optional<QStringList> readLines(const QString& path);

// The lines as file bytes: each line encoded and followed by CR LF.
QByteArray toBytes(const QStringList& lines);

// The one way a data file is written: the whole content goes to a temporary file in the same folder,
// which is synced to disk and renamed over the old file, then the folder itself is synced. A crash
// leaves the old file or the new one, never a mix. Returns false (and the reason in error) when any
// step failed; the old file is then untouched.
bool save(const QString& path, const QByteArray& content, QString* error = nullptr);
bool saveLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Deletes a file when it exists; false only when an existing file could not be deleted.
bool removeIfExists(const QString& path);

// True when the path names an existing file or folder (an empty path names nothing); never shows
// anything.
bool eFind(const QString& iFind);

} // namespace TextFile
