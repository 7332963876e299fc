#include "DataFolderLock.h"

#include <QDir>

DataFolderLock::DataFolderLock(const QString& folder) : m_lock(QDir(folder).filePath(fileName())) {
    // A lock is stale only when its process is gone, never because of its age: the counter may stay
    // open for days.
    m_lock.setStaleLockTime(0);
}

QString DataFolderLock::fileName() {
    return QStringLiteral(".vendel.lock");
}

bool DataFolderLock::tryLock() {
    return m_lock.tryLock(0);
}

QString DataFolderLock::holder() const {
    qint64 pid = 0;
    QString host;
    QString app;
    if (!m_lock.getLockInfo(&pid, &host, &app)) return {};
    return QStringLiteral("(PID %1, %2)").arg(pid).arg(host);
}
