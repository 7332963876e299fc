#include "GuardedRead.h"

#include "core/base/Boxes.h"

#include <QFileInfo>

namespace GuardedRead {

QString unreadableMessage(const Language& language, const QString& path) {
    return language(FilePrefix) + QFileInfo(path).fileName() + language(NotChanged);
}

TextFile::ReadResult read(const QString& path, const Language& language, Boxes& boxes) {
    TextFile::ReadResult result = TextFile::read(path);
    if (result.unreadable()) boxes.say(unreadableMessage(language, path), Dialogs::Icon::Error);
    return result;
}

} // namespace GuardedRead
