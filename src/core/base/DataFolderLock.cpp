#include "DataFolderLock.h"

#include "core/base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString describe(int number) {
    return QString::fromLocal8Bit(std::strerror(number));
}

QString machine() {
    return QSysInfo::machineHostName();
}

// What stands in place of the lock file, when it is no plain file.
QString oddKind(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("a folder stands in place of %1");
    if (S_ISLNK(mode)) return QStringLiteral("a link stands in place of %1");
    if (S_ISFIFO(mode)) return QStringLiteral("a pipe stands in place of %1");
    return QStringLiteral("%1 is no plain file");
}

} // namespace

DataFolderLock::DataFolderLock(const QString& folder) : m_path(QDir(folder).filePath(fileName())) {}

DataFolderLock::~DataFolderLock() {
    if (m_fd < 0) return;
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd); // releases the lock
}

QString DataFolderLock::fileName() {
    return QStringLiteral(".vendel.lock");
}

bool DataFolderLock::refuse(const QString& why) {
    m_why = why;
    return false;
}

bool DataFolderLock::tryLock() {
    if (m_fd >= 0) return true;
    m_heldByAnother = false;
    m_why.clear();
    const QByteArray path = QFile::encodeName(m_path);
    // A pipe, a folder or a link is refused before it is opened: opening a pipe would wait forever.
    struct stat st {};
    if (::lstat(path.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return refuse(oddKind(st.st_mode).arg(fileName()));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return refuse(describe(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(oddKind(st.st_mode).arg(fileName()));
    }
    // Who the file names: "PID\nprogram\nmachine\n".
    QByteArray content(4096, '\0');
    const ssize_t got = ::pread(fd, content.data(), content.size(), 0);
    const QList<QByteArray> fields = content.left(got > 0 ? got : 0).split('\n');
    bool pidRead = false;
    m_holderPid = fields.value(0).trimmed().toLongLong(&pidRead);
    if (!pidRead) m_holderPid = 0;
    m_holderHost = QString::fromUtf8(fields.value(2).trimmed());
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        if (e != EWOULDBLOCK) return refuse(describe(e));
        m_heldByAnother = true;
        return false;
    }
    // No live program holds it: whatever the file says is what a program that died left. Ours goes in.
    const QByteArray mine = QByteArray::number(::getpid()) + "\nvendel\n" + machine().toUtf8() + '\n';
    int error = 0;
    if (const int e = TextFile::testFault(TextFile::IoStep::Write, m_path))
        error = e;
    else if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, mine.constData(), size_t(mine.size()), 0) != mine.size())
        error = errno;
    else if (::fdatasync(fd) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(path.constData());
        ::close(fd);
        return refuse(describe(error));
    }
    m_fd = fd;
    return true;
}

QString DataFolderLock::holder() const {
    if (m_holderPid <= 0) return {};
    return QStringLiteral("(PID %1, %2)").arg(m_holderPid).arg(m_holderHost);
}
