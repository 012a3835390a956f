#include "core/timesync/time_server.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

TEST(TimeServerText, TakesHostPortAndBracketedIPv6AndKeepsPort123ForAPlainHost) {
    struct Case {
        const char* text;
        std::optional<TimeServer> server;
    };
    const std::vector<Case> cases = {
        {"ntp.example.org", TimeServer{"ntp.example.org", 123}},
        {"  ntp.example.org\t", TimeServer{"ntp.example.org", 123}},
        {"192.0.2.7", TimeServer{"192.0.2.7", 123}},
        {"192.0.2.7:10123", TimeServer{"192.0.2.7", 10123}},
        {"ntp.example.org:1", TimeServer{"ntp.example.org", 1}},
        {"ntp.example.org:65535", TimeServer{"ntp.example.org", 65535}},
        {"[2001:db8::1]:4123", TimeServer{"2001:db8::1", 4123}},
        {"[::1]", TimeServer{"::1", 123}},
        {"2001:db8::1", TimeServer{"2001:db8::1", 123}},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"ntp.example.org:", std::nullopt},
        {"ntp.example.org:0", std::nullopt},
        {"ntp.example.org:65536", std::nullopt},
        {"ntp.example.org:123456", std::nullopt},
        {"ntp.example.org:12a", std::nullopt},
        {"ntp.example.org:-1", std::nullopt},
        {":123", std::nullopt},
        {"[::1", std::nullopt},
        {"[::1]x", std::nullopt},
        {"[::1]:", std::nullopt},
        {"[]:123", std::nullopt},
        {"[ntp.example.org]:123", std::nullopt},
        {"ntp example.org", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseTimeServer(c.text), c.server) << '"' << c.text << '"';
}

QStringList L(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* s : items) list.append(QString::fromUtf8(s));
    return list;
}

TEST(ServerHistory, AppliedNameGoesOnTopOnceAndTheListKeepsTenAtMost) {
    struct Case {
        const char* what;
        QStringList before;
        const char* text;
        QStringList after;
    };
    const QStringList ten = L({"s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9"});
    const std::vector<Case> cases = {
        {"new name on an empty list", {}, "a", L({"a"})},
        {"new name goes on top", L({"a", "b"}), "c", L({"c", "a", "b"})},
        {"existing name moves up without a copy", L({"a", "b", "c"}), "c", L({"c", "a", "b"})},
        {"the top name stays", L({"a", "b"}), "a", L({"a", "b"})},
        {"an eleventh new name drops the oldest", ten, "new",
         L({"new", "s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8"})},
        {"a known name in a full list drops nothing", ten, "s9",
         L({"s9", "s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8"})},
        {"names compare case-sensitively", L({"ntp.example.org", "b"}), "NTP.example.org",
         L({"NTP.example.org", "ntp.example.org", "b"})},
        {"of duplicates, the last one goes", L({"a", "x", "b", "x"}), "x", L({"x", "a", "x", "b"})},
        {"a list longer than ten is cut to ten", L({"s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "s10"}),
         "s0", L({"s0", "s1", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9"})},
        // A blank field would push the oldest name out and then not be written.
        {"a blank field changes nothing", ten, "", ten},
        {"spaces only change nothing", L({"a"}), "  ", L({"a"})},
    };
    for (const auto& c : cases) EXPECT_EQ(PutServerOnTop(c.before, QString::fromUtf8(c.text)), c.after) << c.what;
}

class TimeSettingsTest : public ::testing::Test {
protected:
    QString File() const { return dir_.filePath(QStringLiteral("Norvane.reg")); }
    QTemporaryDir dir_;
};

TEST_F(TimeSettingsTest, ApplyStoresTheServerAndARenumberedHistoryThatTheDialogReadsBack) {
    {
        SettingsStore s(File());
        // A fresh store: the three default servers, the first as the server used.
        EXPECT_EQ(ReadServerHistory(s), L({kDefaultTimeServers[0], kDefaultTimeServers[1], kDefaultTimeServers[2]}));
        EXPECT_EQ(ReadTimeServerSetting(s), QString::fromUtf8(kDefaultTimeServers[0]));
        // A hand-made history with a gap and stale items beyond Count.
        s.WriteInteger("Time\\History", "Count", 4);
        s.WriteString("Time\\History", "Item00", "a");
        s.WriteString("Time\\History", "Item01", "");
        s.WriteString("Time\\History", "Item02", "b");
        s.WriteString("Time\\History", "Item03", "c");
        s.WriteString("Time\\History", "Item04", "stale");
    }
    QStringList shown;
    {
        SettingsStore s(File());
        shown = ReadServerHistory(s);
        EXPECT_EQ(shown, L({"a", "b", "c"}));
        EXPECT_EQ(ApplyTimeServerOptions(s, shown, "b", true), L({"b", "a", "c"}));
    }
    SettingsStore s(File());
    EXPECT_EQ(s.ReadString("Time", "Server", "?"), "b");
    EXPECT_TRUE(s.ReadBool("Time", "ExecuteSync", false));
    EXPECT_EQ(s.ReadInteger("Time\\History", "Count", -1), 3);
    EXPECT_EQ(s.ReadString("Time\\History", "Item00", "?"), "b");
    EXPECT_EQ(s.ReadString("Time\\History", "Item01", "?"), "a");
    EXPECT_EQ(s.ReadString("Time\\History", "Item02", "?"), "c");
    EXPECT_EQ(ReadServerHistory(s), L({"b", "a", "c"}));
    EXPECT_EQ(ReadTimeServerSetting(s), "b");

    // An empty field is stored as the server, costs no history entry, and a
    // synchronisation then uses the default server rather than no server.
    EXPECT_EQ(ApplyTimeServerOptions(s, L({"b", "a", "c"}), "", false), L({"b", "a", "c"}));
    EXPECT_EQ(s.ReadString("Time", "Server", "?"), "");
    EXPECT_FALSE(s.ReadBool("Time", "ExecuteSync", true));
    EXPECT_EQ(s.ReadInteger("Time\\History", "Count", -1), 3);
    EXPECT_EQ(ReadTimeServerSetting(s), QString::fromUtf8(kDefaultTimeServers[0]));
}

}  // namespace
}  // namespace norvane
