#pragma once
// Reading the data and skin files beside the program ("skill.ini", "ballista.ini",
// "timer.ini", "*.skn"), which are small and never written by it.
#include <QByteArray>
#include <QString>
#include <optional>

namespace norvane {

// The bytes of the file, read whole. Nothing for a missing file, and nothing for
// one that cannot be read, is no file at all (a folder, a FIFO, a device) or is
// larger than 1 MB, which is told once per file as a warning of "norvane.settings". Never waits on
// what it finds at the path.
std::optional<QByteArray> ReadDataFile(const QString& path);

}  // namespace norvane
