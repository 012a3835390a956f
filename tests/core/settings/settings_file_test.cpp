// The settings file on disk: broken files, failed and cut-off saves, folders
// that cannot be written, and other processes.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings/ini_file.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_notice.h"
#include "core/settings/settings_store.h"
#include "platform/durable_file.h"
#include "platform/os_clock.h"
#include "settings/test_files.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

using namespace testing_files;
using ::testing::internal::CaptureStderr;
using ::testing::internal::GetCapturedStderr;

class SettingsFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetSaveFaultHook(nullptr); }
    QString File() const { return dir_.filePath(QStringLiteral("Norvane.reg")); }

    QTemporaryDir dir_;
};

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
    return n;
}

TEST_F(SettingsFileTest, ABrokenFileKeepsEveryGoodLineAndIsCopiedAside) {
    FakeOsClock clock;
    clock.setUtc({2026, 3, 14, 15, 30, 12, 0});
    ScopedOsClock useClock(clock);
    const QByteArray broken = QByteArray(kHeader) +
                              "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]\n"
                              "\"Page\"=dword:00000003\n"
                              "\"Skin\"=\"green.skn\n"
                              "\x01\x02 torn\n"
                              "\"Racial\"=dword:00000002\n\n"
                              "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Window]\n"
                              "\"Top\"=dword:0000001e\n";
    WriteBytes(File(), broken);
    const QString copy = File() + QStringLiteral(".bad-20260314-153012");

    CaptureStderr();
    {
        SettingsStore s(File());
        EXPECT_EQ(s.ReadInteger("Option", "Page", 0), 3);
        EXPECT_EQ(s.ReadInteger("Option", "Racial", -1), 2);
        EXPECT_EQ(s.ReadInteger("Window", "Top", 10), 30);
        EXPECT_EQ(s.ReadString("Option", "Skin", "blue.skn"), "blue.skn");
    }
    const std::string message = GetCapturedStderr();
    EXPECT_EQ(Count(message, "\n"), 1) << message;
    EXPECT_NE(message.find("2 line(s) that could not be read (the first is line 5)"), std::string::npos) << message;
    EXPECT_NE(message.find(copy.toStdString()), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(copy), broken);

    // The cleaned file replaced the broken one; it opens quietly from now on.
    const QString cleaned = QString::fromUtf8(ReadBytes(File()));
    EXPECT_FALSE(cleaned.contains("torn"));
    EXPECT_TRUE(cleaned.contains("\"Racial\"=dword:00000002"));
    CaptureStderr();
    {
        SettingsStore s(File());
        EXPECT_EQ(s.ReadInteger("Window", "Top", 10), 30);
    }
    EXPECT_EQ(GetCapturedStderr(), "");

    // A second broken file in the same second gets its own copy.
    WriteBytes(File(), "not a registry file\n");
    CaptureStderr();
    { SettingsStore s(File()); }
    EXPECT_NE(GetCapturedStderr().find("does not begin with"), std::string::npos);
    EXPECT_EQ(ReadBytes(copy + QStringLiteral("-2")), "not a registry file\n");
    EXPECT_EQ(ReadBytes(copy), broken);
}

// A full or read-only disk met at each step of a save, with the errors the
// system gives there.
struct DiskFault {
    SaveStep step;
    int error;
};
DiskFault g_fault;
int InjectFault(SaveStep step) { return step == g_fault.step ? g_fault.error : 0; }

