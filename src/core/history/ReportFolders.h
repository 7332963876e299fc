#pragma once

#include <QString>
#include <QStringList>

// The other tills' folders the reports add to the shop's own, kept in the shop folder's "vendel.ini"
// (group [reports], key "folders"), beside the printer's settings.
namespace ReportFolders {

QStringList read(const QString& dataDir);
// False when the file could not be written.
bool write(const QString& dataDir, const QStringList& folders);
// Whether two paths name the same folder (links and ".." resolved).
bool same(const QString& a, const QString& b);

} // namespace ReportFolders
