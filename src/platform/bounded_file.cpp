#include "platform/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace norvane {
namespace {

// Coarser than any file system clock in use (FAT keeps two seconds).
constexpr std::int64_t kClockGranularityNs = 2'000'000'000;

FileKind KindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Directory;
    if (S_ISFIFO(mode)) return FileKind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
    if (S_ISSOCK(mode)) return FileKind::Socket;
    return FileKind::Other;
}

FileStamp StampOf(const struct stat& st) {
    FileStamp s;
    s.kind = KindOf(st.st_mode);
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.size = static_cast<std::int64_t>(st.st_size);
    s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return s;
}

FileRead Failure(int error) {
    FileRead r;
    r.error = error;
    r.status = error == ENOENT || error == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::Failed;
    return r;
}

// The stamp's verdict on what was found; Read when it may be read.
FileReadStatus Judge(const FileStamp& stamp, std::int64_t limit) {
    if (stamp.kind != FileKind::Regular) return FileReadStatus::NotAFile;
    return stamp.size > limit ? FileReadStatus::TooLarge : FileReadStatus::Read;
}

QString Megabytes(std::int64_t limit) {
    return limit % (1024 * 1024) == 0 ? QStringLiteral("%1 MB").arg(limit / (1024 * 1024))
                                      : QStringLiteral("%1 bytes").arg(limit);
}

}  // namespace

FileStamp StatFile(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return StampOf(st);
}

bool RecentlyModified(const FileStamp& stamp) {
    if (stamp.kind == FileKind::Missing) return false;
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t nowNs = static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    return stamp.modifiedNs > nowNs - kClockGranularityNs;
}

FileRead ReadBoundedFile(const QString& path, std::int64_t limit) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    // Looked at before it is opened: opening a device can have effects of its own.
    if (::stat(name.constData(), &st) != 0) return Failure(errno);
    FileRead r;
    r.stamp = StampOf(st);
    r.status = Judge(r.stamp, limit);
    if (r.status != FileReadStatus::Read) return r;

    // O_NONBLOCK: should a FIFO have taken the file's place since, open() returns at once.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        return Failure(e);
    }
    r.stamp = StampOf(st);
    r.status = Judge(r.stamp, limit);
    if (r.status == FileReadStatus::Read) {
        // One byte more than allowed tells a file that grew, or one that gives
        // more than its size says (as files of /proc do), from one that fits.
        r.bytes.resize(static_cast<qsizetype>(std::min(limit, r.stamp.size) + 1));
        qsizetype got = 0;
        for (;;) {
            if (got == r.bytes.size()) r.bytes.resize(std::min<qsizetype>(got * 2, limit + 1));
            if (got > limit) {
                r.status = FileReadStatus::TooLarge;
                break;
            }
            const ssize_t n = ::read(fd, r.bytes.data() + got, static_cast<size_t>(r.bytes.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                r = Failure(errno);
                break;
            }
            if (n == 0) break;
            got += n;
        }
        if (r.status == FileReadStatus::Read) r.bytes.truncate(got);
        else r.bytes.clear();
    }
    ::close(fd);
    return r;
}

QString FileReadProblem(const FileRead& read, std::int64_t limit) {
    switch (read.status) {
    case FileReadStatus::Read:
    case FileReadStatus::Missing: return {};
    case FileReadStatus::TooLarge: return QStringLiteral("is larger than %1").arg(Megabytes(limit));
    case FileReadStatus::Failed: return QString::fromLocal8Bit(std::strerror(read.error));
    case FileReadStatus::NotAFile: break;
    }
    switch (read.stamp.kind) {
    case FileKind::Directory: return QStringLiteral("is a folder, not a file");
    case FileKind::Fifo: return QStringLiteral("is a FIFO, not a file");
    case FileKind::Device: return QStringLiteral("is a device, not a file");
    case FileKind::Socket: return QStringLiteral("is a socket, not a file");
    case FileKind::Missing:
    case FileKind::Regular:
    case FileKind::Other: break;
    }
    return QStringLiteral("is not a file");
}

}  // namespace norvane