TEST_F(SettingsFileTest, AFailedSaveLeavesTheOldFileAndNoTemporaryAndKeepsTheValues) {
    const DiskFault faults[] = {
        {SaveStep::CreateTemporary, EROFS},  {SaveStep::CreateTemporary, ENOSPC},
        {SaveStep::WriteTemporary, ENOSPC},  {SaveStep::WriteTemporary, EDQUOT},
        {SaveStep::Flush, EIO},              {SaveStep::Flush, ENOSPC},
        {SaveStep::Rename, EROFS},           {SaveStep::Rename, EIO},
    };
    for (const DiskFault& fault : faults) {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Norvane.reg"));
        SCOPED_TRACE(std::strerror(fault.error));
        {
            SettingsStore s(file);
            s.WriteString("Option", "Skin", "old.skn");
        }
        const QByteArray old = ReadBytes(file);
        g_fault = fault;
        SetSaveFaultHook(InjectFault);
        CaptureStderr();
        for (int i = 1; i <= 3; ++i) {
            SettingsStore s(file);
            EXPECT_EQ(s.ReadString("Option", "Skin", ""), i == 1 ? "old.skn" : "new.skn");
            s.WriteString("Option", "Skin", "new.skn");
            s.WriteInteger("Option", "Page", i);
            // A long value, so that a write cut short leaves a torn temporary.
            s.WriteString("Option", "Long", QString(4000, QLatin1Char('x')));
        }
        // Told once, with the system's reason; the file as it was; nothing beside it.
        const std::string message = GetCapturedStderr();
        EXPECT_EQ(Count(message, "\n"), 1) << message;
        EXPECT_EQ(Count(message, "cannot save the settings"), 1) << message;
        EXPECT_NE(message.find(std::strerror(fault.error)), std::string::npos) << message;
        EXPECT_EQ(ReadBytes(file), old);
        EXPECT_EQ(FolderEntries(dir), QStringList{"Norvane.reg"});

        // Once saving works again, the values kept in memory reach the file.
        SetSaveFaultHook(nullptr);
        { SettingsStore s(file); }
        SettingsStore s(file);
        EXPECT_EQ(s.ReadString("Option", "Skin", ""), "new.skn");
        EXPECT_EQ(s.ReadInteger("Option", "Page", 0), 3);
        EXPECT_TRUE(QString::fromUtf8(ReadBytes(file)).contains("\"Skin\"=\"new.skn\""));
    }
}

// The same on a real small disk, where the machine lets the test mount one.
TEST_F(SettingsFileTest, ARealDiskThatFillsUpThenTurnsReadOnlyKeepsTheOldFile) {
    const QString disk = dir_.filePath(QStringLiteral("disk"));
    const QByteArray mountPoint = QFile::encodeName(disk);
    ASSERT_EQ(::mkdir(mountPoint.constData(), 0700), 0);
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") != 0)
        GTEST_SKIP() << "no small disk to be had here: " << std::strerror(errno);
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{mountPoint};
    const QString file = disk + QStringLiteral("/Norvane.reg");
    {
        SettingsStore s(file);
        s.WriteString("Option", "Skin", "old.skn");
    }
    const QByteArray old = ReadBytes(file);
    ASSERT_FALSE(old.isEmpty());

    // Full: a filler takes every block that is left.
    {
        QFile filler(disk + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    CaptureStderr();
    {
        SettingsStore s(file);
        s.WriteString("Option", "Skin", "new.skn");
        s.WriteString("Option", "Long", QString(20000, QLatin1Char('x')));
    }
    EXPECT_EQ(ReadBytes(file), old);
    // Read-only, the new values still waiting in memory.
    QFile::remove(disk + QStringLiteral("/filler"));
    ASSERT_EQ(::mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);
    {
        SettingsStore s(file);
        EXPECT_EQ(s.ReadString("Option", "Skin", ""), "new.skn");
        s.WriteInteger("Option", "Page", 2);
    }
    const std::string message = GetCapturedStderr();
    EXPECT_EQ(Count(message, "\n"), 1) << message;  // told once
    EXPECT_NE(message.find(std::strerror(ENOSPC)), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(file), old);
    QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QStringLiteral("Norvane.reg.lock"));
    EXPECT_EQ(left, QStringList{"Norvane.reg"});

    // Writable again: everything kept in memory reaches the file.
    ASSERT_EQ(::mount(nullptr, mountPoint.constData(), nullptr, MS_REMOUNT, nullptr), 0) << std::strerror(errno);
    { SettingsStore s(file); }
    SettingsStore s(file);
    EXPECT_EQ(s.ReadString("Option", "Skin", ""), "new.skn");
    EXPECT_EQ(s.ReadString("Option", "Long", "").size(), 20000);
    EXPECT_EQ(s.ReadInteger("Option", "Page", 0), 2);
}

int DieBeforeRename(SaveStep step) {
    if (step == SaveStep::Rename) ::_exit(0);
    return 0;
}

TEST_F(SettingsFileTest, AProcessEndingInTheMiddleOfASaveLeavesTheOldFile) {
    {
        SettingsStore s(File());
        s.WriteString("Option", "Skin", "old.skn");
    }
    const QByteArray old = ReadBytes(File());
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SetSaveFaultHook(DieBeforeRename);
        {
            SettingsStore s(File());
            for (int i = 0; i < 200; ++i) s.WriteInteger("Many", QStringLiteral("V%1").arg(i), i);
            s.WriteString("Option", "Skin", "new.skn");
        }
        ::_exit(1);  // the save should not have got this far
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(File()), old);
    ASSERT_EQ(FolderEntries(dir_).size(), 2u);  // the file and the abandoned temporary

    // The next start clears the leftover, even when it saves nothing.
    {
        SettingsStore s(File());
        EXPECT_EQ(s.ReadString("Option", "Skin", ""), "old.skn");
    }
    EXPECT_EQ(FolderEntries(dir_), QStringList{"Norvane.reg"});
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenLeavesTheValuesInMemoryAndSaysSoOnce) {
    // A plain file where the folder should be: nothing can be created there, even by root.
    WriteBytes(dir_.filePath("Tobrin"), "a file");
    const QString path = dir_.filePath("Tobrin/Norvane.reg");
    CaptureStderr();
    for (int i = 1; i <= 3; ++i) {
        SettingsStore s(path);
        EXPECT_EQ(s.ReadInteger("Option", "Page", 0), i - 1);
        s.WriteInteger("Option", "Page", i);
        s.WriteString("Option", QStringLiteral("Name%1").arg(i), "x");
    }
    const std::string message = GetCapturedStderr();
    EXPECT_EQ(Count(message, "\n"), 1) << message;
    EXPECT_NE(message.find(path.toStdString()), std::string::npos) << message;
    SettingsStore s(path);
    EXPECT_EQ(s.ReadInteger("Option", "Page", 0), 3);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(s.ReadString("Option", QStringLiteral("Name%1").arg(i), ""), "x") << i;
}

