#include "core/timers/timer_sets.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/settings/settings_store.h"
#include "core/timers/timer_cells.h"
#include "core/timers/timer_rows.h"
#include "platform/sound.h"
#include "support/fake_sound_player.h"
#include "timer_test_support.h"

namespace norvane {
namespace {

using testing_support::MakeAlarm;
using testing_support::MakeSet;
using testing_support::TempFolder;

TEST(TimerStoreTest, ListsRoundTripAndShrinkingErasesLeftoverKeys) {
    TempFolder folder;
    const std::vector<TTimerSet> timers = {MakeSet("a", kKindCountdown, 90, 60, 30, 15),
                                           MakeSet("b", kKindStopwatch, 0),
                                           MakeSet("c", kKindChaintime, 40, 60, 30, 15)};
    const std::vector<TAlarmSet> alarms = {MakeAlarm("x", "/s/x.wav", 10, "", 20, "/s/z.wav", 0)};
    {
        SettingsStore store(folder.settings());
        WriteTimerSets(store, timers);
        WriteAlarmSets(store, alarms);
    }
    {
        SettingsStore store(folder.settings());
        EXPECT_EQ(ReadTimerSets(store), timers);
        const auto read = ReadAlarmSets(store);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0], alarms[0]);
        EXPECT_FALSE(read[0].Section[1].Enabled);
        EXPECT_EQ(store.ReadString("Timer\\Timer-Set02", "Option", ""), "chaintime");
        EXPECT_EQ(store.ReadInteger("Timer\\Timer-Set00\\Section2", "Second", 0), 15);
        EXPECT_EQ(store.ReadString("Alarm\\Alarm-Set00\\Section2", "Filename", ""), "/s/z.wav");

        // The working list of the editor: a deleted last set leaves no key behind.
        WriteTimerSets(store, {timers[0], timers[1]});
    }
    SettingsStore store(folder.settings());
    EXPECT_EQ(store.ReadInteger("Timer", "Count", 0), 2);
    // Nor any key below the deleted set.
    EXPECT_EQ(store.SubSections("Timer"), (QStringList{"Timer-Set00", "Timer-Set01"}));
}

TEST(TimerStoreTest, RowSelectionsAndAlarmChoicesPersist) {
    TempFolder folder;
    FakeSoundPlayer sound;
    ScopedSoundPlayer scoped(sound);
    {
        SettingsStore store(folder.settings());
        WriteTimerSets(store, {MakeSet("a", kKindCountdown, 5), MakeSet("b", kKindCountdown, 7)});
        WriteAlarmSets(store, {MakeAlarm("x", "/s/x.wav", 3), MakeAlarm("y", "/s/y.wav", 0)});
    }
    TimerCells cells;
    {
        SettingsStore store(folder.settings());
        ReadTimerRows(store, cells);
        EXPECT_EQ(cells.SetNames(), (QStringList{"a", "b"}));
        EXPECT_EQ(AlarmMenuEntries(store), (QStringList{"(なし)", "x", "y"}));
        EXPECT_EQ(cells.Selections()[0], -1);
        cells.Select(0, 1);
        cells.Select(11, 0);
        StoreTimerRowSelections(store, cells);
        ChooseCellAlarm(store, cells, 0, 2);
        EXPECT_EQ(CheckedAlarmEntry(store, 0), 2);
        EXPECT_EQ(CheckedAlarmEntry(store, 1), 0);
        EXPECT_EQ(store.ReadInteger("Timer\\Alarm", "Item0", 0), 2);
        EXPECT_EQ(store.ReadInteger("Timer", "Item1", -1), 1);
        EXPECT_EQ(store.ReadInteger("Timer", "Item12", -1), 0);
    }
    TimerCells later;
    SettingsStore store(folder.settings());
    ReadTimerRows(store, later);
    ReadRowAlarms(store, later);
    EXPECT_EQ(later.View(0).display, "00:07");
    EXPECT_EQ(later.Selections()[11], 0);
    EXPECT_EQ(later.RowAlarm(0).Name, "y");
    later.Start(0, 0, EarthTime{});
    later.Tick(7000);
    EXPECT_EQ(sound.played, QStringList{"/s/y.wav"});
}

TEST(TimerStoreTest, HandEditedSettingsStayInBounds) {
    TempFolder folder;
    FakeSoundPlayer sound;
    ScopedSoundPlayer scoped(sound);
    {
        SettingsStore store(folder.settings());
        store.WriteInteger("Timer", "Count", 100000);
        store.WriteString("Timer\\Timer-Set00", "Name", QString(50000, QChar(u'長')));
        store.WriteString("Timer\\Timer-Set00", "Option", "countdown");
        store.WriteInteger("Timer\\Timer-Set00", "Timer", INT_MAX);
        store.WriteInteger("Timer\\Timer-Set00\\Section0", "Second", -40);
        store.WriteString("Timer\\Timer-Set01", "Option", "chaintime");
        store.WriteInteger("Timer\\Timer-Set01", "Timer", -99999);
        store.WriteInteger("Timer", "Item1", 0);
        store.WriteInteger("Timer", "Item2", 1);
        store.WriteInteger("Timer", "Item3", 100);
        store.WriteInteger("Timer", "Item4", INT_MIN);
        store.WriteInteger("Alarm", "Count", 50);
        store.WriteString("Alarm\\Alarm-Set00\\Section0", "Filename", "/s/a.wav");
        store.WriteInteger("Alarm\\Alarm-Set00\\Section0", "Second", -5);
        store.WriteInteger("Timer\\Alarm", "Item0", 1);
        store.WriteInteger("Timer\\Alarm", "Item1", 21);
        store.WriteInteger("Timer\\Alarm", "Item2", -3);
        store.WriteInteger("Timer\\Alarm", "Item3", 20);
    }
    SettingsStore store(folder.settings());
    EXPECT_EQ(ReadTimerSets(store).size(), 100u);
    EXPECT_EQ(ReadAlarmSets(store).size(), 20u);
    EXPECT_EQ(AlarmMenuEntries(store).size(), 21);

    TimerCells cells;
    ReadTimerRows(store, cells);
    ReadRowAlarms(store, cells);
    EXPECT_EQ(cells.Selections()[0], 0);
    EXPECT_EQ(cells.Selections()[1], 1);
    EXPECT_EQ(cells.Selections()[2], -1);
    EXPECT_EQ(cells.Selections()[3], -1);
    EXPECT_TRUE(cells.RowAlarm(0).Used);
    EXPECT_FALSE(cells.RowAlarm(1).Used);
    EXPECT_FALSE(cells.RowAlarm(2).Used);
    EXPECT_TRUE(cells.RowAlarm(3).Used);  // set 20 exists: the 20th read
    EXPECT_EQ(CheckedAlarmEntry(store, 1), 0);
    EXPECT_EQ(CheckedAlarmEntry(store, 2), 0);
    EXPECT_EQ(CheckedAlarmEntry(store, 99), 0);

    cells.Start(0, 0, EarthTime{});
    cells.Start(1, 0, EarthTime{});
    auto r = cells.Tick(3000);
    EXPECT_EQ(r.changed, 3u);
    EXPECT_TRUE(cells.Item(0).Running);
    EXPECT_FALSE(cells.Item(1).Running);  // a negative level gives an empty window
    EXPECT_EQ(cells.View(1).display, "00:00");
    EXPECT_TRUE(sound.played.isEmpty());

    ChooseCellAlarm(store, cells, 40, 1);  // no such cell: nothing is written
    EXPECT_FALSE(store.ValueExists("Timer\\Alarm", "Item40"));
}

}  // namespace
}  // namespace norvane
