#include "TextFile.h"

#include "core/base/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {

namespace {

IoFaults* gFaults = nullptr;

int injected(IoStep step, const QString& path) {
    return gFaults ? gFaults->fault(step, path) : 0;
}

QString describe(int number) {
    return QString::fromLocal8Bit(std::strerror(number));
}

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// Syncs a folder to disk: 0, or the error number. A folder that may not be opened (write and search
// rights only, no read) cannot be synced, but the file in it was: its own fdatasync and the rename are
// what count, so that is no failure.
int syncFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    int fd = -1;
    if (const int e = injected(IoStep::FolderSync, folder))
        errno = e;
    else
        fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno == EACCES || errno == EPERM ? 0 : errno;
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return synced;
}

// The file a save really replaces: the end of a chain of symbolic links, as the temporary file is
// renamed over it.
QString savedFile(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

ReadResult unreadable(const QString& why) {
    ReadResult result;
    result.status = ReadResult::Status::Unreadable;
    result.error = why;
    return result;
}

// Reads a whole file that exists; empty error on success.
QString readAll(const QString& path, QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT ? QStringLiteral("it is a link to something that is not there")
                               : describe(errno);
    if (S_ISDIR(st.st_mode)) return QStringLiteral("a folder stands where the file should be");
    if (!S_ISREG(st.st_mode)) return QStringLiteral("it is not a plain file");
    if (const int e = injected(IoStep::Read, path)) return describe(e);
    // Non-blocking, so a pipe put there after the check cannot hang the program.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return describe(errno);
    QString why;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = QStringLiteral("it is not a plain file");
    } else {
        bytes.reserve(qsizetype(st.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                bytes.append(buffer, qsizetype(n));
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                why = describe(errno);
                break;
            }
        }
    }
    ::close(fd);
    return why;
}

} // namespace

void setIoFaults(IoFaults* faults) {
    gFaults = faults;
}

QStringList linesOf(const QByteArray& bytes) {
    QByteArrayView text(bytes);
    const bool utf8 = Cp1252::isUtf8Text(text);
    if (utf8 && text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
    QStringList lines;
    // A file written with CR alone after each line (old Mac editors) has no LF at all: CR ends its lines.
    const char lineEnd = text.contains('\n') || !text.contains('\r') ? '\n' : '\r';
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(lineEnd, start);
        const bool lastWithoutEnd = end < 0;
        if (lastWithoutEnd) end = text.size();
        qsizetype stop = end;
        if (!lastWithoutEnd && stop > start && text[stop - 1] == '\r') --stop;
        const QByteArrayView line = text.sliced(start, stop - start);
        lines.append(utf8 ? QString::fromUtf8(line) : Cp1252::decode(line));
        start = end + 1;
    }
    return lines;
}

ReadResult read(const QString& path) {
    if (path.isEmpty()) return {};
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        // Nothing by that name, or a part of the path that is no folder: the file is not there.
        if (errno == ENOENT || errno == ENOTDIR) return {};
        return unreadable(describe(errno));
    }
    QByteArray bytes;
    if (const QString why = readAll(path, bytes); !why.isEmpty()) return unreadable(why);
    ReadResult result;
    result.status = ReadResult::Status::Read;
    result.lines = linesOf(bytes);
    return result;
}

WholeText readWhole(const QString& path) {
    WholeText whole;
    if (path.isEmpty()) return whole;
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) whole.status = ReadResult::Status::Unreadable;
        return whole;
    }
    QByteArray bytes;
    if (!readAll(path, bytes).isEmpty()) {
        whole.status = ReadResult::Status::Unreadable;
        return whole;
    }
    whole.status = ReadResult::Status::Read;
    QByteArrayView text(bytes);
    const bool utf8 = Cp1252::isUtf8Text(text);
    if (utf8 && text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
    whole.text = utf8 ? QString::fromUtf8(text) : Cp1252::decode(text);
    // Decoding keeps every CR and LF where it was, so the text splits as the bytes do.
    const QStringView all(whole.text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(u'\n', start);
        const bool lastWithoutEnd = end < 0;
        if (lastWithoutEnd) end = all.size();
        qsizetype stop = end;
        if (!lastWithoutEnd && stop > start && all[stop - 1] == u'\r') --stop;
        whole.lines.append(all.sliced(start, stop - start));
        start = end + 1;
    }
    return whole;
}

std::optional<QStringList> readLines(const QString& path) {
    ReadResult result = read(path);
    if (!result.ok()) return std::nullopt;
    return std::move(result.lines);
}

QByteArray toBytes(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray out(size, Qt::Uninitialized);
    char* dst = out.data();
    for (const QString& line : lines) {
        dst = Cp1252::encodeTo(line, dst);
        *dst++ = '\r';
        *dst++ = '\n';
    }
    out.truncate(dst - out.data());
    return out;
}

bool save(const QString& path, const QByteArray& content, QString* error) {
    if (path.isEmpty()) return fail(error, QStringLiteral("no file name"));
    const QString target = savedFile(path);
    if (QFileInfo(target).isDir())
        return fail(error, QStringLiteral("a folder stands where the file should be"));
    if (const int e = injected(IoStep::Open, target)) return fail(error, describe(e));
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    // The temporary file carries a name of the program's own, so that only what a save left behind is
    // ever swept away at the next start.
    QTemporaryFile file(
        QDir(folder).filePath(kTemporaryPrefix + targetInfo.fileName() + QStringLiteral(".XXXXXX")));
    if (!file.open()) return fail(error, file.errorString());
    // The new file keeps the permission bits of the one it replaces; a new file gets the usual ones.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode = ::umask(0);
        ::umask(mode);
        mode = 0666 & ~mode;
    }
    if (::fchmod(file.handle(), mode) != 0) return fail(error, describe(errno));
    if (const int e = injected(IoStep::Write, target)) return fail(error, describe(e));
    if (file.write(content) != content.size() || !file.flush()) return fail(error, file.errorString());
    if (const int e = injected(IoStep::Sync, target)) return fail(error, describe(e));
    if (::fdatasync(file.handle()) != 0) return fail(error, describe(errno));
    if (const int e = injected(IoStep::Rename, target)) return fail(error, describe(e));
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return fail(error, describe(errno));
    file.setAutoRemove(false); // its name is the target's now
    if (const int e = syncFolder(folder)) return fail(error, describe(e));
    return true;
}

bool saveLines(const QString& path, const QStringList& lines, QString* error) {
    return save(path, toBytes(lines), error);
}

bool removeIfExists(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return true;
    // A link to a drive that is not connected is the way to the shop's file, not an empty place.
    if (info.isDir() || !info.exists()) return false;
    if (!QFile::remove(path)) return false;
    syncFolder(info.absolutePath());
    return true;
}

bool eFind(const QString& iFind) {
    return !iFind.isEmpty() && QFileInfo::exists(iFind);
}

int testFault(IoStep step, const QString& path) {
    return injected(step, path);
}

} // namespace TextFile
