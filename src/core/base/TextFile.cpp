#include "TextFile.h"

#include "core/base/Cp1252.h"
#include "core/base/LargePages.h"
#include "core/base/Parallel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Where the first LF at or after `from` is, or n when there is none.
qsizetype lineFeedFrom(const char16_t* text, qsizetype from, qsizetype n) {
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi16(u'\n');
    for (; from + 8 <= n; from += 8) {
        const auto found = unsigned(_mm_movemask_epi8(
            _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + from)), lineFeed)));
        if (found != 0) return from + __builtin_ctz(found) / 2;
    }
#endif
    for (; from < n; ++from)
        if (text[from] == u'\n') return from;
    return n;
}

// How many LF the text holds.
qsizetype lineFeeds(const char16_t* text, qsizetype n) {
    qsizetype count = 0;
    qsizetype i = 0;
#if defined(__SSE2__)
    // Each 16-bit lane counts its hits (a hit compares as -1); the lanes are added up before any could
    // pass 32767. No popcount: without a CPU option the compiler makes it a library call.
    const __m128i lineFeed = _mm_set1_epi16(u'\n');
    const __m128i ones = _mm_set1_epi16(1);
    while (i + 8 <= n) {
        __m128i lanes = _mm_setzero_si128();
        for (int step = 0; step < 32767 && i + 8 <= n; ++step, i += 8)
            lanes = _mm_sub_epi16(
                lanes,
                _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i)), lineFeed));
        __m128i sums = _mm_madd_epi16(lanes, ones);
        sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(1, 0, 3, 2)));
        sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, _MM_SHUFFLE(2, 3, 0, 1)));
        count += _mm_cvtsi128_si32(sums);
    }
#endif
    for (; i < n; ++i)
        count += text[i] == u'\n';
    return count;
}

// Appends the rest of a file to bytes; empty error on success.
QString readRest(int fd, QByteArray& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, qsizetype(n));
        else if (n == 0)
            return {};
        else if (errno != EINTR)
            return describe(errno);
    }
}

// The lines of a text (see splitLines); a text cut from a longer one at a line feed leaves CR
// alone to the whole text's reading.
QStringList splitLinesOf(QString text, bool carriageReturnsAlone);

// Where the parts of a file in the code page start, each at a line start near its share of the bytes,
// then the end: a long file is read as a few parts side by side. One part when the file holds no line
// feed to cut at.
std::vector<qsizetype> partStarts(const char* raw, qsizetype size) {
    std::vector<qsizetype> starts{0};
    const int parts = Parallel::partsFor(size, qsizetype(1) << 20);
    for (int k = 1; k < parts; ++k) {
        const qsizetype from = std::max(starts.back(), size * k / parts);
        const void* feed = std::memchr(raw + from, '\n', std::size_t(size - from));
        if (!feed) break;
        const qsizetype next = static_cast<const char*>(feed) - raw + 1;
        if (next >= size) break;
        starts.push_back(next);
    }
    starts.push_back(size);
    return starts;
}

// The lines of a file in the code page whose size bytes lie at raw, in the upper half of text's own
// memory. The first part is widened in place; each other part into memory of its own, as the first
// would write over their bytes.
QStringList decodeLines(QString text, const char* raw, qsizetype size) {
    const std::vector<qsizetype> starts = partStarts(raw, size);
    const int parts = int(starts.size()) - 1;
    const bool carriageReturnsAlone = parts == 1;
    std::vector<QStringList> partLines{std::size_t(parts)};
    Parallel::run(parts, [&](int part) {
        const qsizetype from = starts[std::size_t(part)];
        const qsizetype length = starts[std::size_t(part) + 1] - from;
        if (part == 0) {
            Cp1252::decodeTo(raw, length, reinterpret_cast<char16_t*>(text.data()));
            text.truncate(length);
            partLines[0] = splitLinesOf(std::move(text), carriageReturnsAlone);
            return;
        }
        QString own(length, Qt::Uninitialized);
        Cp1252::decodeTo(raw + from, length, reinterpret_cast<char16_t*>(own.data()));
        partLines[std::size_t(part)] = splitLinesOf(std::move(own), false);
    });
    QStringList lines = std::move(partLines[0]);
    for (int part = 1; part < parts; ++part)
        lines.append(std::move(partLines[std::size_t(part)]));
    return lines;
}