TEST_F(SettingsFileTest, AnUnreadableFileIsNeverOverwritten) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    WriteBytes(File(), QByteArray(kHeader) + "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\A]\n\"X\"=\"1\"\n");
    QFile::setPermissions(File(), QFile::WriteOwner);
    CaptureStderr();
    {
        SettingsStore s(File());
        s.WriteString("A", "Y", "2");
    }
    EXPECT_NE(GetCapturedStderr().find("cannot read"), std::string::npos);
    QFile::setPermissions(File(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(ReadBytes(File()).contains("\"Y\""));
    EXPECT_TRUE(ReadBytes(File()).contains("\"X\"=\"1\""));
}

TEST_F(SettingsFileTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kEach = 40;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            for (int i = 0; i < kEach; ++i) {
                SettingsStore s(File());
                s.WriteInteger(QStringLiteral("Process%1").arg(c), QStringLiteral("V%1").arg(i), i);
                s.WriteInteger("Shared", "Total", s.ReadInteger("Shared", "Total", 0) + 1);
            }
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    SettingsStore s(File());
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < kEach; ++i)
            EXPECT_EQ(s.ReadInteger(QStringLiteral("Process%1").arg(c), QStringLiteral("V%1").arg(i), -1), i);
    EXPECT_EQ(s.ReadInteger("Shared", "Total", 0), 2 * kEach);
}

// A batch that leaves its save to the next accessor: the disk keeps the old file
// until then, this process reads the new values at once, and inside a larger
// batch the larger one saves as always.
TEST_F(SettingsFileTest, ASaveLeftForLaterWaitsForTheNextAccessorButNeverForAnOuterBatch) {
    {
        SettingsStore s(File());
        s.WriteString("Option", "Skin", "old.skn");
    }
    const QByteArray old = ReadBytes(File());
    {
        SettingsStore s(File());
        s.WriteString("Option", "Skin", "new.skn");
        s.SaveLater();
    }
    EXPECT_EQ(ReadBytes(File()), old);
    {
        SettingsStore s(File());
        EXPECT_EQ(s.ReadString("Option", "Skin", ""), "new.skn");
    }
    EXPECT_TRUE(ReadBytes(File()).contains("\"Skin\"=\"new.skn\""));

    {
        SettingsStore outer(File());
        {
            SettingsStore inner(File());
            inner.WriteString("Option", "Skin", "inner.skn");
            inner.SaveLater();
        }
    }
    EXPECT_TRUE(ReadBytes(File()).contains("\"Skin\"=\"inner.skn\""));
}


const QByteArray kKey = "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\";

// Two good keys around a damaged part.
QByteArray AroundDamage(const QByteArray& damage) {
    return QByteArray(kHeader) + kKey + "Option]\n\"Page\"=dword:00000003\n\n" + damage + "\n" + kKey +
           "Window]\n\"Top\"=dword:0000001e\n";
}

std::vector<SettingsNotice> Notices(SettingsNoticeKind kind) {
    std::vector<SettingsNotice> of;
    for (const SettingsNotice& n : TakeSettingsNotices())
        if (n.kind == kind) of.push_back(n);
    return of;
}

