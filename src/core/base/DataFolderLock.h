#pragma once

#include <QLockFile>
#include <QString>

// One running program per shop folder: a lock file in the folder, held for the program's whole run.
// The lock of a program that died (same machine, its process gone) is taken over.
class DataFolderLock {
public:
    explicit DataFolderLock(const QString& folder);

    // The lock file's name in the folder.
    static QString fileName();

    // Takes the lock; false when another running program holds it, or the lock file cannot be made.
    bool tryLock();
    bool isLocked() const { return m_lock.isLocked(); }

    // Who holds the lock, after a failed tryLock: "(PID 1234, shop-pc)"; empty when unknown.
    QString holder() const;

private:
    QLockFile m_lock;
};
