#include "platform/durable_file.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include <gtest/gtest.h>

namespace norvane {
namespace {

using std::chrono::milliseconds;

TEST(DurableFile, ALockIsExclusiveKeepsItsCountAndIsFreedWithTheHolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.lock"));
    {
        Result<FileLock> first = FileLock::Acquire(path, milliseconds(0));
        ASSERT_TRUE(first.ok()) << first.failure().message.toStdString();
        EXPECT_EQ(first->Count(), 0u);
        EXPECT_TRUE(first->SetCount(41));
        // Another open of the same file is another holder, as another process would be.
        Result<FileLock> second = FileLock::Acquire(path, milliseconds(20));
        ASSERT_FALSE(second.ok());
        EXPECT_EQ(second.failure().code, EWOULDBLOCK);
        FileLock moved = std::move(first).value();
        EXPECT_TRUE(moved.held());
        EXPECT_EQ(moved.Count(), 41u);
    }
    Result<FileLock> again = FileLock::Acquire(path, milliseconds(0));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again->Count(), 41u);
    const Result<FileLock> nowhere = FileLock::Acquire(dir.filePath(QStringLiteral("no/such/x.lock")), milliseconds(0));
    ASSERT_FALSE(nowhere.ok());
    EXPECT_EQ(nowhere.failure().code, ENOENT);
}

int FailRename(SaveStep step) { return step == SaveStep::Rename ? ENOSPC : 0; }

TEST(DurableFile, AReplacementKeepsTheModeAndAFailureLeavesTheOldFileAndItsError) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f"));
    ASSERT_TRUE(ReplaceFileDurably(path, "one").ok());
    ::chmod(QFile::encodeName(path).constData(), 0640);
    ASSERT_TRUE(ReplaceFileDurably(path, "two").ok());
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    SetSaveFaultHook(FailRename);
    const Status failed = ReplaceFileDurably(path, "three");
    SetSaveFaultHook(nullptr);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure().code, ENOSPC);
    EXPECT_FALSE(failed.failure().message.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "two");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    const Status exists = WriteNewFileDurably(path, "four");
    ASSERT_FALSE(exists.ok());
    EXPECT_EQ(exists.failure().code, EEXIST);
}

// What a save cut short leaves beside the file goes; names that only look alike stay.
TEST(DurableFile, OnlyTheFilesOwnLeftTemporariesAreRemoved) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Norvane.reg"));
    const struct {
        const char* name;
        bool removed;
    } cases[] = {
        {"Norvane.reg.tmp-a1B2c3", true}, {".hidden", false},
        {"Norvane.reg.tmp-a1B2c", false},  {"Norvane.reg.tmp-a1B2c3x", false},
        {"Other.reg.tmp-a1B2c3", false},   {"norvane.reg.tmp-a1B2c3", false},
        {"Norvane.reg", false},
    };
    for (const auto& c : cases) {
        QFile f(dir.filePath(QString::fromUtf8(c.name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << c.name;
    }
    RemoveStaleTemporaries(path);
    for (const auto& c : cases)
        EXPECT_EQ(QFile::exists(dir.filePath(QString::fromUtf8(c.name))), !c.removed) << c.name;
}

}  // namespace
}  // namespace norvane
