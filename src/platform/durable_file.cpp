#include "platform/durable_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <thread>

namespace norvane {
namespace {

std::atomic<SaveFaultHook> g_hook{nullptr};

// The error a test injects at this step, or 0.
int InjectedError(SaveStep step) {
    SaveFaultHook hook = g_hook.load();
    return hook ? hook(step) : 0;
}

// Fails with the injected error, as the system call would.
bool Inject(SaveStep step) {
    const int e = InjectedError(step);
    if (e != 0) errno = e;
    return e != 0;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    auto left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

// Flushes the folder's entries (the names of the files in it) to disk.
bool SyncFolder(const QString& path) {
    int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                    O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot flush a folder; their renames are then as safe as they get.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    const int e = errno;
    ::close(fd);
    errno = e;
    return ok;
}

}  // namespace

Status WriteNewFileDurably(const QString& path, const QByteArray& bytes) {
    QByteArray name = QFile::encodeName(path);
    int fd = Inject(SaveStep::CreateNew) ? -1 : ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return SystemFailure();
    std::optional<Failure> failure;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) failure = SystemFailure();
    if (::close(fd) != 0 && !failure) failure = SystemFailure();
    if (!failure) return {};
    ::unlink(name.constData());
    return *failure;
}

void RemoveStaleTemporaries(const QString& path) {
    QFileInfo info(path);
    QDir dir = info.absoluteDir();
    // Matched by hand: a name filter would load the expression engine at start.
    const QString prefix = info.fileName() + QStringLiteral(".tmp-");
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.size() == prefix.size() + 6 && name.startsWith(prefix)) dir.remove(name);
}

Status ReplaceFileDurably(const QString& path, const QByteArray& bytes) {
    RemoveStaleTemporaries(path);
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".tmp-XXXXXX";
    const int fd = Inject(SaveStep::CreateTemporary) ? -1 : ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return SystemFailure();
    std::optional<Failure> failure;
    auto check = [&](bool ok) {
        if (!ok && !failure) failure = SystemFailure();
        return !failure;
    };
    struct stat old {};
    if (check(::stat(target.constData(), &old) != 0 || ::fchmod(fd, old.st_mode & 07777) == 0)) {
        if (const int e = InjectedError(SaveStep::WriteTemporary)) {
            WriteAll(fd, bytes.left(bytes.size() / 2));
            errno = e;
            check(false);
        } else {
            check(WriteAll(fd, bytes));
        }
    }
    if (!failure) check(!Inject(SaveStep::Flush) && ::fsync(fd) == 0);
    check(::close(fd) == 0);
    if (!failure) check(SyncFolder(path));
    if (!failure) check(!Inject(SaveStep::Rename) && ::rename(temp.constData(), target.constData()) == 0);
    if (failure) {
        ::unlink(temp.constData());
        return *failure;
    }
    SyncFolder(path);  // the rename itself; the file is whole either way
    return {};
}

FileLock::~FileLock() { Release(); }

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Result<FileLock> FileLock::Acquire(const QString& path, std::chrono::milliseconds wait) {
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return SystemFailure();
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return FileLock(fd);
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() > giveUp) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const Failure failure = SystemFailure();
    ::close(fd);
    return failure;
}

void FileLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

std::uint64_t FileLock::Count() const {
    std::uint64_t count = 0;
    if (fd_ < 0 || ::pread(fd_, &count, sizeof count, 0) != static_cast<ssize_t>(sizeof count)) return 0;
    return count;
}

bool FileLock::SetCount(std::uint64_t count) {
    return fd_ >= 0 && ::pwrite(fd_, &count, sizeof count, 0) == static_cast<ssize_t>(sizeof count);
}

void SetSaveFaultHook(SaveFaultHook hook) { g_hook.store(hook); }

}  // namespace norvane
