// The timer page inside the main window: controls, layout, actions and keys, the
// tick, alarms and what survives a restart.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QTest>

#include <functional>
#include <tuple>
#include <utility>

#include "activate_window.h"
#include "core/settings/settings_store.h"
#include "core/timers/timer_sets.h"
#include "gui/art/timer_pictures.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/shape.h"
#include "gui/forecast/moon_window.h"
#include "gui/forecast/week_window.h"
#include "gui/main_window/app_style.h"
#include "gui/main_window/clock_panel.h"
#include "gui/main_window/help_viewer.h"
#include "gui/main_window/main_window.h"
#include "gui/timers/timer_controller.h"
#include "gui/timers/sound_notice.h"
#include "gui/timers/timer_page.h"
#include "platform/sound.h"
#include "support/fake_sound_player.h"
#include "support/fake_user_messages.h"
#include "layout_check.h"
#include "window_fixture.h"


namespace norvane {
namespace {

// Indices of built-in sets in the first-start list.
constexpr int kStopwatch = 0;
constexpr int kTwoMinutes = 5;    // "2分": 120 s, warnings at 60, 30, 15
constexpr int kChainLevel10 = 22; // "チェーン 敵Lv10"

QColor Colour(std::uint32_t bgr) { return ToQColor(bgr); }

// The window's parts of the timer page, found by their object names.
TScrollBoxEx* TimerBox(const TfrmMain& w) { return w.findChild<TScrollBoxEx*>("scrTimer"); }
QTimer* TickTimer(const TfrmMain& w) { return w.findChild<QTimer*>("tmrTimer"); }
QMenu* AlarmMenu(const TfrmMain& w) { return w.findChild<QMenu*>("mnuAlarm"); }
// Cells whose controls exist (they are built from the first on).
int BuiltCells(const TfrmMain& w) {
    int n = 0;
    while (n < kTimerCellCount && w.findChild<QComboBox*>("cmbTimer" + QString::number(n + 1))) ++n;
    return n;
}
// Where cell (0..11) sits in the scrolled area: its frame's top-left corner.
QPoint CellAt(const TfrmMain& w, int cell) {
    return CellChild<TShape>(w, "shpTimer", cell)->mapTo(TimerBox(w)->Contents(), QPoint());
}

class TimerPageTest : public WindowFixture {
protected:
    TimerPageTest() : soundScope_(sound_) { clock_.setTick(5000); }

    // A key typed into the window. A key event sent (not posted by the window
    // system) is first offered to the shortcut map, as a real key stroke is.
    static void Type(TfrmMain& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods);
        QApplication::sendEvent(target, &release);
    }

    void Tick(TfrmMain& w, std::uint32_t ms) {
        clock_.advanceTick(ms);
        w.Timers()->tmrTimerTimer();
    }

    static void ClickAlarmIcon(TfrmMain& w, int cell) {
        QTest::mouseClick(CellChild<TImageEx>(w, "imgTimer", cell), Qt::LeftButton);
    }
    static QString Display(TfrmMain& w, int n) { return CellChild<QLabel>(w, "lblTimer", n - 1)->text(); }
    static QColor DisplayColour(TfrmMain& w, int n) {
        return CellChild<QLabel>(w, "lblTimer", n - 1)->palette().color(QPalette::WindowText);
    }
    static void Select(TfrmMain& w, int n, int set) { CellChild<QComboBox>(w, "cmbTimer", n - 1)->setCurrentIndex(set); }

    void WriteAlarmSet(int index, const QString& name, std::initializer_list<std::pair<QString, int>> sections) {
        SettingsStore s(path_);
        s.WriteInteger("Alarm", "Count", index + 1);
        const QString key = QString("Alarm\\Alarm-Set%1").arg(index, 2, 10, QChar('0'));
        s.WriteString(key, "Name", name);
        int i = 0;
        for (const auto& [file, second] : sections) {
            s.WriteString(key + QString("\\Section%1").arg(i), "Filename", file);
            s.WriteInteger(key + QString("\\Section%1").arg(i), "Second", second);
            ++i;
        }
    }

