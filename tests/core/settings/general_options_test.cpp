#include "core/settings/general_options.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "core/settings/settings_store.h"
#include "support/scoped_tz.h"

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

TEST(GeneralOptions, TheTimeNowShowsDateAndSecondsButNoZoneName) {
    ScopedTz tz("Asia/Tokyo");
    const EarthTime t{2026, 12, 9, 8, 7, 5, 300};
    for (const char* name : {"C", "en_US", "ja_JP", "de_DE"}) {
        const QString text = TimeNowText(t, QLocale(QString::fromLatin1(name)));
        EXPECT_TRUE(text.startsWith("現在の時刻 : ")) << name;
        EXPECT_TRUE(text.contains("07") && text.contains("05")) << text.toStdString();
        for (const char* zone : {"JST", "GMT", "UTC", "+09", "日本"})
            EXPECT_FALSE(text.contains(QString::fromUtf8(zone))) << text.toStdString();
        EXPECT_EQ(text, text.trimmed()) << name;
    }
    EXPECT_EQ(TimeNowText(t, QLocale::c()), "現在の時刻 : 9 Dec 2026 08:07:05");
}

}  // namespace
}  // namespace norvane
