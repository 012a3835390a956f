#pragma once
// Writing a file so that a crash or a power cut leaves either the old or the new
// one whole, and the lock that keeps the processes sharing a file in turn.
#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstdint>

#include "platform/result.h"

namespace norvane {

// A temporary file beside the target is created, written and flushed to disk
// with its folder, then renamed over the target. On failure the temporary is
// removed and the target is as it was; the failure's code is the system's error.
Status ReplaceFileDurably(const QString& path, const QByteArray& bytes);

// Writes a file that must not exist yet (mode 0600) and flushes it to disk; on
// failure nothing is left at `path`.
Status WriteNewFileDurably(const QString& path, const QByteArray& bytes);

// Removes the temporaries a replacement cut off by a crash left beside `path`.
// Only while holding the file's lock, when no other process is in the middle of one.
void RemoveStaleTemporaries(const QString& path);

// An exclusive lock on a lock file (made when missing), released when the lock
// goes. The lock file also keeps a count the holders may read and write.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Tries for `wait`. Fails with EWOULDBLOCK when another process held it all
    // that time, with the system's error when the lock file can be neither made
    // nor opened (a folder that cannot be written).
    static Result<FileLock> Acquire(const QString& path, std::chrono::milliseconds wait);

    bool held() const { return fd_ >= 0; }
    void Release();
    // 0 when nothing was counted yet or the lock is not held.
    std::uint64_t Count() const;
    bool SetCount(std::uint64_t count);

private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// The steps of the writes above: before each, a hook that returns an errno
// value makes the step fail with it (a write takes half of the bytes first, as a
// disk that fills up does); 0 lets the step run. It may also end the process, as
// a crash at that moment would. Tests stand in for a full or read-only disk here.
enum class SaveStep { CreateTemporary, WriteTemporary, Flush, Rename, CreateNew };
using SaveFaultHook = int (*)(SaveStep);
// nullptr: no hook.
void SetSaveFaultHook(SaveFaultHook hook);

}  // namespace norvane