    FakeSoundPlayer sound_;
    ScopedSoundPlayer soundScope_;
};

TEST_F(TimerPageTest, FirstStartListsTheThirtySetsInEveryIdleCell) {
    auto w = Start();
    QWidget* contents = TimerBox(*w)->Contents();
    for (int n = 1; n <= 12; ++n) {
        const QString num = QString::number(n);
        auto* list = contents->findChild<QComboBox*>("cmbTimer" + num);
        ASSERT_NE(list, nullptr) << n;
        ASSERT_EQ(list->count(), 30);
        EXPECT_EQ(list->itemText(0), "ストップウォッチ");
        EXPECT_EQ(list->itemText(kTwoMinutes), "2分");
        EXPECT_EQ(list->itemText(21), "2時間");
        EXPECT_EQ(list->itemText(kChainLevel10), "チェーン 敵Lv10");
        EXPECT_EQ(list->itemText(29), "チェーン 敵Lv80");
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_TRUE(list->isEnabled());
        EXPECT_EQ(list->maxVisibleItems(), 12);
        for (const char* name : {"shpTimer", "lblTimerN", "lblTimer", "lblTimerC", "imgTimer", "btnTimer", "btnTimerR"})
            EXPECT_NE(contents->findChild<QWidget*>(name + num), nullptr) << name << n;
        EXPECT_EQ(contents->findChild<QLabel*>("lblTimerN" + num)->text(), num + ".");
        EXPECT_EQ(contents->findChild<QLabel*>("lblTimerN" + num)->palette().color(QPalette::WindowText),
                  Colour(0x808080));
        EXPECT_EQ(contents->findChild<QLabel*>("lblTimer" + num)->text(), "00:00");
        EXPECT_EQ(contents->findChild<QLabel*>("lblTimerC" + num)->text(), "00:00:00");
        EXPECT_EQ(contents->findChild<QLabel*>("lblTimer" + num)->font().pixelSize(), 21);
        EXPECT_TRUE(contents->findChild<QLabel*>("lblTimer" + num)->font().bold());
        EXPECT_EQ(contents->findChild<TImageEx*>("imgTimer" + num)->size(), QSize(15, 15));
        EXPECT_EQ(contents->findChild<TShape*>("shpTimer" + num)->size(), QSize(160, 91));
        // Nothing selected: both actions are off.
        const auto i = static_cast<std::size_t>(n - 1);
        EXPECT_FALSE(w->Timers()->StartAction(i)->isEnabled());
        EXPECT_FALSE(w->Timers()->ResetAction(i)->isEnabled());
        EXPECT_EQ(contents->findChild<QToolButton*>("btnTimer" + num)->text(), "スタート [F" + num + "]");
        EXPECT_EQ(contents->findChild<QToolButton*>("btnTimerR" + num)->text(), "リセット");
    }
    EXPECT_EQ(w->Timers()->StartAction(0)->statusTip(), "タイマー1. をスタートします。(F1)");
    EXPECT_EQ(w->Timers()->ResetAction(11)->statusTip(), "タイマー12. をリセットします。(Ctrl+F12)");
    EXPECT_EQ(w->Timers()->StartAction(11)->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(w->Timers()->ResetAction(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    EXPECT_EQ(CellChild<TImageEx>(*w, "imgTimer", 3)->statusTip(), "アラーム設定を切り替えます。");
    EXPECT_EQ(CellChild<TImageEx>(*w, "imgTimer", 3)->Picture().cacheKey(), AlarmIconPicture(false).cacheKey());
    EXPECT_FALSE(TickTimer(*w)->isActive());

    SettingsStore s(path_);
    EXPECT_TRUE(s.ReadBool("Timer", "Flag", false));
    EXPECT_TRUE(s.ReadBool("Timer", "Flag2", false));
    EXPECT_EQ(s.ReadInteger("Timer", "Count", 0), 30);
}

TEST_F(TimerPageTest, CellsFillAsManyColumnsAsTheClientWidthHolds) {
    EXPECT_EQ(TimerColumns(331), 1);
    EXPECT_EQ(TimerColumns(332), 2);
    EXPECT_EQ(TimerColumns(498), 3);
    EXPECT_EQ(TimerColumns(20), 1);
    // Cells a face made wider stand fewer across; never more than twelve.
    EXPECT_EQ(TimerColumns(498, 184), 2);
    EXPECT_EQ(TimerColumns(5000), 12);

    auto w = Start();
    TTimerPage& page = *w->Timers()->Page();
    page.LayoutCells(331);
    EXPECT_EQ(CellAt(*w, 1), QPoint(0, 99));
    EXPECT_EQ(CellAt(*w, 11), QPoint(0, 99 * 11));
    page.LayoutCells(332);
    EXPECT_EQ(CellAt(*w, 1), QPoint(166, 0));
    EXPECT_EQ(CellAt(*w, 2), QPoint(0, 99));
    EXPECT_EQ(CellAt(*w, 11), QPoint(166, 99 * 5));
    page.LayoutCells(498);
    EXPECT_EQ(CellAt(*w, 2), QPoint(332, 0));
    EXPECT_EQ(CellAt(*w, 3), QPoint(0, 99));
    EXPECT_EQ(CellAt(*w, 11), QPoint(332, 99 * 3));
}

TEST_F(TimerPageTest, ResizingTheWindowLaysTheCellsOutAgain) {
    auto w = Start();
    w->show();
    QApplication::processEvents();
    auto columns = [&w] {
        int n = 1;
        while (n < 12 && CellAt(*w, n).y() == 0) ++n;
        return n;
    };
    EXPECT_EQ(columns(), TimerColumns(TimerBox(*w)->viewport()->width()));
    w->resize(900, 500);
    QApplication::processEvents();
    EXPECT_GE(TimerBox(*w)->viewport()->width(), 664);
    EXPECT_EQ(columns(), TimerColumns(TimerBox(*w)->viewport()->width()));
    // The scrolled area holds every cell.
    EXPECT_GE(TimerBox(*w)->Contents()->height(), CellAt(*w, 11).y() + 91);
}

// The timer page in each Japanese face, at the window's size and at a larger
// one: nothing cut, nothing overlapping, every caption whole, and cells that
// grow for a face still stand side by side only as far as the client width
// holds them. ctest runs the program at scale factors 1 and 1.5.
class TimerCellLayoutTest : public WindowFixture, public testing::WithParamInterface<QString> {};

TEST_P(TimerCellLayoutTest, NothingIsCutOrOverlapsAndTheGridKeepsToTheClientWidth) {
    TfrmMain& w = Show();
    // The window's own page first, in the program's face.
    TTimerPage* own = w.Timers()->Page();
    own->Cells.Select(0, kChainLevel10);
    own->ShowCell(0);
    QStringList faults = LayoutFaults(own);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("\n  ")).toStdString();

    const std::vector<TTimerSet> sets = ReadTimerSets(SettingsStore(path_));
    std::array<int, kTimerCellCount> chosen;
    chosen.fill(-1);
    chosen[0] = kChainLevel10;
    chosen[11] = 29;  // "チェーン 敵Lv80"
    const int client = 2 * kTimerCellPitchX;
    for (const int pixels : {12, 16}) {
        SCOPED_TRACE(pixels);
        QWidget box;
        QFont face = w.font();
        face.setFamily(GetParam());
        face.setPixelSize(pixels);
        box.setFont(face);
        auto* page = new TTimerPage(&box);
        TimerControls<QAction> start{}, reset{};
        for (std::size_t i = 0; i < kTimerCellCount; ++i) {
            start[i] = new QAction(&box);
            reset[i] = new QAction(kTimerResetCaption, &box);
        }
        page->BindActions(start, reset);
        page->Cells.LoadRows(sets, chosen);
        page->ShowRows();
        page->LayoutCells(client);
        box.resize(page->size());
        box.show();
        QApplication::processEvents();
        faults = LayoutFaults(&box);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QStringLiteral("\n  ")).toStdString();
        // Wider than the client only where a single column is.
        const QRect second = CellChild<TShape>(box, "shpTimer", 1)->parentWidget()->geometry();
        if (second.y() == 0) {
            EXPECT_LE(second.x() + second.width(), client);
        }
        if (pixels == 12) {
            EXPECT_EQ(second.topLeft(), QPoint(kTimerCellPitchX, 0));
            EXPECT_EQ(second.size(), QSize(kTimerCellWidth, kTimerCellHeight));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, TimerCellLayoutTest, testing::ValuesIn(JapaneseFaces()),
                         FaceTestName);

TEST_F(TimerPageTest, CellsInViewCountEveryRowThatShowsEvenInPart) {
    EXPECT_EQ(TimerCellsInView({470, 153}), 4);   // two columns; the second row shows in part
    EXPECT_EQ(TimerCellsInView({470, 99}), 2);    // the second row starts just below
    EXPECT_EQ(TimerCellsInView({470, 100}), 4);
    EXPECT_EQ(TimerCellsInView({498, 300}), 12);  // three columns, four rows
    EXPECT_EQ(TimerCellsInView({100, 1}), 1);
    EXPECT_EQ(TimerCellsInView({900, 0}), 0);
    EXPECT_EQ(TimerCellsInView({2000, 2000}), 12);
}

TEST_F(TimerPageTest, CellsBuiltLaterMatchThoseBuiltAtOnce) {
    auto whole = Start();
    whole->show();
    QApplication::processEvents();
    TfrmMain late({"norvane"}, nullptr, TfrmMain::BuildOrder::ShownFirst);
    TTimerPage& page = *late.Timers()->Page();
    // The default window shows the first four cells at most.
    ASSERT_GT(BuiltCells(late), 0);
    ASSERT_LT(BuiltCells(late), 12);
    const int early = BuiltCells(late);
    EXPECT_EQ(late.findChild<QComboBox*>("cmbTimer12"), nullptr);
    EXPECT_TRUE(late.windowIcon().isNull());

    // A key for a cell without controls still runs its timer.
    page.Cells.Select(11, kTwoMinutes);
    page.ShowCell(11);
    late.Timers()->StartAction(11)->trigger();
    EXPECT_TRUE(page.Cells.AnyRunning());

    // A control the window gains after the first cells must not come between them.
    auto* later = new QToolButton(&late);
    later->setFocusPolicy(Qt::TabFocus);

    // Shown, the scrolled area is already that of twelve cells; the first paint
    // then brings the rest.
    late.show();
    EXPECT_EQ(BuiltCells(late), early);
    EXPECT_EQ(TimerBox(late)->Contents()->minimumSize(), TimerBox(*whole)->Contents()->minimumSize());
    for (int i = 0; i < 50 && BuiltCells(late) < 12; ++i) QApplication::processEvents();
    ASSERT_EQ(BuiltCells(late), 12);
    // The desktop's icon for the window comes with the rest.
    EXPECT_EQ(late.windowIcon().cacheKey(), whole->windowIcon().cacheKey());
    EXPECT_EQ(TimerBox(late)->Contents()->minimumSize(), TimerBox(*whole)->Contents()->minimumSize());

    for (int n = early + 1; n <= 12; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        EXPECT_TRUE(CellChild<QComboBox>(late, "cmbTimer", i)->isVisible()) << n;
        EXPECT_EQ(CellChild<QComboBox>(late, "cmbTimer", i)->count(), 30) << n;
        EXPECT_EQ(CellAt(late, i), CellAt(*whole, i)) << n;
        EXPECT_EQ(CellChild<QLabel>(late, "lblTimerN", i)->palette().color(QPalette::WindowText), Colour(0x808080)) << n;
        EXPECT_EQ(CellChild<QToolButton>(late, "btnTimerR", i)->defaultAction(), late.Timers()->ResetAction(i)) << n;
    }
    // The running cell shows what its timer did meanwhile, and its list is locked.
    EXPECT_EQ(CellChild<QComboBox>(late, "cmbTimer", 11)->currentIndex(), kTwoMinutes);
    EXPECT_FALSE(CellChild<QComboBox>(late, "cmbTimer", 11)->isEnabled());
    EXPECT_EQ(CellChild<QToolButton>(late, "btnTimer", 11)->text(), late.Timers()->StartAction(11)->text());
    // Tab runs through the cells in order, whenever they were built.
    auto nextTabStop = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
        return w;
    };
    const auto e = static_cast<std::size_t>(early);
    EXPECT_EQ(nextTabStop(CellChild<QToolButton>(late, "btnTimerR", e - 1)), CellChild<QComboBox>(late, "cmbTimer", e));
    EXPECT_EQ(nextTabStop(CellChild<QComboBox>(late, "cmbTimer", e)), CellChild<QToolButton>(late, "btnTimer", e));
    EXPECT_EQ(nextTabStop(CellChild<QToolButton>(late, "btnTimerR", e)), CellChild<QComboBox>(late, "cmbTimer", e + 1));
    // Choosing in a late cell reaches the window.
    page.Cells.Reset(11);
    late.Timers()->ResetAction(11)->trigger();
    CellChild<QComboBox>(late, "cmbTimer", 10)->setCurrentIndex(kStopwatch);
    EXPECT_EQ(page.Cells.View(10).selection, kStopwatch);
}

TEST_F(TimerPageTest, NothingOfThePageIsBuiltAheadWhenItDoesNotShow) {
    {
        SettingsStore s(path_);
        s.WriteInteger("Option", "Page", 3);
    }
    TfrmMain onGuilds({"norvane"}, nullptr, TfrmMain::BuildOrder::ShownFirst);
    EXPECT_EQ(BuiltCells(onGuilds), 0);
    TfrmMain simple({"norvane", "/s"}, nullptr, TfrmMain::BuildOrder::ShownFirst);
    EXPECT_EQ(BuiltCells(simple), 0);
    simple.show();
    for (int i = 0; i < 50 && BuiltCells(simple) < 12; ++i) QApplication::processEvents();
    EXPECT_EQ(BuiltCells(simple), 12);
}

TEST_F(TimerPageTest, CaptionsFollowTheStateOfEachKind) {
    auto w = Start();
    Select(*w, 1, kTwoMinutes);
    Select(*w, 2, kStopwatch);
    Select(*w, 3, kChainLevel10);
    QToolButton* b1 = CellChild<QToolButton>(*w, "btnTimer", 0);
    QToolButton* b2 = CellChild<QToolButton>(*w, "btnTimer", 1);
    QToolButton* b3 = CellChild<QToolButton>(*w, "btnTimer", 2);
    EXPECT_TRUE(w->Timers()->StartAction(0)->isEnabled());
    EXPECT_EQ(Display(*w, 1), "02:00");
    EXPECT_EQ(Display(*w, 3), "01:40");

    // Countdown: restart caption while running and after finishing; reset returns.
    w->Timers()->StartAction(0)->trigger();
    EXPECT_EQ(b1->text(), "リスタート [F1]");
    EXPECT_FALSE(CellChild<QComboBox>(*w, "cmbTimer", 0)->isEnabled());
    EXPECT_EQ(CellChild<QLabel>(*w, "lblTimerC", 0)->text(), "18:00:01");

    // Stopwatch: pause, restart, pause again.
    w->Timers()->StartAction(1)->trigger();
    EXPECT_EQ(b2->text(), "ポーズ [F2]");
    Tick(*w, 7900);
    EXPECT_EQ(Display(*w, 2), "00:07");
    w->Timers()->StartAction(1)->trigger();
    EXPECT_EQ(b2->text(), "リスタート [F2]");
    EXPECT_EQ(DisplayColour(*w, 2), Colour(0x00C0C0));
    EXPECT_FALSE(CellChild<QComboBox>(*w, "cmbTimer", 1)->isEnabled());
    w->Timers()->StartAction(1)->trigger();
    EXPECT_EQ(b2->text(), "ポーズ [F2]");
    EXPECT_EQ(DisplayColour(*w, 2), Colour(0));
    Tick(*w, 1000);
    EXPECT_EQ(Display(*w, 2), "00:08");  // continued from the whole seconds reached

    // Chain: each press a shorter window.
    w->Timers()->StartAction(2)->trigger();
    EXPECT_EQ(b3->text(), "1チェーン [F3]");
    w->Timers()->StartAction(2)->trigger();
    EXPECT_EQ(b3->text(), "2チェーン [F3]");
    Tick(*w, 80 * 1000);
    EXPECT_EQ(b3->text(), "リスタート [F3]");
    EXPECT_EQ(Display(*w, 3), "00:00");
    EXPECT_EQ(DisplayColour(*w, 3), Colour(0x0010FF));
    EXPECT_TRUE(CellChild<QComboBox>(*w, "cmbTimer", 2)->isEnabled());
    w->Timers()->StartAction(2)->trigger();
    EXPECT_EQ(b3->text(), "1チェーン [F3]");

    Tick(*w, 120 * 1000);
    EXPECT_EQ(b1->text(), "リスタート [F1]");  // finished countdowns keep it
    EXPECT_TRUE(CellChild<QComboBox>(*w, "cmbTimer", 0)->isEnabled());

    for (int n : {1, 2, 3}) {
        w->Timers()->ResetAction(n - 1)->trigger();
        EXPECT_EQ(CellChild<QToolButton>(*w, "btnTimer", n - 1)->text(),
                  QString("スタート [F%1]").arg(n));
        EXPECT_TRUE(CellChild<QComboBox>(*w, "cmbTimer", n - 1)->isEnabled());
        EXPECT_EQ(CellChild<QLabel>(*w, "lblTimerC", n - 1)->text(), "00:00:00");
    }
    EXPECT_EQ(Display(*w, 2), "00:00");
    EXPECT_EQ(Display(*w, 3), "01:40");
}

TEST_F(TimerPageTest, FunctionKeysReachTheirCellsAnywhereInTheWindow) {
    auto w = Start();
    for (int n = 1; n <= 12; ++n) Select(*w, n, kStopwatch);
    ActivateWindow(*w);
    // From a list of another cell, the scroll box and a control of another page alike.
    CellChild<QComboBox>(*w, "cmbTimer", 6)->setFocus();
    for (int n = 1; n <= 12; ++n) {
        if (n == 5) TimerBox(*w)->setFocus();
        if (n == 9) w->findChild<TLinePageControl*>("pclMain")->SetActivePage(2);
        Type(*w, Qt::Key_F1 + n - 1);
        for (int m = 1; m <= 12; ++m)
            EXPECT_EQ(w->Timers()->Page()->Cells.Item(m - 1).Running, m <= n) << "F" << n << " cell " << m;
    }
    Type(*w, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_FALSE(w->Timers()->Page()->Cells.Item(4).Running);
    EXPECT_EQ(CellChild<QToolButton>(*w, "btnTimer", 4)->text(), "スタート [F5]");
    EXPECT_TRUE(w->Timers()->Page()->Cells.Item(3).Running);
    Type(*w, Qt::Key_F12, Qt::ControlModifier);
    EXPECT_FALSE(w->Timers()->Page()->Cells.Item(11).Running);
    EXPECT_TRUE(w->Timers()->Page()->Cells.Item(10).Running);
}

TEST_F(TimerPageTest, DisabledActionsIgnoreTheirKeys) {
    {
        SettingsStore s(path_);
        // The third entry reads as invalid and counts as no selection.
        s.WriteInteger("Timer", "Count", 3);
        s.WriteBool("Timer", "Flag", true);
        s.WriteBool("Timer", "Flag2", true);
        const char* names[] = {"1分", "計測", "不正なアイテム"};
        const char* kinds[] = {"countdown", "stopwatch", "countdown"};
        for (int i = 0; i < 3; ++i) {
            const QString key = QString("Timer\\Timer-Set%1").arg(i, 2, 10, QChar('0'));
            s.WriteString(key, "Name", names[i]);
            s.WriteString(key, "Option", kinds[i]);
            s.WriteInteger(key, "Timer", 60);
        }
        s.WriteInteger("Timer", "Item1", 0);
        s.WriteInteger("Timer", "Item2", 2);
    }
    auto w = Start();
    EXPECT_EQ(CellChild<QComboBox>(*w, "cmbTimer", 0)->count(), 3);
    EXPECT_TRUE(w->Timers()->StartAction(0)->isEnabled());
    EXPECT_FALSE(w->Timers()->StartAction(1)->isEnabled());
    EXPECT_FALSE(w->Timers()->ResetAction(1)->isEnabled());
    ActivateWindow(*w);
    Type(*w, Qt::Key_F2);
    Type(*w, Qt::Key_F3);
    Type(*w, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_FALSE(w->Timers()->Page()->Cells.AnyRunning());
    EXPECT_FALSE(TickTimer(*w)->isActive());
    EXPECT_EQ(Display(*w, 2), "00:00");
    EXPECT_EQ(CellChild<QToolButton>(*w, "btnTimer", 1)->text(), "スタート [F2]");
    Type(*w, Qt::Key_F1);
    EXPECT_TRUE(w->Timers()->Page()->Cells.Item(0).Running);
}

TEST_F(TimerPageTest, TheTickRunsOnlyWhileACellRuns) {
    auto w = Start();
    EXPECT_FALSE(TickTimer(*w)->isActive());
    Select(*w, 1, 1);  // "15秒"
    Select(*w, 2, kStopwatch);
    EXPECT_FALSE(TickTimer(*w)->isActive());
    EXPECT_EQ(TickTimer(*w)->interval(), 100);

    w->Timers()->StartAction(0)->trigger();
    w->Timers()->StartAction(1)->trigger();
    EXPECT_TRUE(TickTimer(*w)->isActive());
    w->Timers()->ResetAction(0)->trigger();
    EXPECT_TRUE(TickTimer(*w)->isActive());  // the stopwatch still runs
    w->Timers()->StartAction(1)->trigger();  // paused
    EXPECT_FALSE(TickTimer(*w)->isActive());

    // A countdown that runs out stops the tick at its last update, even when that
    // update comes seconds late.
    w->Timers()->StartAction(0)->trigger();
    EXPECT_TRUE(TickTimer(*w)->isActive());
    Tick(*w, 9000);
    EXPECT_TRUE(TickTimer(*w)->isActive());
    Tick(*w, 20000);
    EXPECT_EQ(Display(*w, 1), "00:00");
    EXPECT_FALSE(TickTimer(*w)->isActive());

    // Reloading the rows stops every cell.
    w->Timers()->StartAction(0)->trigger();
    w->Timers()->LoadTimerRows();
    EXPECT_FALSE(w->Timers()->Page()->Cells.AnyRunning());
    EXPECT_FALSE(TickTimer(*w)->isActive());
    EXPECT_EQ(CellChild<QToolButton>(*w, "btnTimer", 0)->text(), "リスタート [F1]");
}

TEST_F(TimerPageTest, F1RunsTheTwoMinuteCountdownWithColoursAndAlarms) {
    WriteAlarmSet(0, "鐘", {{"/snd/minute.wav", 60}, {"/snd/end.wav", 0}, {"/snd/never.wav", 500}});
    {
        SettingsStore s(path_);
        s.WriteInteger("Timer\\Alarm", "Item0", 1);
    }
    auto w = Start();
    ASSERT_TRUE(w->Timers()->Page()->Cells.RowAlarm(0).Used);
    Select(*w, 1, kTwoMinutes);
    ActivateWindow(*w);
    Type(*w, Qt::Key_F1);
    EXPECT_EQ(Display(*w, 1), "02:00");
    EXPECT_EQ(CellChild<QToolButton>(*w, "btnTimer", 0)->text(), "リスタート [F1]");

    const struct {
        std::uint32_t at;  // ms since the start
        const char* display;
        std::uint32_t colour;
    } steps[] = {{100, "02:00", 0},           {1000, "01:59", 0},
                 {59'000, "01:01", 0},        {60'000, "01:00", 0x0080FF},
                 {90'000, "00:30", 0x0060FF}, {105'000, "00:15", 0x0010FF},
                 {119'900, "00:01", 0x0010FF}};
    std::uint32_t now = 0;
    for (const auto& s : steps) {
        Tick(*w, s.at - now);
        now = s.at;
        EXPECT_EQ(Display(*w, 1), s.display) << s.at;
        EXPECT_EQ(DisplayColour(*w, 1), Colour(s.colour)) << s.at;
    }
    EXPECT_EQ(sound_.played, QStringList{"/snd/minute.wav"});
    EXPECT_TRUE(TickTimer(*w)->isActive());
    // The end comes after exactly 120 s, with the end's alarm.
    Tick(*w, 100);
    EXPECT_EQ(Display(*w, 1), "00:00");
    EXPECT_EQ(sound_.played, (QStringList{"/snd/minute.wav", "/snd/end.wav"}));
    EXPECT_FALSE(TickTimer(*w)->isActive());
    EXPECT_TRUE(CellChild<QComboBox>(*w, "cmbTimer", 0)->isEnabled());

    // Each alarm sounds once per start, and again after the next.
    Type(*w, Qt::Key_F1);
    Tick(*w, 60'000);
    EXPECT_EQ(sound_.played.size(), 3);
    EXPECT_EQ(sound_.played.last(), "/snd/minute.wav");
}

// The PC clock set back an hour, then on a day, while a countdown runs and the
// window's clock ticks: the countdown goes on by the system tick, each alarm
// sounds once, the start time stays, and the cell is free again at the end.
TEST_F(TimerPageTest, APcClockJumpLeavesARunningCountdownAlone) {
    WriteAlarmSet(0, "鐘", {{"/snd/minute.wav", 60}, {"/snd/end.wav", 0}});
    {
        SettingsStore s(path_);
        s.WriteInteger("Timer\\Alarm", "Item0", 1);
    }
    auto w = Start();
    Select(*w, 1, kTwoMinutes);
    ActivateWindow(*w);
    Type(*w, Qt::Key_F1);
    const QString started = CellChild<QLabel>(*w, "lblTimerC", 0)->text();
    EXPECT_EQ(started, "18:00:01");
    for (std::uint32_t ms = 100; ms <= 120'000; ms += 100) {
        clock_.advanceMs(100);
        if (ms == 30'000) clock_.advanceMs(-3'600'000);
        if (ms == 90'000) clock_.advanceMs(86'400'000);
        if (ms % 500 == 0) w->tmrClockTimer();
        Tick(*w, 100);
        const int left = static_cast<int>(120'000 - ms + 999) / 1000;
        ASSERT_EQ(Display(*w, 1), FormatTimerReading(left)) << ms;
    }
    EXPECT_EQ(sound_.played, (QStringList{"/snd/minute.wav", "/snd/end.wav"}));
    EXPECT_EQ(CellChild<QLabel>(*w, "lblTimerC", 0)->text(), started);
    EXPECT_FALSE(TickTimer(*w)->isActive());
    EXPECT_TRUE(CellChild<QComboBox>(*w, "cmbTimer", 0)->isEnabled());
}

// No sound device: a missing file is silent anyway and tells nothing; the first
// alarm whose file exists says once that alarms go unheard, and the countdown
// runs to its end with every alarm played as before.
TEST_F(TimerPageTest, WithoutASoundDeviceTheFirstAudibleAlarmIsToldOnceAndTheTimerRunsOn) {
    const QString minute = dir_.filePath("minute.wav"), end = dir_.filePath("end.wav");
    for (const QString& f : {minute, end}) {
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    WriteAlarmSet(0, "鐘", {{dir_.filePath("gone.wav"), 90}, {minute, 60}, {end, 0}});
    {
        SettingsStore s(path_);
        s.WriteInteger("Timer\\Alarm", "Item0", 1);
    }
    FakeUserMessages messages;
    ScopedUserMessages messagesScope(messages);
    sound_.output = false;
    auto w = Start();
    Select(*w, 1, kTwoMinutes);
    ActivateWindow(*w);
    Type(*w, Qt::Key_F1);
    std::size_t toldAt90 = 99, toldAt60 = 99;
    for (int s = 1; s <= 121 && TickTimer(*w)->isActive(); ++s) {
        Tick(*w, 1000);
        QApplication::processEvents();
        if (s == 35) toldAt90 = messages.shown.size();
        if (s == 65) toldAt60 = messages.shown.size();
    }
    EXPECT_EQ(toldAt90, 0u);
    EXPECT_EQ(toldAt60, 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].text, kNoSoundOutputMessage);
    EXPECT_EQ(sound_.played, (QStringList{dir_.filePath("gone.wav"), minute, end}));
    EXPECT_EQ(Display(*w, 1), "00:00");
    EXPECT_FALSE(TickTimer(*w)->isActive());
}

TEST_F(TimerPageTest, AlarmMenuOpensBelowTheIconAndChoosesTheCellsSet) {
    WriteAlarmSet(0, "鐘", {{"/snd/a.wav", 5}});
    WriteAlarmSet(1, "R&B", {{"/snd/b.wav", 5}});
    auto w = Start();
    QMenu* menu = AlarmMenu(*w);
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[0]->text(), "(なし)");
    EXPECT_EQ(entries[1]->text(), "鐘");
    EXPECT_EQ(entries[2]->text(), "R&&B");  // shown with its ampersand, no hot key
    EXPECT_TRUE(entries[3]->isSeparator());
    EXPECT_EQ(entries[4], w->findChild<QAction*>("actAlmOption"));
    EXPECT_EQ(w->findChild<QAction*>("actAlmOption")->text(), "アラームの設定(&A)...");
    EXPECT_EQ(entries[1]->statusTip(), "アラームセットを切り替えます。");

    w->show();
    QApplication::processEvents();
    TImageEx* icon = CellChild<TImageEx>(*w, "imgTimer", 2);
    QEnterEvent enter(QPointF(7, 7), QPointF(7, 7), icon->mapToGlobal(QPointF(7, 7)));
    QApplication::sendEvent(icon, &enter);
    EXPECT_EQ(icon->Picture().cacheKey(), AlarmIconPicture(true).cacheKey());
    const QPoint rest = icon->pos();
    QTest::mousePress(icon, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_EQ(icon->pos(), rest + QPoint(1, 1));
    // Let go over the icon: a click, which opens the menu.
    QTest::mouseRelease(icon, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(icon->pos(), rest);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), icon->mapToGlobal(QPoint(0, 15)));
    EXPECT_EQ(icon->Picture().cacheKey(), AlarmIconPicture(false).cacheKey());
    EXPECT_TRUE(entries[0]->isChecked());
    EXPECT_FALSE(entries[1]->isChecked());
    entries[2]->trigger();
    menu->hide();
    EXPECT_EQ(w->Timers()->Page()->Cells.RowAlarm(2).Name, "R&B");
    EXPECT_FALSE(w->Timers()->Page()->Cells.RowAlarm(1).Used);

    ClickAlarmIcon(*w, 2);
    EXPECT_TRUE(entries[2]->isChecked());
    EXPECT_FALSE(entries[0]->isChecked());
    menu->hide();
    ClickAlarmIcon(*w, 0);
    EXPECT_TRUE(entries[0]->isChecked());
    EXPECT_FALSE(entries[2]->isChecked());
    menu->hide();
}

TEST_F(TimerPageTest, SelectionsAndAlarmsSurviveARestart) {
    WriteAlarmSet(0, "鐘", {{"/snd/a.wav", 5}});
    {
        auto w = Start();
        Select(*w, 1, kTwoMinutes);
        Select(*w, 7, kChainLevel10);
        Select(*w, 12, 29);
        w->Timers()->StartAction(0)->trigger();  // running timers are not kept
        // The first alarm set for cell 7, chosen from its alarm menu.
        ClickAlarmIcon(*w, 6);
        AlarmMenu(*w)->actions()[1]->trigger();
        AlarmMenu(*w)->hide();
        w->close();
    }
    {
        SettingsStore s(path_);
        EXPECT_EQ(s.ReadInteger("Timer", "Item1", -9), kTwoMinutes);
        EXPECT_EQ(s.ReadInteger("Timer", "Item2", -9), -1);
        EXPECT_EQ(s.ReadInteger("Timer\\Alarm", "Item6", -9), 1);
    }
    auto w = Start();
    EXPECT_EQ(CellChild<QComboBox>(*w, "cmbTimer", 0)->currentIndex(), kTwoMinutes);
    EXPECT_EQ(CellChild<QComboBox>(*w, "cmbTimer", 6)->currentIndex(), kChainLevel10);
    EXPECT_EQ(CellChild<QComboBox>(*w, "cmbTimer", 11)->currentIndex(), 29);
    EXPECT_EQ(CellChild<QComboBox>(*w, "cmbTimer", 1)->currentIndex(), -1);
    EXPECT_EQ(Display(*w, 1), "02:00");
    EXPECT_EQ(Display(*w, 12), "07:30");
    EXPECT_FALSE(w->Timers()->Page()->Cells.AnyRunning());
    EXPECT_EQ(CellChild<QToolButton>(*w, "btnTimer", 0)->text(), "スタート [F1]");
    EXPECT_EQ(w->Timers()->Page()->Cells.RowAlarm(6).Name, "鐘");
    EXPECT_FALSE(w->Timers()->Page()->Cells.RowAlarm(0).Used);
    // The seeding ran once: the list is not seeded again.
    SettingsStore s(path_);
    EXPECT_EQ(s.ReadInteger("Timer", "Count", 0), 30);
}

TEST_F(TimerPageTest, HandEditedSettingsNeverBreakThePage) {
    WriteAlarmSet(0, "鐘", {{"/snd/a.wav", 5}});
    {
        SettingsStore s(path_);
        s.WriteInteger("Timer", "Item1", 30);   // one past the list
        s.WriteInteger("Timer", "Item2", -7);
        s.WriteInteger("Timer", "Item3", 2147483647);
        s.WriteInteger("Timer\\Alarm", "Item0", 2);  // no such alarm set
        s.WriteInteger("Timer\\Alarm", "Item1", -3);
        s.WriteInteger("Timer\\Alarm", "Item2", 21);
    }
    auto w = Start();
    for (int c : {0, 1, 2}) {
        EXPECT_EQ(CellChild<QComboBox>(*w, "cmbTimer", c)->currentIndex(), -1);
        EXPECT_FALSE(w->Timers()->StartAction(c)->isEnabled());
        EXPECT_FALSE(w->Timers()->Page()->Cells.RowAlarm(c).Used);
    }
    ClickAlarmIcon(*w, 0);
    EXPECT_TRUE(AlarmMenu(*w)->actions()[0]->isChecked());  // "(なし)"
    AlarmMenu(*w)->hide();
    // Out-of-range cells given to the handlers do nothing.
    w->Timers()->actTimeStartExecute(0);
    w->Timers()->actTimeStartExecute(13);
    w->Timers()->actTimeResetExecute(-1);
    EXPECT_FALSE(AlarmMenu(*w)->isVisible());
    w->close();
    SettingsStore s(path_);
    EXPECT_EQ(s.ReadInteger("Timer", "Item1", 0), -1);
}

TEST_F(TimerPageTest, TheStartTimeFitsInsideItsCellInTheWindowFace) {
    auto w = Start();
    for (std::size_t i = 0; i < kTimerCellCount; ++i) {
        QLabel* started = CellChild<QLabel>(*w, "lblTimerC", i);
        for (const char* text : {"00:00:00", "23:59:59"})
            EXPECT_GE(started->width(), started->fontMetrics().horizontalAdvance(QString::fromLatin1(text))) << i;
        // Short of the cell's border line.
        const QRect cell = CellChild<TShape>(*w, "shpTimer", i)->geometry().adjusted(1, 1, -1, -1);
        EXPECT_TRUE(cell.contains(started->geometry())) << i;
    }
}

// A stopwatch read in three digits of minutes, up to the widest "999:59", ends
// four pixels or more short of the start time beside it, which ends inside the
// cell; the usual readings keep a size at least as large.
TEST_F(TimerPageTest, ALongReadingKeepsClearOfTheStartTime) {
    auto w = Start();
    Select(*w, 1, kStopwatch);
    w->Timers()->StartAction(0)->trigger();
    QLabel* display = CellChild<QLabel>(*w, "lblTimer", 0);
    QLabel* started = CellChild<QLabel>(*w, "lblTimerC", 0);
    const int shortSize = display->font().pixelSize();
    const struct { std::uint32_t ms; const char* reading; } steps[] = {
        {2'000, "00:02"}, {7'198'000, "120:00"}, {52'799'000, "999:59"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.reading);
        Tick(*w, step.ms);
        ASSERT_EQ(Display(*w, 1), step.reading);
        const int readingEnd = display->x() + display->fontMetrics().horizontalAdvance(display->text());
        EXPECT_LE(readingEnd - display->x(), display->width());
        EXPECT_LE(readingEnd + 4, started->x());
        EXPECT_LE(display->font().pixelSize(), shortSize);
        const QRect inside = CellChild<TShape>(*w, "shpTimer", 0)->geometry().adjusted(1, 1, -1, -1);
        for (const QString& time : {started->text(), QStringLiteral("00:00:00")})
            EXPECT_LE(started->x() + started->fontMetrics().horizontalAdvance(time), inside.right() + 1);
    }
    w->Timers()->ResetAction(0)->trigger();
    EXPECT_EQ(Display(*w, 1), "00:00");
    EXPECT_EQ(display->font().pixelSize(), shortSize);
}

TEST_F(TimerPageTest, FunctionKeysReachTheCellsFromTheProgramsOtherWindows) {
    auto w = Start();
    for (int n = 1; n <= 2; ++n) Select(*w, n, kStopwatch);
    ActivateWindow(*w);
    auto* help = new THelpViewer(w.get());
    const std::pair<const char*, std::function<QWidget*()>> windows[] = {
        {"weekday forecast",
         [&] {
             QTest::mousePress(w->findChild<TImageEx*>("imgVanaWeek"), Qt::LeftButton);
             return static_cast<QWidget*>(w->findChild<TfrmWeek*>("frmWeek"));
         }},
        {"moon forecast",
         [&] {
             QTest::mousePress(w->findChild<TImageEx*>("imgVanaMoon"), Qt::LeftButton);
             return static_cast<QWidget*>(w->findChild<TfrmMoon*>("frmMoon"));
         }},
        {"help", [&] { help->show(); return static_cast<QWidget*>(help); }},
    };
    for (const auto& [name, open] : windows) {
        // The other window is in front and active; its own controls have the keys.
        QWidget* other = open();
        ASSERT_NE(other, nullptr) << name;
        QApplication::setActiveWindow(other);
        QElapsedTimer t;
        t.start();
        while (QApplication::activeWindow() != other && t.elapsed() < 2000) QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), other) << name;
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : other;
        for (auto [key, mods, running] : {std::tuple{Qt::Key_F2, Qt::NoModifier, true},
                                          std::tuple{Qt::Key_F2, Qt::ControlModifier, false},
                                          std::tuple{Qt::Key_F1, Qt::NoModifier, true}}) {
            QKeyEvent press(QEvent::KeyPress, key, mods);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, mods);
            QApplication::sendEvent(target, &release);
            EXPECT_EQ(w->Timers()->Page()->Cells.Item(key - Qt::Key_F1).Running, running)
                << name << ": " << (mods ? "Ctrl+" : "") << "F" << key - Qt::Key_F1 + 1;
        }
        w->Timers()->actTimeResetExecute(1);
        other->close();
    }
}

TEST_F(TimerPageTest, TheListDropsDownTwelveLinesWithinTheScreen) {
    TAppStyle style;  // the program's style; outlives the window that uses it
    auto w = Start();
    w->show();
    QComboBox* list = CellChild<QComboBox>(*w, "cmbTimer", 0);
    list->setStyle(&style);
    ASSERT_EQ(list->count(), 30);
    list->showPopup();
    QAbstractItemView* view = list->view();
    QWidget* popup = view->window();
    ASSERT_TRUE(popup->isVisible());
    const int first = view->indexAt(QPoint(1, 1)).row();
    const int last = view->indexAt(QPoint(1, view->viewport()->height() - 1)).row();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last - first + 1, 12);
    EXPECT_TRUE(list->screen()->availableGeometry().contains(popup->frameGeometry()))
        << popup->frameGeometry().x() << "," << popup->frameGeometry().y() << " "
        << popup->frameGeometry().width() << "x" << popup->frameGeometry().height();
    list->hidePopup();
}

TEST_F(TimerPageTest, TheWheelOverAListWithoutTheFocusScrollsThePage) {
    auto w = Start();
    Select(*w, 7, 1);  // "15秒"
    ActivateWindow(*w);
    TimerBox(*w)->setFocus();
    QScrollBar* bar = TimerBox(*w)->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QComboBox* list = CellChild<QComboBox>(*w, "cmbTimer", 6);
    Wheel(list, -1);
    Wheel(list, -1);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_FALSE(list->hasFocus());
    EXPECT_GT(bar->value(), 0);
    w->close();
    EXPECT_EQ(SettingsStore(path_).ReadInteger("Timer", "Item7", -1), 1);

    // Once the list has the focus, the wheel is its own.
    auto again = Start();
    ActivateWindow(*again);
    QComboBox* focused = CellChild<QComboBox>(*again, "cmbTimer", 6);
    focused->setFocus();
    Wheel(focused, -1);
    EXPECT_EQ(focused->currentIndex(), 2);
    EXPECT_EQ(TimerBox(*again)->verticalScrollBar()->value(), 0);
}


}  // namespace
}  // namespace norvane
