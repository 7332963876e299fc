#pragma once

#include <QString>

// One running program per shop folder: the lock file ".vendel.lock" in the folder, held for the
// program's whole run (an exclusive lock on the open file, and the holder's process number and machine
// written in it). A lock that no live program holds is taken over whatever it contains (empty,
// garbage, a dead program's), so a kill at any moment never locks the shop out.
class DataFolderLock {
public:
    explicit DataFolderLock(const QString& folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // The lock file's name in the folder.
    static QString fileName();

    // Takes the lock; false when another running program holds it (heldByAnother) or when the lock
    // cannot be made at all (why: a folder, a link or a pipe stands in its place, the disk is full, the
    // folder is not writable). Never blocks.
    bool tryLock();
    bool isLocked() const { return m_fd >= 0; }
    bool heldByAnother() const { return m_heldByAnother; }
    const QString& why() const { return m_why; }

    // Who holds the lock, after a failed tryLock: "(PID 1234, shop-pc)"; empty when unknown.
    QString holder() const;

private:
    bool refuse(const QString& why);

    QString m_path;
    int m_fd = -1;
    bool m_heldByAnother = false;
    QString m_why;
    qint64 m_holderPid = 0;
    QString m_holderHost;
};