// Whatever the damage, the good lines are kept, the original is copied aside
// and the player is told once where the copy lies.
TEST_F(SettingsFileTest, DamageOfEveryKindIsCopiedAsideAndToldOnceWithTheCopysName) {
    FakeOsClock clock;
    clock.setUtc({2026, 3, 14, 15, 30, 12, 0});
    ScopedOsClock useClock(clock);
    const struct {
        const char* what;
        QByteArray damage;
        const char* says;
    } cases[] = {
        {"NUL bytes in a key line", kKey + QByteArray("Timer\0\0]\n", 9) + "\"Count\"=dword:00000003",
         "読み取れない行が 2 行あります（最初は 6 行目）"},
        {"a control character in a value", kKey + "Timer]\n\"Name\"=\"a\x01z\"", "読み取れない行が 1 行あります（最初は 7 行目）"},
        {"a key line without its ]", kKey + "Timer\n\"Count\"=dword:00000003", "読み取れない行が 2 行"},
        {"bytes that are no text", kKey + "Timer]\n\"Name\"=\"\xff\xfe\x80\"", "文字として読めないバイト"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Norvane.reg"));
        const QByteArray broken = AroundDamage(c.damage);
        WriteBytes(file, broken);
        ResetSettingsNotices();
        CaptureStderr();
        for (int i = 0; i < 3; ++i) {
            SettingsStore s(file);
            EXPECT_EQ(s.ReadInteger("Option", "Page", 0), 3);
            EXPECT_EQ(s.ReadInteger("Window", "Top", 10), 30);
            s.WriteInteger("Option", "Racial", i);
        }
        GetCapturedStderr();
        const QString copy = file + QStringLiteral(".bad-20260314-153012");
        EXPECT_EQ(ReadBytes(copy), broken);
        const std::vector<SettingsNotice> told = Notices(SettingsNoticeKind::Damaged);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].other, copy);
        const QString text = SettingsNoticeText(told[0]);
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << text.toStdString();
        EXPECT_TRUE(text.contains(copy) && text.contains(file));
        // The cleaned file holds nothing of the damage and opens quietly.
        EXPECT_FALSE(ReadBytes(file).contains('\0'));
        EXPECT_FALSE(ReadBytes(file).contains('\x01'));
        EXPECT_EQ(SettingsStore(file).ReadInteger("Option", "Racial", -1), 2);
        EXPECT_TRUE(TakeSettingsNotices().empty());
    }
}

// When no copy can be made, the damaged file is never replaced, so that the next
// start cannot silently lose what this run changes: the values live in memory.
TEST_F(SettingsFileTest, ADamagedFileThatCannotBeCopiedIsLeftAsItIsAndTheChangesStayInMemory) {
    for (int error : {EROFS, ENOSPC, EACCES}) {
        SCOPED_TRACE(std::strerror(error));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Norvane.reg"));
        const QByteArray broken = AroundDamage(kKey + "Timer\n");
        WriteBytes(file, broken);
        ResetSettingsNotices();
        g_fault = {SaveStep::CreateNew, error};
        SetSaveFaultHook(InjectFault);
        CaptureStderr();
        for (int i = 1; i <= 3; ++i) {
            SettingsStore s(file);
            EXPECT_EQ(s.ReadInteger("Option", "Page", 0), i == 1 ? 3 : 10 + i - 1);
            s.WriteInteger("Option", "Page", 10 + i);
        }
        const std::string message = GetCapturedStderr();
        EXPECT_EQ(Count(message, "\n"), 1) << message;
        EXPECT_NE(message.find("could not be copied aside"), std::string::npos) << message;
        EXPECT_EQ(ReadBytes(file), broken);
        EXPECT_EQ(FolderEntries(dir), QStringList{"Norvane.reg"});
        const std::vector<SettingsNotice> told = Notices(SettingsNoticeKind::DamagedNotCopied);
        ASSERT_EQ(told.size(), 1u);
        const QString text = SettingsNoticeText(told[0]);
        EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(error)))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("変更した設定は保存しません"))) << text.toStdString();
        SetSaveFaultHook(nullptr);
    }
}

