#pragma once

#include "core/base/Language.h"
#include "core/base/TextFile.h"

#include <QString>

class Boxes;

// The load's reads of the shop's files. A file that is there but cannot be read (a read error of the
// disk, a link to a drive that is not connected) still holds the shop's data: the cashier is told
// once, naming the file, and its owner then leaves it alone for the rest of the run.
namespace GuardedRead {

inline constexpr Text FilePrefix{"El archivo ", "The file "};
inline constexpr Text NotChanged{" no se pudo leer, no se modificará.",
                                 " could not be read; it will not be changed."};

// "El archivo VL Lista.txt no se pudo leer, no se modificará."
QString unreadableMessage(const Language& language, const QString& path);

// Reads the file; when it cannot be read, shows the error box naming it.
TextFile::ReadResult read(const QString& path, const Language& language, Boxes& boxes);

} // namespace GuardedRead
