#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Plain text files of the shop's folder: Windows-1252, every line ended by CR LF.
namespace TextFile {

// What a read found: no file at all, the file's lines, or a file that is there but cannot be read
// (a read error of the disk, a link to a drive that is not connected, a folder or a device in its
// place, no permission). A file of the last kind must not be replaced or deleted: its content is
// still on disk.
struct ReadResult {
    enum class Status { Missing, Read, Unreadable };
    Status status = Status::Missing;
    QStringList lines; // only when read
    QString error;     // why an existing file could not be read

    bool missing() const { return status == Status::Missing; }
    bool ok() const { return status == Status::Read; }
    bool unreadable() const { return status == Status::Unreadable; }
};

// Reads a whole file. Lines end at LF; one CR right before it is dropped, so a file with bare LF
// line ends reads the same; a file with no LF at all has its lines end at CR. A last line without a line end
// still counts; the line end of the last line gives no extra empty line. The bytes are Windows-1252, unless
// the whole file is valid UTF-8 holding characters beyond ASCII (a file written by a Linux editor, with or
// without a byte order mark, which is dropped): then it is read as UTF-8.
ReadResult read(const QString& path);

// The lines of a file, or nothing when it is missing or cannot be read.
std::optional<QStringList> readLines(const QString& path);

// The lines of file bytes, decoded as read() does.
QStringList linesOf(const QByteArray& bytes);

// The lines of a text, split at LF (at CR when it has no LF at all), one CR right before it dropped; a last
// line without a line end still counts, and the line end of the last line gives no extra empty line. The
// lines share the text's memory.
QStringList splitLines(QString text);

// The lines as file bytes: each line encoded in Windows-1252 and followed by CR LF.
QByteArray toBytes(const QStringList& lines);

// The start of the name of a save's temporary file: ".vendel-save-VL Lista.txt.aB3dE9". No person
// names a file so; only such files are swept away after a crash.
inline const QString kTemporaryPrefix = QStringLiteral(".vendel-save-");

// The one way a data file is written: the whole content goes to a temporary file in the same folder
// (kTemporaryPrefix + "<name>.XXXXXX"), which is synced to disk and renamed over the old file, then the
// folder itself is synced. A crash leaves the old file or the new one, never a mix. A file that is a symbolic
// link stays one: its target is replaced, and the target's folder is synced. Returns false (and the reason in
// error) when any step failed; the old file is then untouched, except after a failed sync of the folder, when
// the new content is in place but may not survive a power cut.
bool save(const QString& path, const QByteArray& content, QString* error = nullptr);
bool saveLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Deletes a file when it exists; false when an existing file could not be deleted, or the name is a
// link to nothing (a drive that is not connected), which is left alone. A link's target stays.
bool removeIfExists(const QString& path);

// True when the path names an existing file or folder (an empty path names nothing); never shows
// anything.
bool eFind(const QString& iFind);

// The steps of a read or a save at which a test can make the system fail.
enum class IoStep { Read, Open, Write, Sync, Rename, FolderSync };

// A test's stand-in for failing hardware. The running program has none.
class IoFaults {
public:
    virtual ~IoFaults() = default;
    // The error number (ENOSPC, EIO ...) that the step on that path fails with, or 0 to let it run.
    // For FolderSync the path is the folder's.
    virtual int fault(IoStep step, const QString& path) = 0;
};
// Installs the faults for every later read and save; nullptr removes them.
void setIoFaults(IoFaults* faults);
// The error number the installed faults give this step on this path (0: none), for the program's other
// writes (the folder's lock).
int testFault(IoStep step, const QString& path);

} // namespace TextFile
