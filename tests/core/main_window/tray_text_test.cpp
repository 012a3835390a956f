#include "core/main_window/tray_text.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

TEST(TrayText, ShowsGameTimeWeekdayMoonAndLocalTimeInEachZone) {
    struct Case {
        EarthTime utc;
        int bias;
        int weekday;
        const char* toolTip;
    };
    const Case cases[] = {
        // The base instant: 0934/08/04 18:00:00, 雷, 上弦の月.
        {{2003, 12, 1, 9, 0, 1, 0}, -540, 5,
         "Norvane\nヴァナ時間 0934/08/04 18:00\n雷曜日 上弦の月\n地球時間 2003/12/01(月) 18:00"},
        // West of UTC the local date is the day before.
        {{2003, 12, 1, 9, 0, 1, 0}, 600, 5,
         "Norvane\nヴァナ時間 0934/08/04 18:00\n雷曜日 上弦の月\n地球時間 2003/11/30(日) 23:00"},
        // The last second of a game year: 0885/12/30 23:59:35, 闇, 二十六夜.
        {{2001, 12, 31, 15, 0, 0, 0}, -540, 7,
         "Norvane\nヴァナ時間 0885/12/30 23:59\n闇曜日 二十六夜\n地球時間 2002/01/01(火) 00:00"},
        {{2001, 12, 31, 15, 0, 0, 0}, 600, 7,
         "Norvane\nヴァナ時間 0885/12/30 23:59\n闇曜日 二十六夜\n地球時間 2001/12/31(月) 05:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.utc.year << " bias " << c.bias);
        const TrayTexts t = TrayTextsAt(c.utc, c.bias);
        EXPECT_EQ(t.weekday, c.weekday);
        EXPECT_EQ(t.toolTip, c.toolTip);
    }
    // Within one game minute the text stays put, so the tooltip is not set at every tick.
    // (18:00:00 to 18:00:50); at 18:01:15 it moves on.
    EXPECT_EQ(TrayTextsAt({2003, 12, 1, 9, 0, 1, 0}, -540), TrayTextsAt({2003, 12, 1, 9, 0, 3, 999}, -540));
    EXPECT_NE(TrayTextsAt({2003, 12, 1, 9, 0, 3, 0}, -540).toolTip, TrayTextsAt({2003, 12, 1, 9, 0, 4, 0}, -540).toolTip);
}

TEST(TrayText, SettingsAreOffUntilStored) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Norvane.reg");
    {
        SettingsStore s(path);
        const TraySettings off = ReadTraySettings(s);
        EXPECT_FALSE(off.enabled);
        EXPECT_FALSE(off.closeToTray);
        s.WriteBool("Tray", "Enabled", true);
        s.WriteBool("Tray", "CloseToTray", true);
    }
    SettingsStore s(path);
    const TraySettings on = ReadTraySettings(s);
    EXPECT_TRUE(on.enabled);
    EXPECT_TRUE(on.closeToTray);
}

}  // namespace
}  // namespace norvane
