#include "QtShell.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The desktop's default application for a type, as xdg-mime reports it; empty when there is none.
// Without xdg-mime the question cannot be asked and xdg-open is trusted.
bool hasApplicationFor(const QString& mimeType) {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return true;
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
           !process.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool QtShell::open(const QString& path) {
    const QFileInfo document(path);
    if (!document.isFile() || !document.isReadable()) return false;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return false;
    if (!hasApplicationFor(QMimeDatabase().mimeTypeForFile(document).name())) return false;
    // The viewer outlives the call; xdg-open may keep running as long as the viewer does.
    return QProcess::startDetached(opener, {document.absoluteFilePath()});
}

void QtShell::beep() {
    QApplication::beep();
}