// Shift-JIS lines under the newer header (an old tool's export, a hand edit)
// read as what they say, and a save writes them back without a replacement
// character; nothing of it counts as damage.
TEST_F(SettingsFileTest, ShiftJisTextUnderTheNewerHeaderReadsAndIsSavedWithoutLoss) {
    ASSERT_TRUE(HasShiftJisDecoder());
    WriteBytes(File(), QByteArray(kHeader) + kKey +
                           "Option]\n"
                           "\"Skin\"=\"\x93\xfa\x96\x7b.skn\"\n"       // 日本.skn in Shift-JIS
                           "\"Name\"=\"\xe6\x97\xa5\xe6\x9c\xac\"\n"   // 日本 in UTF-8
                           "\"Old\"=hex(1):93,fa,96,7b,00\n");          // 日本, 8-bit inside hex(1):
    ResetSettingsNotices();
    CaptureStderr();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        SettingsStore s(File());
        EXPECT_EQ(s.ReadString("Option", "Skin", ""), QStringLiteral("日本.skn"));
        EXPECT_EQ(s.ReadString("Option", "Name", ""), QStringLiteral("日本"));
        EXPECT_EQ(s.ReadString("Option", "Old", ""), QStringLiteral("日本"));
        s.WriteInteger("Option", "Page", round + 1);
    }
    EXPECT_EQ(GetCapturedStderr(), "");
    const QByteArray saved = ReadBytes(File());
    EXPECT_FALSE(saved.contains("\xef\xbf\xbd"));
    EXPECT_TRUE(saved.contains("\"Skin\"=\"\xe6\x97\xa5\xe6\x9c\xac.skn\"\n"));
    EXPECT_EQ(FolderEntries(dir_), QStringList{"Norvane.reg"});
    EXPECT_TRUE(TakeSettingsNotices().empty());
}

