#pragma once
// Files of the settings tests: each test gets its own folder.
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

}  // namespace norvane::testing_files
