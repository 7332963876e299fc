#pragma once

#include <QString>
#include <QStringList>

// Housekeeping of the shop's folder at start-up.
namespace DataFolder {

// True for the name of a temporary file that a save leaves behind when the program dies in the middle:
// the save's own prefix (TextFile::kTemporaryPrefix), the file's name, a dot and six letters or
// digits, as in ".vendel-save-VL Lista.txt.aB3dE9". A name a person would give a backup
// ("VL Lista.txt.backup", "VENTAS #07-12-2026.txt.copias") never matches.
bool isStaleTemporary(const QString& fileName);

// Deletes every plain file of the folder whose name isStaleTemporary (never a folder or a link) and
// returns the names deleted. Call it only while the folder's lock is held, so that no other program
// is in the middle of a save.
QStringList removeStaleTemporaries(const QString& folder);

} // namespace DataFolder
