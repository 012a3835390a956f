#include "core/settings/data_file.h"

#include <cstdint>
#include <utility>

#include "core/settings/settings_file.h"
#include "platform/bounded_file.h"

namespace norvane {

std::optional<QByteArray> ReadDataFile(const QString& path) {
    // The program's data files are a few kilobytes; beyond this it is something else.
    constexpr std::int64_t kLimit = 1024 * 1024;
    FileRead read = ReadBoundedFile(path, kLimit);
    if (read.status == FileReadStatus::Read) return std::move(read.bytes);
    if (read.status != FileReadStatus::Missing)
        ReportSettingsProblemOnce(QStringLiteral("data file ") + path,
                                  QStringLiteral("the data file %1 %2; it is not read")
                                      .arg(path, FileReadProblem(read, kLimit)));
    return std::nullopt;
}

}  // namespace norvane
