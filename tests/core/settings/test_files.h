#pragma once
// Files of the settings tests: each test gets its own folder.
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace norvane::testing_files {

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

// Everything in the folder but the lock file.
inline QStringList FolderEntries(const QTemporaryDir& dir) {
    QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("Norvane.reg.lock"));
    return names;
}

inline const char* kHeader = "Windows Registry Editor Version 5.00\n\n";

// What may lie at a path in place of a file.
enum class NoFile { Fifo, Folder, Device, TooLarge };

// Puts it there: a FIFO no one writes to, a folder, a link to the endless
// /dev/zero, or a file (sparse) one byte beyond `limit` that begins as `start`.
inline bool MakeNoFile(const QString& path, NoFile kind, qint64 limit, const QByteArray& start = {}) {
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case NoFile::Fifo: return ::mkfifo(name.constData(), 0600) == 0;
    case NoFile::Folder: return QDir().mkdir(path);
    case NoFile::Device: return QFile::link(QStringLiteral("/dev/zero"), path);
    case NoFile::TooLarge: {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(start) == start.size() && f.resize(limit + 1);
    }
    }
    return false;
}

inline const char* NoFileName(NoFile kind) {
    switch (kind) {
    case NoFile::Fifo: return "a FIFO";
    case NoFile::Folder: return "a folder";
    case NoFile::Device: return "a device";
    case NoFile::TooLarge: return "a file too large";
    }
    return "";
}

// Ends the test program should a step that must return at once wait instead
// (as an open() of a FIFO does).
class Watchdog {
public:
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    ~Watchdog() { ::alarm(0); }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
};

}  // namespace norvane::testing_files
