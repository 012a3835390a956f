// The settings file under a process that dies at any moment: a child saves
// changing settings without pause and is killed with SIGKILL again and again.
// After every kill the file must read cleanly and hold one whole save, the last
// one the child finished or the one it was finishing, and the next start must
// find nothing left beside it.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "core/settings/reg_document.h"
#include "core/settings/settings_store.h"
#include "settings/test_files.h"

namespace norvane {
namespace {

using namespace testing_files;

constexpr int kKills = 300;
constexpr int kValues = 80;

QString ValueText(int save, int i) { return QStringLiteral("save %1 value %2").arg(save).arg(i); }

// One save: every value changes with the save's number, and a section comes and
// goes, so a file mixed from two saves cannot pass for either.
void WriteSave(SettingsStore& s, int save) {
    s.WriteInteger("Crash", "Save", save);
    for (int i = 0; i < kValues; ++i) s.WriteString("Crash\\Values", QStringLiteral("V%1").arg(i), ValueText(save, i));
    if (save % 2 == 0)
        s.WriteInteger("Crash\\Even", "Save", save);
    else
        s.EraseSection("Crash\\Even");
    s.WriteInteger("Crash", "Check", save * 7);
}

// What a file holds: the save it belongs to, or -1 when it is not one whole save.
int WholeSave(const RegDocument& doc) {
    const QStringList root = {"HKEY_CURRENT_USER", "Software", "Tobrin", "Norvane", "Crash"};
    auto value = [&](const QStringList& key, const QString& name) -> const RegValue* {
        const int k = doc.FindKey(FoldPath(key));
        return k < 0 ? nullptr : doc.keys[static_cast<std::size_t>(k)].FindValue(FoldName(name));
    };
    const RegValue* save = value(root, "Save");
    const RegValue* check = value(root, "Check");
    if (!save || !check || save->type != RegType::Dword) return -1;
    const int n = static_cast<int>(save->dword);
    if (check->dword != static_cast<std::uint32_t>(n * 7)) return -1;
    for (int i = 0; i < kValues; ++i) {
        const RegValue* v = value(root + QStringList{"Values"}, QStringLiteral("V%1").arg(i));
        if (!v || v->text != ValueText(n, i)) return -1;
    }
    const RegValue* even = value(root + QStringList{"Even"}, "Save");
    if ((n % 2 == 0) != (even != nullptr) || (even && even->dword != static_cast<std::uint32_t>(n))) return -1;
    return n;
}

// Saves without pause, telling the parent the number of every finished save.
[[noreturn]] void SaveForever(const QString& path, int report) {
    int save;
    {
        SettingsStore s(path);
        save = s.ReadInteger("Crash", "Save", 0);
    }
    for (;;) {
        ++save;
        {
            SettingsStore s(path);
            WriteSave(s, save);
        }
        (void)!::write(report, &save, sizeof save);
    }
}

// How long a saving child takes, from its fork to its third finished save: the
// saves flush to disk, and a loaded machine or a sanitizer build (whose child
// copies much of its memory on first touch) may take many times what an idle one
// does.
std::chrono::microseconds ThreeSaves() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Norvane.reg"));
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return std::chrono::milliseconds(25);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        SaveForever(file, pipeFds[1]);
    }
    ::close(pipeFds[1]);
    if (child < 0) {
        ::close(pipeFds[0]);
        return std::chrono::milliseconds(25);  // the test's own fork then fails and says so
    }
    int n = 0, reports = 0;
    while (reports < 3 && ::read(pipeFds[0], &n, sizeof n) == static_cast<ssize_t>(sizeof n)) ++reports;
    const auto took = std::chrono::steady_clock::now() - start;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(pipeFds[0]);
    return std::chrono::duration_cast<std::chrono::microseconds>(took);
}

TEST(SettingsCrash, AKilledSaveLeavesOneWholeSaveAndNothingBesideIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Norvane.reg"));
    // A fixed seed, so that a failing run's kill times can be had again; the kills
    // fall anywhere from the child's start to several saves in, however long a
    // save takes on this machine.
    std::mt19937 random(20261210u);
    const auto window = std::clamp<std::chrono::microseconds>(ThreeSaves(), std::chrono::milliseconds(25),
                                                              std::chrono::seconds(1));

    int finished = 0;       // the last save a child reported finished
    int torn = 0, lost = 0;
    int midSave = 0;        // kills that left a temporary behind
    int newer = 0;          // kills after a save's rename but before its report
    for (int kill = 0; kill < kKills; ++kill) {
        int pipeFds[2];
        ASSERT_EQ(::pipe2(pipeFds, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            SaveForever(file, pipeFds[1]);
        }
        ::close(pipeFds[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % window.count()));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver ended by itself";
        int n;
        while (::read(pipeFds[0], &n, sizeof n) == static_cast<ssize_t>(sizeof n)) finished = n;
        ::close(pipeFds[0]);

        if (FolderEntries(dir).size() > 1) ++midSave;
        if (finished == 0 && !QFile::exists(file)) continue;  // killed before its first save

        bool clean = false;
        const RegParseResult read = ParseRegText(DecodeRegBytes(ReadBytes(file), clean));
        const int held = clean && !read.headerMissing && read.badLines.empty() ? WholeSave(read.doc) : -1;
        if (held < 0) {
            ++torn;
            ADD_FAILURE() << "kill " << kill << ": the file is not one whole save";
        } else if (held != finished && held != finished + 1) {
            ++lost;
            ADD_FAILURE() << "kill " << kill << ": the file holds save " << held << ", the child finished " << finished;
        }
        newer += held == finished + 1;
        finished = std::max(finished, held);

        // The next start reads the same and leaves nothing but the file.
        {
            SettingsStore next(file);
            EXPECT_EQ(next.ReadInteger("Crash", "Save", -1), held);
        }
        EXPECT_EQ(FolderEntries(dir), QStringList{"Norvane.reg"}) << "kill " << kill;
    }
    EXPECT_GT(finished, kKills / 10) << "too few saves to prove anything";
    std::printf("%d kills within %lld us: %d torn, %d lost; %d cut a save short, %d came between a save and its "
                "report; %d saves in all\n",
                kKills, static_cast<long long>(window.count()), torn, lost, midSave, newer, finished);
}

}  // namespace
}  // namespace norvane
