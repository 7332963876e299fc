#include "DataFolder.h"

#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace DataFolder {

bool isStaleTemporary(const QString& fileName) {
    // The six characters are what the temporary file's name gets in place of "XXXXXX".
    static const QRegularExpression pattern(QRegularExpression::escape(TextFile::kTemporaryPrefix) +
                                            QStringLiteral(".+\\.[A-Za-z0-9]{6}$"));
    return fileName.startsWith(TextFile::kTemporaryPrefix) && pattern.match(fileName).hasMatch();
}

QStringList removeStaleTemporaries(const QString& folder) {
    QStringList removed;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || !entry.isFile() || !isStaleTemporary(entry.fileName())) continue;
        if (QFile::remove(entry.absoluteFilePath())) removed.append(entry.fileName());
    }
    return removed;
}

} // namespace DataFolder