// The lines of an open plain file of the given size; empty error on success.
QString readLinesFrom(int fd, qsizetype size, QStringList& lines) {
    // The text's own memory takes the file's bytes in its upper half, so a file in the code page is
    // widened where it lies: no second buffer the size of the file.
    QString text(size + 1, Qt::Uninitialized);
    LargePages::prefer(text.data(), 2 * (size + 1));
    char* raw = reinterpret_cast<char*>(text.data()) + size + 2;
    qsizetype got = 0;
    // One byte more than the size, to see whether the file grew since its size was taken.
    char more = 0;
    for (;;) {
        const bool full = got == size;
        const ssize_t n = ::read(fd, full ? &more : raw + got, full ? 1 : std::size_t(size - got));
        if (n > 0 && full) {
            // It did: read on the plain way.
            QByteArray bytes(raw, got);
            bytes.append(more);
            if (QString why = readRest(fd, bytes); !why.isEmpty()) return why;
            lines = linesOf(bytes);
            return {};
        }
        if (n > 0)
            got += qsizetype(n);
        else if (n == 0)
            break;
        else if (errno != EINTR)
            return describe(errno);
    }
    QByteArrayView bytes(raw, got);
    if (Cp1252::isUtf8Text(bytes)) {
        if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
        lines = splitLines(QString::fromUtf8(bytes));
    } else {
        lines = decodeLines(std::move(text), raw, got);
    }
    return {};
}

// Reads the lines of a whole file that exists; empty error on success.
QString readAll(const QString& path, QStringList& lines) {
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
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        why = QStringLiteral("it is not a plain file");
    else
        why = readLinesFrom(fd, qsizetype(st.st_size), lines);
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
    return splitLines(utf8 ? QString::fromUtf8(text) : Cp1252::decode(text));
}

QStringList splitLines(QString text) {
    return splitLinesOf(std::move(text), true);
}

namespace {

QStringList splitLinesOf(QString text, bool carriageReturnsAlone) {
    // The lines share the text's one block of memory instead of taking one each: a list of 100,000
    // lines is then one allocation, not 100,000, and goes back to the system in one piece. Each line
    // is a view of its part of the block, which ends where the '\0' that every string ends with is
    // written over the line end; so each line reads, compares and copies as a string of its own.
    // Changing a line never writes into the block while another line shares it: the changed line
    // first gets a block of its own.
    QStringList lines;
    const qsizetype n = text.size();
    if (n == 0) return lines;
    char16_t* data = reinterpret_cast<char16_t*>(text.data()); // the text is not shared: no copy
    qsizetype feeds = lineFeeds(data, n);
    // A file written with CR alone after each line (old Mac editors) has no LF at all: CR ends its lines.
    if (carriageReturnsAlone && feeds == 0 && text.contains(u'\r')) {
        text.replace(u'\r', u'\n');
        data = reinterpret_cast<char16_t*>(text.data());
        feeds = lineFeeds(data, n);
    }
    const QString::DataPointer& block = text.data_ptr();
    lines.reserve(feeds + 1); // grown step by step, the list would be copied each time
    LargePages::prefer(lines.data(), lines.capacity() * qsizetype(sizeof(QString)));
    for (qsizetype start = 0; start < n;) {
        const qsizetype end = lineFeedFrom(data, start, n);
        const bool lastWithoutEnd = end == n;
        qsizetype stop = end;
        if (!lastWithoutEnd && stop > start && data[stop - 1] == u'\r') --stop;
        data[stop] = u'\0';
        QString::DataPointer line(block);
        line.ptr = block.ptr + start;
        line.size = stop - start;
        lines.append(QString(std::move(line)));
        start = end + 1;
    }
    return lines;
}

} // namespace

ReadResult read(const QString& path) {
    if (path.isEmpty()) return {};
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        // Nothing by that name, or a part of the path that is no folder: the file is not there.
        if (errno == ENOENT || errno == ENOTDIR) return {};
        return unreadable(describe(errno));
    }
    ReadResult result;
    if (const QString why = readAll(path, result.lines); !why.isEmpty()) return unreadable(why);
    result.status = ReadResult::Status::Read;
    return result;
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
