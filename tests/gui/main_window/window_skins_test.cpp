// The window-colour menus and the colouring of the window from skin files.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QApplication>

#include <cerrno>
#include <functional>

#include "core/settings/settings_file.h"
#include "core/settings/settings_notice.h"
#include "core/settings/settings_store.h"
#include "gui/controls/gdi.h"
#include "gui/controls/shape.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/main_window.h"
#include "gui/schedules/schedule_page.h"
#include "platform/durable_file.h"
#include "platform/sleep_clock.h"
#include "support/fake_user_messages.h"
#include "window_fixture.h"

namespace norvane {
namespace {

class WindowSkinsTest : public WindowFixture {
protected:
    WindowSkinsTest() {
        skins_ = dir_.filePath("skins") + "/";
        QDir().mkpath(skins_);
    }

    void Skin(const char* file, const QByteArray& text) {
        QFile f(skins_ + file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    void Choose(const char* file) {
        SettingsStore s(path_);
        s.WriteString("Option", "Skin", file);
    }
    QString Chosen() const { return SettingsStore(path_).ReadString("Option", "Skin", "(none)"); }

    std::unique_ptr<TfrmMain> Start() {
        auto w = WindowFixture::Start();
        w->SetSkinFolder(skins_.toStdString());
        return w;
    }

    QString skins_;
};

QMenu* BarColourMenu(const TfrmMain& w) {
    const QList<QMenu*> menus = w.findChildren<QMenu*>("mbrColor");
    EXPECT_EQ(menus.size(), 1);
    return menus.isEmpty() ? nullptr : menus.front();
}

QStringList Captions(const QMenu* m) {
    QStringList out;
    for (const QAction* a : m->actions()) out << (a->isSeparator() ? "-" : a->text());
    return out;
}

QStringList Checked(const QMenu* m) {
    QStringList out;
    for (const QAction* a : m->actions())
        if (a->isChecked()) out << a->text();
    return out;
}

// The window's own background, left of the pages, and the frame's outer edge.
QColor BackgroundPixel(TfrmMain& w) { return w.grab().toImage().pixelColor(3, 120); }

TEST_F(WindowSkinsTest, BothMenusListTheSkinsAndTheChosenOneIsCheckedAndApplied) {
    Skin("blue.skn", "[Skin]\r\nName=Blue\r\n[Color]\r\nBack=$00B24801\r\nItem=0x00FFF4EA\r\n");
    Skin("red.skn", "[Skin]\r\nName=Red\r\n[Color]\r\nBack=255\r\n");
    Skin("readme.txt", "[Skin]\r\nName=Not a skin\r\n");
    auto w = Start();

    const QMenu* pop = w->findChild<QMenu*>("mnuColor");
    ASSERT_NE(pop, nullptr);
    QStringList names = Captions(pop);
    names.sort();
    EXPECT_EQ(names, QStringList({"Blue", "Red"}));
    EXPECT_EQ(Captions(BarColourMenu(*w)), Captions(pop));
    EXPECT_EQ(Checked(pop), QStringList{"Blue"});
    EXPECT_EQ(w->Skin(), SkinColours());
    for (const QAction* a : pop->actions()) EXPECT_EQ(a->statusTip(), "ウィンドウカラーを変更します。");

    // The menu bar's submenu sits right after "常に手前に表示" under "メニュー".
    const QMenu* bar = w->findChild<QMenuBar*>("mbrMenu")->actions().front()->menu();
    const QList<QAction*> items = bar->actions();
    const qsizetype at = items.indexOf(w->findChild<QAction*>("actAllways"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(items[at + 1]->menu(), BarColourMenu(*w));
    EXPECT_EQ(items[at + 1]->text(), "ウィンドウカラー(&C)");

    // Choosing the other entry recolours at once and is remembered.
    for (QAction* a : pop->actions())
        if (a->text() == "Red") a->trigger();
    EXPECT_EQ(Checked(pop), QStringList{"Red"});
    EXPECT_EQ(Chosen(), "red.skn");
    EXPECT_EQ(BackgroundPixel(*w), QColor(255, 0, 0));
}

TEST_F(WindowSkinsTest, AChosenNameThatDiffersOnlyInCaseFindsItsFile) {
    Skin("blue.skn", "[Skin]\r\nName=Blue\r\n[Color]\r\nBack=255\r\n");
    Choose("Blue.skn");
    auto w = Start();
    EXPECT_EQ(Checked(w->findChild<QMenu*>("mnuColor")), QStringList{"Blue"});
    EXPECT_EQ(BackgroundPixel(*w), QColor(255, 0, 0));
    EXPECT_EQ(Chosen(), "blue.skn");
}

// What the window and its forecast window show, drawn offscreen.
struct Looks {
    QImage window, forecast;
};
Looks LooksOf(TfrmMain& w) {
    w.show();
    QCoreApplication::processEvents();
    QWidget* picture = w.findChild<QWidget*>("imgVanaWeek");
    QTest::mousePress(picture, Qt::LeftButton);
    QWidget* forecast = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->isVisible() && t != &w && t->inherits("norvane::TfrmWeek")) forecast = t;
    EXPECT_NE(forecast, nullptr);
    Looks l{w.grab().toImage(), forecast ? forecast->grab().toImage() : QImage()};
    if (forecast) forecast->close();
    return l;
}

// With no skin applied, for whatever reason, every part keeps the colours the
// window is designed with: it looks exactly as with a skin of the defaults.
TEST_F(WindowSkinsTest, WithoutASkinTheWindowLooksAsDesigned) {
    Skin("blue.skn",
         "[Color]\r\nVana=10502144\r\nEart=6316128\r\nBack=11683841\r\nEdge=11103050\r\n"
         "Bace=16244438\r\nItem=16774378\r\n");
    Looks designed;
    {
        auto w = Start();
        designed = LooksOf(*w);
    }
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"no skin file", [&] { QFile::remove(skins_ + "blue.skn"); }},
        {"the chosen file is gone", [&] { Skin("red.skn", "[Color]\r\nBack=255\r\n"), Choose("gone.skn"); }},
    };
    for (const auto& [why, arrange] : cases) {
        SCOPED_TRACE(why);
        arrange();
        auto w = Start();
        const Looks l = LooksOf(*w);
        EXPECT_TRUE(l.window == designed.window);
        EXPECT_TRUE(l.forecast == designed.forecast);
    }
}

TEST_F(WindowSkinsTest, OnlyBackGivenTurnsBackgroundAndFrameRedAndLeavesTheRest) {
    Skin("blue.skn", "[Color]\r\nBack=255\r\n");
    auto w = Start();
    SkinColours expected;
    expected.Back = Rgb(255, 0, 0);
    EXPECT_EQ(w->Skin(), expected);
    const QImage shot = w->grab().toImage();
    EXPECT_EQ(shot.pixelColor(3, 120), QColor(255, 0, 0));
    // The name is missing: the entry shows as nameless.
    EXPECT_EQ(Captions(w->findChild<QMenu*>("mnuColor")), QStringList{"名無し"});
    // The clock's texts keep their design colours.
    EXPECT_EQ(w->findChild<QLabel*>("lblVanaTime")->palette().color(QPalette::WindowText), QColor(0, 64, 160));
}

TEST_F(WindowSkinsTest, EveryColourOfTheTableReachesItsControls) {
    Skin("blue.skn",
         "[Color]\r\nVana=$000000FF\r\nEart=$0000FF00\r\nBace=$00FFFFFF\r\nItem=$00808080\r\n");
    auto w = Start();
    w->ShowPage(Page::Ship);
    EXPECT_EQ(w->findChild<QLabel*>("lblVanaTime")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w->findChild<QLabel*>("lblEarthTime")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    // Header shapes take the colour halfway between Item and Base.
    EXPECT_EQ(w->findChild<TShape*>("shpShipHead0")->BrushColor(), Rgb(191, 191, 191));
    EXPECT_EQ(MidColour(SkinColours().Item, SkinColours().Base), Rgb(224, 233, 251));
    EXPECT_EQ(w->findChild<QMenuBar*>("mbrMenu")->palette().color(QPalette::Window), QColor(255, 255, 255));
    // The pop-ups share the menu bar's colours, those made after the bar too.
    for (const char* menu : {"mnuMain", "mnuMenu", "mnuColor", "mbrColor", "mnuAlarm"})
        EXPECT_EQ(w->findChild<QMenu*>(menu)->palette().color(QPalette::Window), QColor(255, 255, 255)) << menu;
}

TEST_F(WindowSkinsTest, AVanishedSkinFileIsRememberedButRecoloursNothing) {
    Skin("blue.skn", "");
    Skin("red.skn", "[Color]\r\nBack=255\r\n");
    auto w = Start();
    QFile::remove(skins_ + "red.skn");
    const int red = w->SkinList()[0].find("red.skn") != std::string::npos ? 0 : 1;
    w->ApplySkin(red);
    EXPECT_EQ(Chosen(), "red.skn");
    EXPECT_EQ(w->Skin(), SkinColours());
    EXPECT_EQ(BackgroundPixel(*w), QColor(1, 72, 178));
}

TEST_F(WindowSkinsTest, ChoosingASkinWhileTheShipPageShowsRefreshesItAtOnce) {
    Skin("blue.skn", "");
    Skin("red.skn", "[Color]\r\nBack=255\r\nItem=$00808080\r\nBace=$00808080\r\n");
    auto w = Start();
    w->ShowPage(Page::Ship);
    auto* countdown = w->findChild<QLabel*>("lblShipLineC0");
    ASSERT_NE(countdown, nullptr);
    const QString before = countdown->text();
    clock_.setUtc({2003, 12, 1, 9, 0, 31, 0});  // the countdown moves on, no tick runs
    for (QAction* a : w->findChild<QMenu*>("mnuColor")->actions())
        if (a->text() == "名無し" && w->SkinList()[static_cast<std::size_t>(a->data().toInt())].find("red") != std::string::npos)
            a->trigger();
    EXPECT_EQ(Chosen(), "red.skn");
    EXPECT_NE(countdown->text(), before);
    EXPECT_EQ(w->findChild<TShape*>("shpShipHead0")->BrushColor(), Rgb(128, 128, 128));
}

TEST_F(WindowSkinsTest, RebuildingTheMenusNeverDuplicatesEntries) {
    Skin("blue.skn", "[Skin]\r\nName=Blue\r\n");
    Skin("red.skn", "[Skin]\r\nName=Red\r\n");
    auto w = Start();
    // A wake from standby or a setting change lists the skins again.
    w->SystemSettingChanged();
    w->SystemSettingChanged();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->findChild<QMenu*>("mnuColor")->actions().size(), 2);
    EXPECT_EQ(BarColourMenu(*w)->actions().size(), 2);
    EXPECT_EQ(Checked(BarColourMenu(*w)), QStringList{"Blue"});
}

// Shipped and added skins alike are listed by name, a thousand of them in a
// menu that scrolls within the screen, and a name of any length in a caption
// that ends in "…" with the whole name as its tool tip.
TEST_F(WindowSkinsTest, TheMenusListSkinsByNameScrollAndCutLongNames) {
    InstallAppStyle();
    const QString longName(100'000, QChar('A'));
    for (int i = 1000; i >= 1; --i)
        Skin(QString("s%1.skn").arg(i * 7919 % 1000 + 1).toLatin1().constData(),
             QString("[Skin]\r\nName=Skin %1\r\n").arg(i * 7919 % 1000 + 1).toLatin1());
    Skin("long.skn", "[Skin]\r\nName=" + longName.toLatin1() + "\r\n");
    Skin("blue.skn", "[Skin]\r\nName=Blue\r\n");
    const QString winter = "Winter evening over the harbour of the old town, long and quiet";
    Skin("winter.skn", "[Skin]\r\nName=" + winter.toLatin1() + "\r\n");
    auto w = Start();

    QMenu* pop = w->findChild<QMenu*>("mnuColor");
    ASSERT_NE(pop, nullptr);
    const QStringList captions = Captions(pop);
    ASSERT_EQ(captions.size(), 1003);
    EXPECT_TRUE(captions[0].startsWith("AAA") && captions[0].endsWith(QChar(0x2026))) << captions[0].left(9).toStdString();
    EXPECT_EQ(captions.mid(1, 4), (QStringList{"Blue", "Skin 1", "Skin 2", "Skin 3"}));
    EXPECT_EQ(captions[1001], "Skin 1000");
    const QAction* last = pop->actions().last();
    EXPECT_TRUE(winter.startsWith(last->text().chopped(1)) && last->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(last->toolTip(), winter);
    EXPECT_EQ(Captions(BarColourMenu(*w)), captions);
    // A name beyond a few lines is cut in the tool tip too.
    const QString tip = pop->actions()[0]->toolTip();
    EXPECT_TRUE(tip.size() < 1000 && tip.startsWith(longName.left(100))) << tip.size();
    EXPECT_TRUE(pop->toolTipsVisible());
    EXPECT_TRUE(BarColourMenu(*w)->toolTipsVisible());
    EXPECT_EQ(Checked(pop), QStringList{"Blue"});

    const QRect screen = pop->screen()->availableGeometry();
    pop->popup(screen.topLeft());
    EXPECT_LE(pop->height(), screen.height());
    EXPECT_LE(pop->width(), screen.width() / 2);
    pop->hide();
}

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Pick(TfrmMain& w, const std::string& file) {
    for (QAction* a : w.findChild<QMenu*>("mnuColor")->actions())
        if (w.SkinList()[static_cast<std::size_t>(a->data().toInt())].find(file) != std::string::npos) a->trigger();
}

// The click only recolours: the disk is written at the next idle moment. A quit
// right after the click, or the window going, must still leave the choice stored.
TEST_F(WindowSkinsTest, AChosenSkinReachesTheDiskAfterTheClickAndOnEveryWayOut) {
    Skin("blue.skn", "");
    Skin("red.skn", "[Color]\r\nBack=255\r\n");
    const std::pair<const char*, std::function<void(std::unique_ptr<TfrmMain>&)>> ends[] = {
        {"next idle moment", [](auto&) { QCoreApplication::processEvents(); }},
        {"quit", [](auto& w) { w->close(); }},
        {"window destroyed", [](auto& w) { w.reset(); }},
    };
    const QByteArray stored = "\"Skin\"=\"red.skn\"";
    for (const auto& [how, end] : ends) {
        SCOPED_TRACE(how);
        Choose("blue.skn");
        auto w = Start();
        QCoreApplication::processEvents();
        Pick(*w, "red.skn");
        EXPECT_EQ(BackgroundPixel(*w), QColor(255, 0, 0));
        EXPECT_FALSE(FileBytes(path_).contains(stored));  // the click did not wait for the disk
        end(w);
        EXPECT_TRUE(FileBytes(path_).contains(stored));
    }
}

// A rebuild of the menus (a wake from standby) between the click and the save
// must keep the new choice, not the one on the disk.
TEST_F(WindowSkinsTest, ARebuildBeforeTheSaveKeepsTheNewChoice) {
    Skin("blue.skn", "[Skin]\r\nName=Blue\r\n");
    Skin("red.skn", "[Skin]\r\nName=Red\r\n[Color]\r\nBack=255\r\n");
    auto w = Start();
    QCoreApplication::processEvents();
    Pick(*w, "red.skn");
    w->SystemSettingChanged();
    EXPECT_EQ(Checked(w->findChild<QMenu*>("mnuColor")), QStringList{"Red"});
    EXPECT_EQ(BackgroundPixel(*w), QColor(255, 0, 0));
}

int g_saveError = 0;
SaveStep g_saveStep = SaveStep::WriteTemporary;
int FailSave(SaveStep step) { return step == g_saveStep ? g_saveError : 0; }

// A save that fails after the start (the disk filled up, or turned read-only) is
// told with one warning per kind of failure; the file stays as it was, the
// window runs on and keeps the choice, and saves it once the disk allows.
TEST_F(WindowSkinsTest, AFailedSaveIsToldOncePerKindAndTheOldFileStays) {
    Skin("blue.skn", "");
    Skin("red.skn", "[Color]\r\nBack=255\r\n");
    ResetSettingsNotices();
    FakeUserMessages messages;
    ScopedUserMessages useMessages(messages);
    auto w = Start();
    QCoreApplication::processEvents();
    const QByteArray old = FileBytes(path_);
    ASSERT_TRUE(old.contains("\"Skin\"=\"blue.skn\""));
    struct Unhook {
        ~Unhook() { SetSaveFaultHook(nullptr); }
    } unhook;

    const struct {
        int error;
        SaveStep step;
        std::size_t shown;  // warnings shown so far
        const char* says;
    } steps[] = {
        {ENOSPC, SaveStep::WriteTemporary, 1, "ディスクの空き容量が足りません"},
        {EDQUOT, SaveStep::Flush, 1, nullptr},  // full again: told already
        {EROFS, SaveStep::CreateTemporary, 2, "書き込めません"},
        {EACCES, SaveStep::Rename, 2, nullptr},
        {EIO, SaveStep::Flush, 3, "Input/output error"},
    };
    const char* next = "red.skn";
    for (const auto& step : steps) {
        SCOPED_TRACE(step.error);
        g_saveError = step.error;
        g_saveStep = step.step;
        SetSaveFaultHook(FailSave);
        Pick(*w, next);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ASSERT_EQ(messages.shown.size(), step.shown);
        if (step.says) {
            EXPECT_EQ(messages.shown.back().icon, MessageIcon::Warning);
            EXPECT_TRUE(messages.shown.back().text.contains(QString::fromUtf8(step.says))) << messages.shown.back().text.toStdString();
            EXPECT_TRUE(messages.shown.back().text.contains(path_));
        }
        EXPECT_EQ(messages.beeps.size(), step.shown);
        EXPECT_EQ(FileBytes(path_), old);
        EXPECT_EQ(QDir(dir_.path()).entryList({"Norvane.reg*"}, QDir::Files | QDir::Hidden),
                  QStringList({"Norvane.reg", "Norvane.reg.lock"}));
        next = std::string(next) == "red.skn" ? "blue.skn" : "red.skn";
    }
    // The last choice waits in memory and reaches the disk once it can.
    SetSaveFaultHook(nullptr);
    w->close();
    EXPECT_TRUE(FileBytes(path_).contains("\"Skin\"=\"red.skn\""));
    EXPECT_EQ(messages.shown.size(), 3u);
}

// A settings file found damaged at the start is told once, in the window, with
// where the original was copied; the good lines are kept (the stored skin
// applies), and neither the following saves nor a second window tell it again.
TEST_F(WindowSkinsTest, ADamagedSettingsFileIsToldInTheWindowOnceWithTheCopysName) {
    Skin("blue.skn", "");
    Skin("red.skn", "[Color]\r\nBack=255\r\n");
    {
        QFile f(path_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("Windows Registry Editor Version 5.00\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\Option]\n\"Skin\"=\"red.skn\"\n\n"
                           "[HKEY_CURRENT_USER\\Software\\Tobrin\\Norvane\\") +
                QByteArray("Timer\0\0]\n", 9));
    }
    ResetSettingsNotices();
    FakeUserMessages messages;
    ScopedUserMessages useMessages(messages);
    auto w = Start();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.beeps, std::vector<BeepKind>{BeepKind::Exclamation});
    const QString text = messages.shown[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("設定ファイルの一部が壊れていました"))) << text.toStdString();
    const QStringList copies = QDir(dir_.path()).entryList({"Norvane.reg.bad-*"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(text.contains(dir_.filePath(copies[0]))) << text.toStdString();
    EXPECT_EQ(BackgroundPixel(*w), QColor(255, 0, 0));

    Pick(*w, "blue.skn");
    w->close();
    w.reset();
    auto again = Start();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Chosen(), "blue.skn");
}

std::int64_t g_slept = 0;
std::int64_t FakeSlept() { return g_slept; }

// A wake from standby shows as a jump of the boot-time clock between two ticks:
// the window lists the skin files again and re-applies the chosen one. Jitter
// under a second is no wake.
TEST_F(WindowSkinsTest, AWakeFromStandbyListsTheSkinsAgainAndReappliesTheChosenOne) {
    ScopedSleptClock slept(FakeSlept);
    g_slept = 5000;
    Skin("blue.skn", "[Skin]\r\nName=Blue\r\n");
    auto w = Start();
    w->tmrClockTimer();
    // While the machine slept, a skin was added and the chosen one repainted.
    Skin("red.skn", "[Skin]\r\nName=Red\r\n");
    Skin("blue.skn", "[Skin]\r\nName=Blue\r\n[Color]\r\nBack=255\r\n");
    g_slept += 999;
    w->tmrClockTimer();
    EXPECT_EQ(w->findChild<QMenu*>("mnuColor")->actions().size(), 1);
    EXPECT_EQ(BackgroundPixel(*w), QColor(1, 72, 178));

    g_slept += 60 * 60 * 1000;
    w->tmrClockTimer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names = Captions(w->findChild<QMenu*>("mnuColor"));
    names.sort();
    EXPECT_EQ(names, QStringList({"Blue", "Red"}));
    EXPECT_EQ(Captions(BarColourMenu(*w)).size(), 2);
    EXPECT_EQ(Checked(BarColourMenu(*w)), QStringList{"Blue"});
    EXPECT_EQ(BackgroundPixel(*w), QColor(255, 0, 0));
}

}  // namespace
}  // namespace norvane
