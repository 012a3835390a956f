#include "core/timers/timer_set_editing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "core/settings/settings_store.h"
#include "timer_test_support.h"

namespace norvane {
namespace {

using testing_support::MakeAlarm;
using testing_support::MakeSet;
using testing_support::MakeSoundFolders;
using testing_support::SoundFolders;
using testing_support::TempFolder;

TEST(TimerSetEditingTest, DeletingAnAlarmSetClearsItsCellsAndMovesLaterOnesUp) {
    // Alarm sets 1..3 (assignments count from 1); set 2 (row 1) goes.
    std::array<int, kTimerCellCount> cells{2, 3, 1, 0, 3, 2, 0, 0, 0, 0, 0, 1};
    RenumberAfterAlarmDelete(cells, 1);
    EXPECT_EQ(cells, (std::array<int, kTimerCellCount>{0, 2, 1, 0, 2, 0, 0, 0, 0, 0, 0, 1}));

    // The working copies and the in-place drop-down agree after the shift.
    std::vector<TAlarmSet> alarms(kMaxAlarmSets);
    alarms[0] = MakeAlarm("one", "", 0);
    alarms[1] = MakeAlarm("two", "", 0);
    alarms[2] = MakeAlarm("three", "", 0);
    DeleteSlot(alarms, 1);
    const QStringList choices = AlarmChoices(alarms);
    EXPECT_EQ(choices, (QStringList{"(なし)", "one", "three"}));
    EXPECT_EQ(CellAlarmText(choices, cells[0]), "(なし)");
    EXPECT_EQ(CellAlarmText(choices, cells[1]), "three");
    EXPECT_EQ(CellAlarmText(choices, 7), "(なし)");  // a hand-edited assignment past the list
    EXPECT_EQ(UsedSlots(alarms), 2);
    EXPECT_FALSE(alarms[19].Used);
}

TEST(TimerSetEditingTest, SlotMovesKeepTheSetsDenseAndInOrder) {
    auto names = [](const std::vector<TTimerSet>& slotList) {
        QString s;
        for (const auto& t : slotList) s += t.Used ? t.Name : QStringLiteral(".");
        return s;
    };
    struct Case {
        const char* what;
        std::function<void(std::vector<TTimerSet>&)> edit;
        QString after;
    };
    const std::vector<Case> cases = {
        {"drag down", [](auto& v) { MoveSlot(v, 0, 3); }, "bcdae"},
        {"drag up", [](auto& v) { MoveSlot(v, 4, 1); }, "aebcd"},
        {"drop on itself", [](auto& v) { MoveSlot(v, 2, 2); }, "abcde"},
        {"drop past the end", [](auto& v) { MoveSlot(v, 2, 7); }, "abcde"},
        {"down button", [](auto& v) { SwapSlots(v, 1, 2); }, "acbde"},
        {"delete middle", [](auto& v) { DeleteSlot(v, 2); }, "abde."},
        {"delete last", [](auto& v) { DeleteSlot(v, 4); }, "abcd."},
    };
    for (const auto& c : cases) {
        std::vector<TTimerSet> slotList(6);
        for (int i = 0; i < 5; ++i) slotList[static_cast<std::size_t>(i)] = MakeSet(QString(QChar('a' + i)), kKindCountdown, i);
        c.edit(slotList);
        EXPECT_EQ(names(slotList), c.after + ".") << c.what;
        EXPECT_EQ(slotList.size(), 6u) << c.what;
    }
}

TEST(TimerSetEditingTest, EditsNormaliseEmptyTextsAndHoldTheirRanges) {
    struct Case {
        QString text;
        int empty, max, expected;
    };
    const std::vector<Case> cases = {
        {"", kAlarmSecondsWhenEmpty, kSecondsMax, 60},  // alarm seconds
        {"", 0, kSecondsMax, 0},                        // a division
        {"", 0, kTimerValueMax, 0},                     // the value
        {"007", 0, kSecondsMax, 7},
        {"12345", 0, kSecondsMax, 9999},
        {"99999", 0, kTimerValueMax, 32767},
        {"99999999999999999999", 0, kTimerValueMax, 32767},  // too long for 64 bits
        {"32767", 0, kTimerValueMax, 32767},
        // Digits as Japanese input gives them are read as their values, never as
        // a number too large; other junk still counts as empty.
        {"２３", 0, kTimerValueMax, 23},
        {"１０", kAlarmSecondsWhenEmpty, kSecondsMax, 10},
        {"\u3000１2\u3000", 0, kSecondsMax, 12},
        {"٤٢", 0, kSecondsMax, 42},
        {"９９９９９", 0, kSecondsMax, 9999},
        {"1a", kAlarmSecondsWhenEmpty, kSecondsMax, 60},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalisedEditValue(c.text, c.empty, c.max), c.expected) << c.text.toStdString();
    EXPECT_EQ(WithAsciiDigits("ｘ１２３-٩"), "ｘ123-9");
}

TEST(TimerSetEditingTest, AStopwatchStoresNothingButItsNameAndShowsDashes) {
    const TTimerSet set = TimerSetFromEditor("sw", KindPosition(kKindStopwatch), 300, {60, 30, 15});
    EXPECT_EQ(set, MakeSet("sw", kKindStopwatch, 0));
    const TimerSetRowText row = TimerSetRow(set);
    EXPECT_EQ(row.icon, kIconStopwatch);
    EXPECT_EQ(row.value, "-");
    EXPECT_EQ(row.divisions, (std::array<QString, 3>{"-", "-", "-"}));

    EXPECT_EQ(TimerSetRow(MakeSet("c", kKindChaintime, 40, 60, 0, 15)),
              (TimerSetRowText{kIconChain, "c", "敵Lv 40", {"60 秒", "0 秒", "15 秒"}}));
    EXPECT_EQ(AlarmSetRow(MakeAlarm("a", "/s/x.wav", 10, "", 20, "/s/z.wav", 0)),
              (AlarmSetRowText{"a", {"10 秒", "-", "0 秒"}}));
}

TEST(TimerSetEditingTest, SoundListShowsTheFoldersWaveFilesAndAPathMovesTheFolder) {
    TempFolder folder;
    SoundFolders folders;
    ASSERT_TRUE(MakeSoundFolders(folder.path(), folders));
    const QString &sounds = folders.sounds, &other = folders.other;
    QStringList listed = SoundFileChoices(sounds);
    ASSERT_FALSE(listed.isEmpty());
    EXPECT_EQ(listed.takeFirst(), "(なし)");
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"bell.wav", "gong.wav"}));
    EXPECT_EQ(SoundFileChoices(QString()), QStringList{"(なし)"});

    // A section with a file lists that file's folder; one without, the default.
    TSectionSet withFile{true, false, other + "horn.wav", 5};
    const SoundPick shown = SoundPickForSection(withFile, sounds);
    EXPECT_EQ(shown.folder, other);
    EXPECT_EQ(shown.text, "horn.wav");
    EXPECT_EQ(SoundPickForSection(TSectionSet{}, sounds).folder, sounds);

    struct Case {
        QString text;
        QString folder, shownText, filename;
        bool refill;
    };
    const std::vector<Case> cases = {
        {"gong.wav", sounds, "gong.wav", sounds + "gong.wav", false},
        {other + "horn.wav", other, "horn.wav", other + "horn.wav", true},
        {other + "missing.wav", sounds, other + "missing.wav", sounds + other + "missing.wav", false},
        {"(なし)", sounds, "(なし)", "", false},
        {"", sounds, "", "", false},  // an emptied text never stores the bare folder
    };
    for (const auto& c : cases) {
        const SoundPick p = SoundPickFromText(sounds, c.text);
        EXPECT_EQ(p.folder, c.folder) << c.text.toStdString();
        EXPECT_EQ(p.text, c.shownText) << c.text.toStdString();
        EXPECT_EQ(p.filename, c.filename) << c.text.toStdString();
        EXPECT_EQ(p.refill, c.refill) << c.text.toStdString();
    }
}

