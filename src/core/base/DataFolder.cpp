#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace DataFolder {

bool isStaleTemporary(const QString& fileName) {
    // The six letters are what the temporary file's name gets in place of "XXXXXX".
    static const QRegularExpression pattern(
        QStringLiteral("^(?:VL Config\\.ini|VL Lista\\.txt|VL List\\.txt|VL Info\\.txt|"
                       "(?:VENTAS|SALES) #[0-9]{2}-[0-9]{2}-[0-9]{4}(?: \\([0-9]+\\))?\\.txt)"
                       "\\.[A-Za-z]{6}$"));
    return pattern.match(fileName).hasMatch();
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
