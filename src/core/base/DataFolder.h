#pragma once

#include <QString>
#include <QStringList>

// Housekeeping of the shop's folder at start-up.
namespace DataFolder {

// True for the name of a temporary file that a save of one of the program's files leaves behind when
// the program dies in the middle: the file's name, a dot and six letters, as in "VL Lista.txt.aBcDeF".
// The program's files are "VL Config.ini", "VL Lista.txt", "VL List.txt", "VL Info.txt", the day
// registers "VENTAS #dd-mm-yyyy.txt" and "SALES #dd-mm-yyyy.txt" and their split-off files
// "... (n).txt". Nothing else matches.
bool isStaleTemporary(const QString& fileName);

// Deletes every plain file of the folder whose name isStaleTemporary (never a folder or a link) and
// returns the names deleted. Call it only while the folder's lock is held, so that no other program
// is in the middle of a save.
QStringList removeStaleTemporaries(const QString& folder);

} // namespace DataFolder
