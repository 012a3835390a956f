#include "core/settings/internet_access.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/settings/settings_store.h"

namespace norvane {
namespace {

TEST(InternetAccess, EachKindAsksUntilItsOwnValueSaysNotTo) {
    QTemporaryDir dir;
    SettingsStore s(dir.filePath("Norvane.reg"));
    for (const InternetAccess* a : {&kTimeServerAccess, &kWebAccess, &kNewVersionAccess})
        EXPECT_TRUE(ShouldAskInternetAccess(s, *a->ask)) << a->ask->name;
    // Stored as text "0", as an older settings file may have it.
    s.WriteString("Option", "WebAccess", "0");
    EXPECT_FALSE(ShouldAskInternetAccess(s, *kWebAccess.ask));
    EXPECT_TRUE(ShouldAskInternetAccess(s, *kTimeServerAccess.ask));
    EXPECT_TRUE(ShouldAskInternetAccess(s, *kNewVersionAccess.ask));
}

TEST(InternetAccess, OnlyYesWithTheBoxCheckedSilencesTheQuestion) {
    struct Case {
        DialogResult result;
        bool dontAskAgain;
        bool asksAfter;
    };
    const Case cases[] = {
        {DialogResult::Yes, true, false},
        {DialogResult::Yes, false, true},
        {DialogResult::No, true, true},  // declining never silences
        {DialogResult::No, false, true},
        {DialogResult::Ok, true, true},  // the hidden OK button
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        SettingsStore s(dir.filePath("Norvane.reg"));
        StoreInternetAccessAnswer(s, setting::kAskTimeServerAccess, c.result, c.dontAskAgain);
        EXPECT_EQ(ShouldAskInternetAccess(s, setting::kAskTimeServerAccess), c.asksAfter)
            << static_cast<int>(c.result) << " " << c.dontAskAgain;
        // Nothing at all is written unless the question is silenced.
        EXPECT_EQ(s.ValueExists("Option", "TimeServerAccess"), !c.asksAfter);
    }
}

TEST(InternetAccess, TheThreeCallersTextsAndValues) {
    EXPECT_STREQ(kTimeServerAccess.caption, "時刻同期の確認 - Norvane");
    EXPECT_STREQ(kTimeServerAccess.message,
                 "時刻の同期を行うにはインターネットへの接続が必要です。\nインターネットへ接続します。よろしいですか？");
    EXPECT_STREQ(kWebAccess.caption, "ウェブサイト表示の確認 - Norvane");
    EXPECT_STREQ(kNewVersionAccess.caption, "最新バージョンの確認 - Norvane");
    for (const InternetAccess* a : {&kTimeServerAccess, &kWebAccess, &kNewVersionAccess}) {
        EXPECT_STREQ(a->ask->section, "Option");
        // Two lines, the second the same question.
        const QString m = QString::fromUtf8(a->message);
        EXPECT_EQ(m.count('\n'), 1) << a->ask->name;
        EXPECT_TRUE(m.endsWith("インターネットへ接続します。よろしいですか？")) << a->ask->name;
    }
    EXPECT_STREQ(kWebAccess.ask->name, "WebAccess");
    EXPECT_STREQ(kNewVersionAccess.ask->name, "NewVersionAccess");
}

}  // namespace
}  // namespace norvane
