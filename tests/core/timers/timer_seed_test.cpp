#include "core/timers/timer_seed.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include "core/settings/settings_store.h"
#include "timer_test_support.h"

namespace norvane {
namespace {

using testing_support::MakeSet;
using testing_support::TempFolder;

TEST(ParseTimerLineTest, FieldsInOrderThresholdsLastToFirst) {
    auto set = ParseTimerLine(QStringLiteral("2分,countdown,120,15,30,60"));
    ASSERT_TRUE(set);
    EXPECT_EQ(*set, MakeSet("2分", kKindCountdown, 120, 60, 30, 15));
    set = ParseTimerLine(QStringLiteral("  ストップウォッチ , stopwatch ,0,0,0,0"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Name, "ストップウォッチ");
    EXPECT_EQ(set->Kind, kKindStopwatch);
}

TEST(ParseTimerLineTest, QuotesBlanksAndFieldCounts) {
    EXPECT_FALSE(ParseTimerLine(QStringLiteral("Boss pop,countdown,600,10,20,30")));  // seven fields
    auto set = ParseTimerLine(QStringLiteral("\"Boss pop, \"\"NM\"\"\",countdown,600,10,20,30"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Name, "Boss pop, \"NM\"");
    EXPECT_FALSE(ParseTimerLine(QStringLiteral("a,countdown,1,2,3")));
    EXPECT_FALSE(ParseTimerLine(QStringLiteral("a,countdown,1,2,3,4,")));  // trailing comma adds a field
    set = ParseTimerLine(QStringLiteral("a,countdown,1,2,3,"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Section[0], 0);
    EXPECT_FALSE(ParseTimerLine(QString()));
}

TEST(ParseTimerLineTest, KindsAndNumbers) {
    EXPECT_FALSE(ParseTimerLine(QStringLiteral("c,chaintime,10,15,30,60")));
    EXPECT_FALSE(ParseTimerLine(QStringLiteral("c,Countdown,10,15,30,60")));
    auto set = ParseTimerLine(QStringLiteral("x,countdown,90,x,-5,99999999999"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Value, 90);
    EXPECT_EQ(set->Section[2], 0);
    EXPECT_EQ(set->Section[1], -5);
    EXPECT_EQ(set->Section[0], 0);  // not a 32-bit integer
    // A length is held to what the editors allow.
    EXPECT_EQ(ParseTimerLine(QStringLiteral("x,countdown,2147483647,0,0,0"))->Value, 32767);
    EXPECT_EQ(ParseTimerLine(QStringLiteral("x,countdown,32767,0,0,0"))->Value, 32767);
    EXPECT_EQ(ParseTimerLine(QStringLiteral("x,countdown,-1,0,0,0"))->Value, 0);
}

class SeedingTest : public ::testing::Test {
protected:
    QString ini() const { return folder_.file("timer.ini"); }
    void WriteIni(const QString& text) {
        QStringEncoder sjis("Shift_JIS");
        QFile f(ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(sjis.encode(text)));
    }
    void Start() {
        SettingsStore store(folder_.settings());
        PrepareTimerSets(store, ini());
    }
    std::vector<TTimerSet> Stored() const {
        SettingsStore store(folder_.settings());
        return ReadTimerSets(store);
    }
    bool Flag(const char* name) const {
        SettingsStore store(folder_.settings());
        return store.ReadBool("Timer", name, false);
    }

    TempFolder folder_;
};

TEST_F(SeedingTest, FirstStartWithoutTimerIniGivesThirtySets) {
    Start();
    const auto sets = Stored();
    ASSERT_EQ(sets.size(), 30u);
    EXPECT_EQ(sets[0], MakeSet("ストップウォッチ", kKindStopwatch, 0));
    EXPECT_EQ(sets[1], MakeSet("15秒", kKindCountdown, 15, 0, 0, 5));
    EXPECT_EQ(sets[5], MakeSet("2分", kKindCountdown, 120, 60, 30, 15));
    EXPECT_EQ(sets[21], MakeSet("2時間", kKindCountdown, 7200, 60, 30, 15));
    for (int j = 0; j < 8; ++j)
        EXPECT_EQ(sets[22 + j], MakeSet(QStringLiteral("チェーン 敵Lv%1").arg(10 * (j + 1)),
                                        kKindChaintime, 10 * (j + 1), 60, 30, 15));
    EXPECT_TRUE(Flag("Flag"));
    EXPECT_TRUE(Flag("Flag2"));
    EXPECT_FALSE(QFile::exists(folder_.file("timer.dat")));
    EXPECT_FALSE(QFile::exists(QDir(QFileInfo(DefaultTimerIniPath()).path()).filePath("timer.dat")));
}

TEST_F(SeedingTest, ShiftJisTimerIniIsReadOnceOnFirstStart) {
    WriteIni(QStringLiteral("ボス,countdown,600,10,20,30\r\n"
                            "\"長い 名前\",countdown,300,5,0,60\r\n"
                            "空白 名前,countdown,300,5,0,60\r\n"
                            "チェーン,chaintime,50,15,30,60\r\n"
                            "\r\n"
                            "計測,stopwatch,0,x,0,0\n"));
    Start();
    auto sets = Stored();
    ASSERT_EQ(sets.size(), 11u);  // three accepted lines, then the eight chain sets
    EXPECT_EQ(sets[0], MakeSet("ボス", kKindCountdown, 600, 30, 20, 10));
    EXPECT_EQ(sets[1], MakeSet("長い 名前", kKindCountdown, 300, 60, 0, 5));
    EXPECT_EQ(sets[2], MakeSet("計測", kKindStopwatch, 0));
    EXPECT_EQ(sets[3].Name, "チェーン 敵Lv10");

    // A later start never reads the file again.
    WriteIni(QStringLiteral("別,countdown,1,0,0,0\r\n"));
    Start();
    EXPECT_EQ(Stored(), sets);
}

TEST_F(SeedingTest, OlderInstallationGainsTheChainSetsOnce) {
    {
        SettingsStore store(folder_.settings());
        WriteTimerSets(store, {MakeSet("a", kKindCountdown, 10), MakeSet("b", kKindStopwatch, 0)});
        store.WriteBool("Timer", "Flag", true);
    }
    Start();
    auto sets = Stored();
    ASSERT_EQ(sets.size(), 10u);
    EXPECT_EQ(sets[1].Name, "b");
    EXPECT_EQ(sets[2].Name, "チェーン 敵Lv10");
    EXPECT_EQ(sets[9].Name, "チェーン 敵Lv80");
    EXPECT_TRUE(Flag("Flag2"));
    Start();
    EXPECT_EQ(Stored().size(), 10u);
}

TEST_F(SeedingTest, SeedingAndChainAppendStopAtOneHundred) {
    QString text;
    for (int i = 0; i < 150; ++i) text += QStringLiteral("t%1,countdown,%1,0,0,0\r\n").arg(i);
    WriteIni(text);
    Start();
    auto sets = Stored();
    ASSERT_EQ(sets.size(), 100u);
    EXPECT_EQ(sets[99].Name, "t99");

    TempFolder other;
    SettingsStore store(other.settings());
    text.clear();
    for (int i = 0; i < 95; ++i) text += QStringLiteral("t%1,countdown,%1,0,0,0\n").arg(i);
    EXPECT_EQ(SeedTimerSetsFromLines(store, text.split('\n')), 95);
    EXPECT_EQ(AppendChainSets(store), 5);
    EXPECT_EQ(ReadTimerSetCount(store), 100);
    EXPECT_EQ(ReadTimerSet(store, 99).Name, "チェーン 敵Lv50");
    EXPECT_EQ(AppendChainSets(store), 0);
}

TEST_F(SeedingTest, UnreadableTimerIniFallsBackToTheBuiltInList) {
    SettingsStore store(folder_.settings());
    EXPECT_EQ(SeedTimerSets(store, true, folder_.file("missing.ini")), 22);
    EXPECT_FALSE(ReadTimerIni(folder_.file("missing.ini")));
}

// The "Timer" key itself was lost (its header line damaged: Count, Flag, Flag2
// and the row selections with it) while the player's set keys are intact. The
// list is rebuilt from those keys, never seeded over them.
TEST_F(SeedingTest, SetKeysWithoutTheirTimerKeyAreKeptAndCounted) {
    const struct {
        const char* what;
        std::vector<int> indices;  // set keys present
        int count;                 // what Count must become
    } cases[] = {
        {"a dense list", {0, 1, 2, 3, 4}, 5},
        {"a gap is kept as an empty slot, nothing beyond it is hidden", {0, 1, 3}, 4},
        {"only a later key", {7}, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        {
            SettingsStore store(folder.settings());
            for (int i : c.indices)
                WriteTimerSet(store, i, MakeSet(QStringLiteral("自分の%1").arg(i), i == 4 ? kKindChaintime : kKindCountdown,
                                                100 + i, 30, 20, 10));
            ASSERT_FALSE(store.ValueExists("Timer", "Count"));
        }
        {
            SettingsStore store(folder.settings());
            PrepareTimerSets(store, ini());
        }
        SettingsStore store(folder.settings());
        EXPECT_EQ(store.ReadInteger("Timer", "Count", -1), c.count);
        EXPECT_TRUE(store.ReadBool("Timer", "Flag", false));
        EXPECT_TRUE(store.ReadBool("Timer", "Flag2", false));
        const auto sets = ReadTimerSets(store);
        ASSERT_EQ(sets.size(), static_cast<std::size_t>(c.count));
        for (int i : c.indices)
            EXPECT_EQ(sets[static_cast<std::size_t>(i)],
                      MakeSet(QStringLiteral("自分の%1").arg(i), i == 4 ? kKindChaintime : kKindCountdown, 100 + i, 30,
                              20, 10));
    }

    // A Count that survived is left as it is.
    SettingsStore store(folder_.settings());
    WriteTimerSet(store, 0, MakeSet("a", kKindCountdown, 10));
    WriteTimerSet(store, 1, MakeSet("b", kKindCountdown, 20));
    store.WriteInteger("Timer", "Count", 1);
    PrepareTimerSets(store, ini());
    EXPECT_EQ(ReadTimerSetCount(store), 1);
    EXPECT_EQ(ReadTimerSet(store, 1).Name, "b");
}

}  // namespace
}  // namespace norvane
