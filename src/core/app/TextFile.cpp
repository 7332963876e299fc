#include "TextFile.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace TextFile {

namespace {

bool syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

} // namespace

std::optional<QStringList> readLines(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;

    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool lastWithoutEnd = end < 0;
        if (lastWithoutEnd) end = bytes.size();
        qsizetype stop = end;
        if (!lastWithoutEnd && stop > start && bytes[stop - 1] == '\r') --stop;
        lines.append(Cp1252::decode(bytes.mid(start, stop - start)));
        start = end + 1;
    }
    return lines;
}

QByteArray toBytes(const QStringList& lines) {
    QByteArray out;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const QString& line : lines) {
        out += Cp1252::encode(line);
        out += "\r\n";
    }
    return out;
}

bool save(const QString& path, const QByteArray& content, QString* error) {
    if (QFileInfo(path).isDir())
        return fail(error, QStringLiteral("a folder stands where the file should be"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(error, file.errorString());
    if (file.write(content) != content.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(error, why);
    }
    if (::fdatasync(file.handle()) != 0) {
        file.cancelWriting();
        return fail(error, QStringLiteral("the data could not be synced to disk"));
    }
    if (!file.commit()) return fail(error, file.errorString());
    if (!syncFolderOf(path)) return fail(error, QStringLiteral("the folder could not be synced to disk"));
    return true;
}

bool saveLines(const QString& path, const QStringList& lines, QString* error) {
    return save(path, toBytes(lines), error);
}

bool removeIfExists(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return true;
    if (info.isDir()) return false;
    if (!QFile::remove(path)) return false;
    syncFolderOf(path);
    return true;
}

bool eFind(const QString& iFind) {
    return !iFind.isEmpty() && QFileInfo::exists(iFind);
}

} // namespace TextFile
