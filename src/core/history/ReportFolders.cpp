#include "ReportFolders.h"

#include "core/printing/PrinterSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ReportFolders {

namespace {
const QString kFolders = QStringLiteral("reports/folders");
}

QStringList read(const QString& dataDir) {
    const QSettings file(QDir(dataDir).filePath(PrinterSettings::kFileName), QSettings::IniFormat);
    QStringList folders;
    for (const QString& folder : file.value(kFolders).toStringList())
        if (!folder.trimmed().isEmpty() && !folders.contains(folder)) folders.append(folder);
    return folders;
}

bool write(const QString& dataDir, const QStringList& folders) {
    QSettings file(QDir(dataDir).filePath(PrinterSettings::kFileName), QSettings::IniFormat);
    file.setValue(kFolders, folders);
    file.sync();
    return file.status() == QSettings::NoError;
}

bool same(const QString& a, const QString& b) {
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

} // namespace ReportFolders