void SetModified(const QString& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// Each accessor reads the file again only when its size or modification time
// changed, so that a large file costs nothing to reach.
TEST_F(SettingsFileTest, AFileUnchangedOnDiskIsNotReadAgain) {
    {
        SettingsStore s(File());
        s.WriteString("Option", "Skin", "aaa.skn");
    }
    SetModified(File(), 1'000'000'000);
    EXPECT_EQ(SettingsStore(File()).ReadString("Option", "Skin", ""), "aaa.skn");

    // Changed in place behind the program's back, with size and time kept: unseen.
    QByteArray bytes = ReadBytes(File());
    bytes.replace("aaa.skn", "bbb.skn");
    {
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.write(bytes);
    }
    SetModified(File(), 1'000'000'000);
    EXPECT_EQ(SettingsStore(File()).ReadString("Option", "Skin", ""), "aaa.skn");
    // Its time changed: read again.
    SetModified(File(), 1'000'000'001);
    EXPECT_EQ(SettingsStore(File()).ReadString("Option", "Skin", ""), "bbb.skn");
}

// A FIFO, a device or a folder at the settings path, or a file far too large,
// is refused at once: the defaults are used, the player is told, and nothing is
// saved over it.
TEST_F(SettingsFileTest, WhatIsNoSettingsFileIsRefusedAtOnceAndNeverReplaced) {
    constexpr qint64 kLimit = 16 * 1024 * 1024;
    const QByteArray start = AroundDamage("");
    const struct {
        NoFile kind;
        SettingsNoticeKind told;
        const char* says;    // on standard error
        const char* boxSays;
    } cases[] = {
        {NoFile::Fifo, SettingsNoticeKind::NotAFile, "is a FIFO, not a file", "名前付きパイプ"},
        {NoFile::Folder, SettingsNoticeKind::NotAFile, "is a folder, not a file", "フォルダー"},
        {NoFile::Device, SettingsNoticeKind::NotAFile, "is a device, not a file", "デバイス"},
        {NoFile::TooLarge, SettingsNoticeKind::TooLarge, "is larger than 16 MB", "16 MB を超えています"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NoFileName(c.kind));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Norvane.reg"));
        ASSERT_TRUE(MakeNoFile(file, c.kind, kLimit, start));
        ResetSettingsNotices();
        Watchdog watchdog(20);
        CaptureStderr();
        for (int i = 0; i < 2; ++i) {
            SettingsStore s(file);
            EXPECT_EQ(s.ReadInteger("Option", "Page", 0), i);
            s.WriteInteger("Option", "Page", i + 1);
        }
        const std::string message = GetCapturedStderr();
        EXPECT_EQ(Count(message, "\n"), 1) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        const std::vector<SettingsNotice> told = Notices(c.told);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(SettingsNoticeText(told[0]).contains(QString::fromUtf8(c.boxSays)));
        // Still what it was; nothing beside it.
        const QFileInfo info(file);
        switch (c.kind) {
        case NoFile::Device: EXPECT_EQ(info.symLinkTarget(), "/dev/zero"); break;
        case NoFile::Folder: EXPECT_TRUE(info.isDir()); break;
        case NoFile::Fifo: EXPECT_FALSE(info.isFile() || info.isDir()); break;
        case NoFile::TooLarge:
            EXPECT_EQ(info.size(), kLimit + 1);
            EXPECT_TRUE(ReadBytes(file).startsWith(start));
            break;
        }
        QStringList beside = FolderEntries(dir);
        beside.removeAll(QStringLiteral("Norvane.reg"));
        EXPECT_EQ(beside, QStringList());
    }
}

// A link is followed to a real settings file, as kept in a synced folder; a
// target that does not read as settings at all is never replaced, and a link
// that leads nowhere stays a link.
TEST_F(SettingsFileTest, ALinkIsSavedThroughToASettingsFileButNeverReplacesAnythingElse) {
    const QString synced = dir_.filePath(QStringLiteral("synced"));
    ASSERT_TRUE(QDir().mkdir(synced));
    const QString real = synced + QStringLiteral("/Norvane.reg");
    WriteBytes(real, AroundDamage(""));
    ASSERT_TRUE(QFile::link(real, File()));
    ResetSettingsNotices();
    {
        SettingsStore s(File());
        EXPECT_EQ(s.ReadInteger("Option", "Page", 0), 3);
        s.WriteString("Option", "Skin", "new.skn");
    }
    EXPECT_EQ(QFileInfo(File()).symLinkTarget(), real);
    EXPECT_TRUE(ReadBytes(real).contains("\"Skin\"=\"new.skn\""));
    EXPECT_TRUE(TakeSettingsNotices().empty());

    const struct {
        const char* what;
        const char* target;  // nullptr: none
        const char* says;
    } cases[] = {
        {"a text file", "PATH=/usr/bin\nexport PATH\n", "レジストリのエクスポート形式のファイルではありません"},
        {"a header over nothing that parses", "Windows Registry Editor Version 5.00\n\nnot a key\nnor a value\n",
         "レジストリのエクスポート形式のファイルではありません"},
        {"nothing", nullptr, "リンク先のファイルがありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("Norvane.reg"));
        const QString target = dir.filePath(QStringLiteral("elsewhere/profile"));
        ASSERT_TRUE(QDir().mkdir(dir.filePath(QStringLiteral("elsewhere"))));
        if (c.target) WriteBytes(target, c.target);
        ASSERT_TRUE(QFile::link(target, link));
        ResetSettingsNotices();
        CaptureStderr();
        for (int i = 0; i < 2; ++i) {
            SettingsStore s(link);
            EXPECT_EQ(s.ReadString("Option", "Skin", ""), i == 0 ? "" : "kept.skn");
            s.WriteString("Option", "Skin", "kept.skn");
        }
        EXPECT_NE(GetCapturedStderr().find("nothing is saved there"), std::string::npos);
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
        EXPECT_EQ(ReadBytes(target), c.target ? QByteArray(c.target) : QByteArray());
        EXPECT_EQ(QDir(dir.filePath(QStringLiteral("elsewhere"))).entryList(QDir::Files | QDir::Hidden).size(),
                  c.target ? 1 : 0);
        const std::vector<SettingsNotice> told = Notices(SettingsNoticeKind::LinkRefused);
        ASSERT_EQ(told.size(), 1u);
        const QString text = SettingsNoticeText(told[0]);
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.says)) && text.contains(target)) << text.toStdString();
    }
}

// Settings problems are told through their logging category, each key once.
TEST(SettingsReport, EachProblemIsOneWarningOfItsCategoryOnce) {
    static std::vector<std::pair<std::string, QString>> seen;
    seen.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& c, const QString& m) {
        if (type == QtWarningMsg) seen.emplace_back(c.category ? c.category : "", m);
    });
    ReportSettingsProblemOnce(QStringLiteral("report-test-a"), QStringLiteral("first"));
    ReportSettingsProblemOnce(QStringLiteral("report-test-a"), QStringLiteral("again"));
    ReportSettingsProblemOnce(QStringLiteral("report-test-b"), QStringLiteral("second"));
    qInstallMessageHandler(previous);
    const std::vector<std::pair<std::string, QString>> expected{{"norvane.settings", QStringLiteral("first")},
                                                                {"norvane.settings", QStringLiteral("second")}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace norvane
