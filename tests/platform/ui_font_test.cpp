#include "platform_gui/ui_font.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace norvane {
namespace {

// First in this file: the family must not have been looked up before.
TEST(UiFont, LookupStartedAheadGivesTheSameFamily) {
    PrepareUiFamily();
    PrepareUiFamily();  // a second start is ignored
    PrepareFontList();  // settles both families on its own thread, while this one asks too
    PrepareFontList();
    EXPECT_EQ(UiFamily(), ChooseUiFamily(QFontDatabase::families(),
                                         QString::fromStdString(SystemFamilyFor("sans-serif:lang=ja"))));
    EXPECT_EQ(ArialFamily().toStdString(), SystemFamilyFor("Arial"));
}

TEST(UiFont, ClassicFaceWinsThenTheSystemsJapaneseFaceThenGenericSans) {
    EXPECT_EQ(ChooseUiFamily({"DejaVu Sans", "MS UI Gothic", "VL Gothic"}, "VL Gothic"), "MS UI Gothic");
    EXPECT_EQ(ChooseUiFamily({"DejaVu Sans", "VL Gothic"}, "VL Gothic"), "VL Gothic");
    // A name that merely contains the classic one is not it.
    EXPECT_EQ(ChooseUiFamily({"MS UI Gothic Bold"}, "IPAPGothic"), "IPAPGothic");
    EXPECT_EQ(ChooseUiFamily({}, ""), "sans-serif");
}

TEST(UiFont, SystemAnswerIsAnInstalledFaceAndTheWindowFontUsesIt) {
    const std::string family = SystemFamilyFor("sans-serif:lang=ja");
    ASSERT_FALSE(family.empty());
    EXPECT_TRUE(QFontDatabase::families().contains(QString::fromStdString(family))) << family;
    EXPECT_TRUE(SystemFamilyFor("").size() > 0);  // an empty pattern still has a default face

    const QFont font = UiFont(12);
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_EQ(font.family(), UiFamily());
    EXPECT_EQ(QFontInfo(font).family(), UiFamily());  // the face is really there, not a stand-in

    // "Arial" is asked for by name only where it is installed; the stand-in
    // named instead is a real face too, and the one the toolkit would have found.
    const QFont clock = ArialFont(15, true);
    EXPECT_EQ(clock.pixelSize(), 15);
    EXPECT_TRUE(clock.bold());
    EXPECT_TRUE(QFontDatabase::families().contains(ArialFamily())) << ArialFamily().toStdString();
    EXPECT_EQ(QFontInfo(clock).family(), ArialFamily());
    QFont byName(QStringLiteral("Arial"));
    byName.setPixelSize(15);
    byName.setBold(true);
    EXPECT_EQ(QFontInfo(byName).family(), ArialFamily());
}

TEST(UiFont, AFixedWidthSystemFaceGivesWayToItsProportionalTwin) {
    struct Case {
        QStringList installed;
        const char* system;
        const char* chosen;
    };
    const Case cases[] = {
        {{"VL Gothic", "VL PGothic"}, "VL Gothic", "VL PGothic"},
        {{"IPAGothic", "IPAPGothic"}, "IPAGothic", "IPAPGothic"},
        {{"VL Gothic"}, "VL Gothic", "VL Gothic"},                         // no twin installed
        {{"Noto Sans CJK JP", "VL PGothic"}, "Noto Sans CJK JP", "Noto Sans CJK JP"},  // already proportional
        {{"MS UI Gothic", "VL PGothic"}, "VL Gothic", "MS UI Gothic"},
        // Named in Japanese, as under a Japanese locale.
        {{"VL ゴシック", "VL Pゴシック"}, "VL ゴシック", "VL Pゴシック"},
        {{"IPAゴシック", "IPA Pゴシック"}, "IPAゴシック", "IPA Pゴシック"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseUiFamily(c.installed, c.system), c.chosen) << c.system;
}

TEST(UiFont, TheWindowFaceHereIsProportional) {
    // fonts-vlgothic, which setup installs, makes the fixed-width VL Gothic the
    // system's Japanese face; the window must draw in a proportional one.
    const QFontMetrics fm(UiFont(12));
    EXPECT_LT(fm.horizontalAdvance(QStringLiteral("iiii")), fm.horizontalAdvance(QStringLiteral("WWWW")))
        << UiFamily().toStdString();
}

}  // namespace
}  // namespace norvane
