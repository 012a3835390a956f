#include "core/settings/general_options.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>
#include <functional>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

TEST(GeneralOptions, TheDialogOpensWithItsDefaultsAndHoldsTheLineCountToItsSpinRange) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Norvane.reg");
    struct Case {
        const char* what;
        std::function<void(SettingsStore&)> seed;
        GeneralOptions expected;
    };
    const Case cases[] = {
        {"empty", [](SettingsStore&) {}, {true, 3, true, true, true}},
        {"switched off, 12 lines",
         [](SettingsStore& s) {
             s.WriteString("Option\\Scroll", "NewEnable", "0");
             s.WriteString("Option\\Scroll", "Count", "12");
         },
         {false, 12, true, true, true}},
        {"count 0", [](SettingsStore& s) { s.WriteInteger("Option\\Scroll", "Count", 0); }, {true, 1, true, true, true}},
        {"count 500", [](SettingsStore& s) { s.WriteInteger("Option\\Scroll", "Count", 500); },
         {true, 99, true, true, true}},
        {"questions off",
         [](SettingsStore& s) {
             s.WriteBool("Option", "WebAccess", false);
             s.WriteInteger("Option", "NewVersionAccess", 0);
             s.WriteString("Option", "TimeServerAccess", "yes");  // unreadable: the default
         },
         {true, 3, true, false, false}},
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        {
            SettingsStore s(path);
            c.seed(s);
        }
        SettingsStore s(path);
        EXPECT_EQ(ReadGeneralOptions(s), c.expected) << c.what;
    }
}

TEST(GeneralOptions, StoringWritesEveryValueAndACountKeptAsTextStaysText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Norvane.reg");
    {
        SettingsStore s(path);
        s.WriteString("Option\\Scroll", "Count", "5");
    }
    {
        SettingsStore s(path);
        StoreWheelOptions(s, false, 42);
        StoreAccessOptions(s, false, true, false);
    }
    SettingsStore s(path);
    EXPECT_EQ(ReadGeneralOptions(s), (GeneralOptions{false, 42, false, true, false}));
    EXPECT_EQ(s.ReadString("Option\\Scroll", "Count", ""), "42");
}

TEST(GeneralOptions, TheTimeNowIsWrittenTheJapaneseWayWhateverTheLocale) {
    // The C locale would write "9 Dec 2026 08:07:05"; the clock never follows it.
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TimeNowText({2026, 12, 9, 8, 7, 5, 300}), "現在の時刻 : 2026/12/09 08:07:05");
    EXPECT_EQ(TimeNowText({2027, 1, 1, 0, 0, 0, 999}), "現在の時刻 : 2027/01/01 00:00:00");
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace norvane