TEST(TimerSetEditingTest, WorkingCopiesReadBackAsWrittenWithBadAssignmentsAsNone) {
    TempFolder folder;
    {
        SettingsStore store(folder.settings());
        WriteTimerSets(store, {MakeSet("a", kKindCountdown, 90, 60, 30, 15), MakeSet("b", kKindStopwatch, 0)});
        WriteAlarmSets(store, {MakeAlarm("x", "/s/x.wav", 10)});
        WriteAlarmAssignments(store, {1, 2, 0, -3, 0, 0, 0, 0, 0, 0, 0, 1});
    }
    TimerEditCopies copies;
    {
        SettingsStore store(folder.settings());
        copies = ReadTimerEditCopies(store);
    }
    EXPECT_EQ(copies.timers.size(), 100u);
    EXPECT_EQ(copies.alarms.size(), 20u);
    EXPECT_EQ(UsedSlots(copies.timers), 2);
    EXPECT_TRUE(copies.alarms[0].Section[0].Enabled);
    EXPECT_EQ(copies.alarmOfCell, (std::array<int, kTimerCellCount>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

    MoveSlot(copies.timers, 1, 0);
    {
        SettingsStore store(folder.settings());
        WriteTimerEditCopies(store, copies);
    }
    SettingsStore store(folder.settings());
    EXPECT_EQ(ReadTimerSets(store), (std::vector<TTimerSet>{MakeSet("b", kKindStopwatch, 0),
                                                          MakeSet("a", kKindCountdown, 90, 60, 30, 15)}));
    EXPECT_EQ(store.ReadInteger("Timer\\Alarm", "Item1", -1), 0);
}

}  // namespace
}  // namespace norvane
