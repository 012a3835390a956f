#pragma once
// Reading a whole small file when what lies at the path may be no file at all:
// a FIFO, a device or a folder is refused at once, never waited on in open() or
// read without end, and a file beyond the caller's limit is refused before
// anything of it is read. Links are followed.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace norvane {

enum class FileKind { Missing, Regular, Directory, Fifo, Device, Socket, Other };

// What the file system tells of a file's content: a file replaced by a rename or
// written in place shows another stamp (except a same-size write within the
// file system's time granularity, see RecentlyModified).
struct FileStamp {
    FileKind kind = FileKind::Missing;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StatFile(const QString& path);
// True when the file was modified so lately that a change in the same tick of
// the file system's clock could still follow unseen: its stamp proves nothing yet.
bool RecentlyModified(const FileStamp& stamp);

enum class FileReadStatus { Read, Missing, NotAFile, TooLarge, Failed };

struct FileRead {
    FileReadStatus status = FileReadStatus::Failed;
    QByteArray bytes;  // the whole file, when Read
    FileStamp stamp;   // of what was found; its kind says what a NotAFile is
    int error = 0;     // the system's error, when Missing or Failed
};

FileRead ReadBoundedFile(const QString& path, std::int64_t limit);

// "is a FIFO, not a file", "is larger than 1 MB", the system's words for an
// error; empty when the file was read or is missing.
QString FileReadProblem(const FileRead& read, std::int64_t limit);

}  // namespace norvane
