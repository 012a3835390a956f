#include "gui/main_window/main_window.h"

#include <gtest/gtest.h>

#include "support/geometry_print.h"

#include <QAction>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <QApplication>
#include <QMouseEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QElapsedTimer>

#include <functional>
#include <iterator>
#include <cerrno>

#include "core/main_window/window_state.h"
#include "core/settings/settings_store.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_notice.h"
#include "gui/art/pictures.h"
#include "platform/durable_file.h"
#include "gui/controls/edge_panel.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_panel.h"
#include "gui/forecast/moon_window.h"
#include "gui/main_window/clock_panel.h"
#include "gui/main_window/user_messages.h"
#include "gui/main_window/work_area.h"
#include "gui/schedules/schedule_pages.h"
#include "window_fixture.h"

namespace norvane {
namespace {

class MainWindowTest : public WindowFixture {
protected:
    void Write(std::initializer_list<std::tuple<const char*, const char*, int>> values) {
        SettingsStore s(path_);
        for (auto [section, name, value] : values) s.WriteInteger(section, name, value);
    }
};

QLabel* Label(const QWidget& w, const char* name) { return Child<QLabel>(w, name); }
QAction* Action(const QWidget& w, const char* name) { return Child<QAction>(w, name); }
TLinePageControl* PageControl(const QWidget& w) { return Child<TLinePageControl>(w, "pclMain"); }

TEST_F(MainWindowTest, EmptySettingsStartInNormalModeOnTheFirstPage) {
    auto w = Start();
    EXPECT_TRUE(w->IsNormalMode());
    EXPECT_EQ(w->size(), QSize(514, 324));
    EXPECT_EQ(w->CurrentPage(), Page::Timer);
    EXPECT_EQ(PageControl(*w)->ActivePage(), 0);
    EXPECT_TRUE(Action(*w, "actPage1")->isChecked());
    EXPECT_FALSE(w->IsAlwaysOnTop());
    EXPECT_EQ(w->windowTitle(), "Norvane");
}

TEST_F(MainWindowTest, FirstTickFillsThePanelBeforeTheWindowShows) {
    auto w = Start();
    EXPECT_FALSE(w->isVisible());
    QLabel* vanaTime = Label(*w, "lblVanaTime");
    QLabel* earthTime = Label(*w, "lblEarthTime");
    EXPECT_EQ(vanaTime->text(), "0934/08/04 18:00:00");
    EXPECT_EQ(earthTime->text(), "2003/12/01 18:00:01");
    EXPECT_EQ(Label(*w, "lblVanaMoon")->text(), "上弦の月");
    EXPECT_EQ(w->ClockPanel()->LastWeekday(), 5);
    EXPECT_EQ(w->ClockPanel()->LastMoon(), 5);
    // The captions and pictures line up after the time labels.
    const QLabel* caption = Label(*w, "lblVanaTCap");
    EXPECT_EQ(vanaTime->x(), caption->x() + caption->width() + 4);
    // 10 pixels on, fewer where a wide face must still fit simple mode.
    const int gap = Label(*w, "lblVanaWCap1")->x() - (earthTime->x() + earthTime->width());
    EXPECT_GE(gap, 4);
    EXPECT_LE(gap, 10);
    EXPECT_GT(Child(*w, "imgVanaMoon")->x(), Child(*w, "imgVanaWeek")->x());
}

TEST_F(MainWindowTest, PicturesChangeOnlyWithTheirIndex) {
    auto w = Start();
    auto week = [&w] { return w->findChild<TImageEx*>("imgVanaWeek")->Picture().cacheKey(); };
    auto moon = [&w] { return w->findChild<TImageEx*>("imgVanaMoon")->Picture().cacheKey(); };
    EXPECT_EQ(week(), WeekPicture(5).cacheKey());
    EXPECT_EQ(moon(), MoonPicture(5).cacheKey());
    const qint64 week5 = week(), moon5 = moon();
    clock_.advanceMs(1000);
    w->tmrClockTimer();
    EXPECT_EQ(week(), week5);
    EXPECT_EQ(moon(), moon5);
    EXPECT_EQ(Label(*w, "lblVanaTime")->text(), "0934/08/04 18:00:25");
    // Six game hours later the day turns: the weekday changes, the moon does not.
    clock_.advanceMs(6LL * 3600 * 1000 / 25);
    w->tmrClockTimer();
    EXPECT_EQ(w->ClockPanel()->LastWeekday(), 6);
    EXPECT_EQ(w->ClockPanel()->LastMoon(), 5);
    EXPECT_EQ(week(), WeekPicture(6).cacheKey());
    EXPECT_NE(week(), week5);
    EXPECT_EQ(moon(), moon5);
}

// The PC clock set back an hour or on a day: the next tick draws the new moment,
// pictures included, whichever way the clock went.
TEST_F(MainWindowTest, APcClockJumpIsDrawnAtTheNextTick) {
    auto w = Start();
    for (const std::int64_t jumpMs : {86'400'000LL, -3'600'000LL, -86'400'000LL, 3'600'000LL}) {
        clock_.advanceMs(jumpMs);
        w->tmrClockTimer();
        const VanaDateTime now = GetVanaTime();
        EXPECT_EQ(Label(*w, "lblVanaTime")->text().toStdString(), VanaClockText(now)) << jumpMs;
        EXPECT_EQ(Label(*w, "lblEarthTime")->text().toStdString(), EarthClockText(GetLocalNow())) << jumpMs;
        EXPECT_EQ(w->ClockPanel()->LastWeekday(), now.Weekday) << jumpMs;
        EXPECT_EQ(w->ClockPanel()->LastMoon(), now.Moon) << jumpMs;
        EXPECT_EQ(w->findChild<TImageEx*>("imgVanaWeek")->Picture().cacheKey(), WeekPicture(now.Weekday).cacheKey())
            << jumpMs;
        EXPECT_EQ(w->findChild<TImageEx*>("imgVanaMoon")->Picture().cacheKey(), MoonPicture(now.Moon).cacheKey())
            << jumpMs;
    }
}

// The clock tick is a single shot aimed from the process clock each time: just
// past the next half-second, and after the clock is set, just past the new one's.
TEST_F(MainWindowTest, TheClockTickIsAimedAtTheHalfSecondsOfTheClock) {
    clock_.setUtc({2003, 12, 1, 9, 0, 1, 300});
    auto w = Start();
    auto* tick = Child<QTimer>(*w, "tmrClock");
    EXPECT_TRUE(tick->isSingleShot());
    EXPECT_TRUE(tick->isActive());
    EXPECT_EQ(tick->interval(), 202);
    clock_.setUtc({2003, 12, 1, 11, 30, 7, 880});  // set while the tick waits
    QElapsedTimer waited;
    waited.start();
    while (tick->interval() == 202 && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(tick->interval(), 122);
    EXPECT_TRUE(tick->isActive());
    EXPECT_EQ(Label(*w, "lblEarthTime")->text(), "2003/12/01 20:30:07");
}

TEST_F(MainWindowTest, StartUpReadsTheStoredWindow) {
    Write({{"Window", "Width", 600}, {"Window", "Height", 400}, {"Window", "Left", 20},
           {"Window", "Top", 30}, {"Window", "Allways", 1}, {"Option", "Page", 2}});
    auto w = Start();
    EXPECT_EQ(w->geometry(), QRect(20, 30, 600, 400));
    EXPECT_TRUE(w->IsAlwaysOnTop());
    EXPECT_TRUE(Action(*w, "actAllways")->isChecked());
    EXPECT_EQ(w->CurrentPage(), Page::Guild);
    EXPECT_TRUE(Action(*w, "actPage3")->isChecked());
}

TEST_F(MainWindowTest, BadStoredValuesNeverBreakTheStart) {
    Write({{"Window", "Width", -400}, {"Window", "Height", 2000000000}, {"Window", "Left", -99999},
           {"Window", "Top", 99999}, {"Option", "Page", 9}});
    auto w = Start();
    EXPECT_GE(w->width(), kNormalMinWidth);
    EXPECT_LE(w->height(), 2000);
    const QRect wa = DesktopWorkArea(w.get());
    EXPECT_GE(w->x(), wa.x() - 3);
    EXPECT_LE(w->y() + w->height(), wa.y() + wa.height());
    EXPECT_EQ(w->CurrentPage(), Page::Timer);
    EXPECT_EQ(PageControl(*w)->ActivePage(), 0);
}

// A sub-dialog opens with its frame centred on its owner's frame, whether or not
// the window manager has framed it yet, and inside the work area.
TEST(SubDialogPlacement, TheFrameIsCentredOnTheOwnersFrame) {
    const QRect wa = Edges(0, 0, 1024, 740);
    const QRect owner(200, 100, 420 + 2, 460 + 24);  // 420 x 460 with a 1-pixel border and a 23-pixel title
    const struct {
        QSize size, frame;
    } dialogs[] = {
        {{304, 134}, {304, 134}},  // not shown yet: no frame of its own
        {{304, 134}, {306, 158}},  // framed already
        {{420, 460}, {420, 460}},
    };
    for (const auto& d : dialogs) {
        const QSize outer = OuterSize(d.size, d.frame, {420, 460}, owner.size());
        EXPECT_EQ(outer - d.size, d.frame != d.size ? d.frame - d.size : QSize(2, 24));
        const QPoint p = SubDialogPosition(owner, outer.width(), outer.height(), wa);
        const QRect placed(p, outer);
        EXPECT_LE(std::abs(placed.center().x() - owner.center().x()), 1) << d.size.width();
        EXPECT_LE(std::abs(placed.center().y() - owner.center().y()), 1) << d.size.height();
    }
}

void Mouse(QWidget& w, QEvent::Type type, QPoint at) {
    QMouseEvent e(type, at, w.mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}
void DoubleClick(QWidget& w, QPoint at) {
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                           QEvent::MouseButtonRelease})
        Mouse(w, t, at);
    QApplication::processEvents();
}

// A double click on the caption strip maximizes the window and another restores
// it; on the caption's icon the first click opens the system menu and the
// second closes the window.
TEST_F(MainWindowTest, DoubleClicksOnTheCaptionMaximizeOrClose) {
    auto w = Start();
    w->show();
    QApplication::processEvents();
    DoubleClick(*w, {200, 12});
    EXPECT_TRUE(w->isMaximized());
    DoubleClick(*w, {200, 12});
    EXPECT_FALSE(w->isMaximized());

    Mouse(*w, QEvent::MouseButtonPress, {12, 12});
    Mouse(*w, QEvent::MouseButtonRelease, {12, 12});
    auto* menu = w->findChild<QMenu*>("mnuSystem");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(w->isVisible());
    DoubleClick(*w, {12, 12});
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(MainWindowTest, PagesThroughActionsAndThePageControl) {
    auto w = Start();
    Action(*w, "actPage5")->trigger();
    EXPECT_EQ(w->CurrentPage(), Page::Chocobo);
    EXPECT_EQ(PageControl(*w)->ActivePage(), 4);
    PageControl(*w)->SetActivePage(6);
    EXPECT_EQ(w->CurrentPage(), Page::Calendar);
    EXPECT_TRUE(Action(*w, "actPage7")->isChecked());
    PageControl(*w)->SetActivePage(7);  // out of range: nothing changes
    EXPECT_EQ(w->CurrentPage(), Page::Calendar);
}

TEST_F(MainWindowTest, CloseInNormalModeWritesTheWindow) {
    {
        auto w = Start();
        w->setGeometry(40, 50, 560, 380);
        Action(*w, "actAllways")->trigger();
        Action(*w, "actPage2")->trigger();
        w->close();
    }
    SettingsStore s(path_);
    EXPECT_EQ(s.ReadInteger("Window", "Left", 0), 40);
    EXPECT_EQ(s.ReadInteger("Window", "Top", 0), 50);
    EXPECT_EQ(s.ReadInteger("Window", "Width", 0), 560);
    EXPECT_EQ(s.ReadInteger("Window", "Height", 0), 380);
    EXPECT_FALSE(s.ReadBool("Window", "Maximized", true));
    EXPECT_TRUE(s.ReadBool("Window", "Allways", false));
    EXPECT_EQ(s.ReadInteger("Option", "Page", -1), 1);
    EXPECT_FALSE(s.ReadBool("Option", "SimpleMode", true));
    // Choices of other pages go back unchanged.
    EXPECT_EQ(s.ReadInteger("Option", "Racial", 99), -1);
    EXPECT_TRUE(s.ReadBool("Option\\Calendar", "Jeuno", false));
}

// Real modal boxes, each answered OK a moment after it shows, as a player would.
class AnsweredBoxes final : public UserMessages {
public:
    void Beep(BeepKind) override {}
    void Show(QWidget* parent, MessageIcon, const QString& text) override {
        shown.push_back(text);
        overVisibleWindow.push_back(parent && parent->isVisible());
        QMessageBox box(QMessageBox::Warning, "Norvane", text, QMessageBox::Ok, parent);
        QTimer::singleShot(50, &box, &QDialog::accept);
        box.exec();
    }
    std::vector<QString> shown;
    std::vector<bool> overVisibleWindow;
};

int FailEverySave(SaveStep) { return EROFS; }

TEST_F(MainWindowTest, ASaveThatFailsAtCloseIsToldAndStillEndsTheProgram) {
    ResetSettingsNotices();
    AnsweredBoxes boxes;
    ScopedUserMessages useBoxes(boxes);
    auto w = Start();
    w->SetEndsProgramOnClose(true);
    w->show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(boxes.shown.empty());
    SetSaveFaultHook(FailEverySave);
    struct Unhook {
        ~Unhook() { SetSaveFaultHook(nullptr); }
    } unhook;

    // Closed by the exit message or the x alike: the loop must end by itself.
    QTimer::singleShot(0, w.get(), &QWidget::close);
    bool hung = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        hung = true;
        for (QWidget* top : QApplication::topLevelWidgets()) top->hide();
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);
    const int rc = QApplication::exec();
    watchdog.stop();
    EXPECT_FALSE(hung) << "the program went on running without a window";
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].contains(QString::fromUtf8("書き込めません")));
    EXPECT_TRUE(boxes.overVisibleWindow[0]) << "the warning came after the window had gone";

    // A window brought back after its close runs its clock again.
    w->ActivateFromMessage();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(Child<QTimer>(*w, "tmrClock")->isActive());
}

TEST_F(MainWindowTest, SimpleModeFromTheCommandLineAndItsClose) {
    Write({{"Window\\Simple", "Left", 100}, {"Window\\Simple", "Top", 120}});
    {
        auto w = Start({"norvane", "/s"});
        EXPECT_FALSE(w->IsNormalMode());
        EXPECT_TRUE(Action(*w, "actNormal")->isVisible());
        EXPECT_EQ(w->size(), QSize(426, 56));
        EXPECT_EQ(w->pos(), QPoint(100, 120));
        w->move(130, 140);
        w->close();
    }
    SettingsStore s(path_);
    EXPECT_EQ(s.ReadInteger("Window\\Simple", "Left", 0), 130);
    EXPECT_EQ(s.ReadInteger("Window\\Simple", "Top", 0), 140);
    EXPECT_TRUE(s.ReadBool("Option", "SimpleMode", false));
    // Entering simple mode stored the normal bounds; closing never wrote the flags.
    EXPECT_EQ(s.ReadInteger("Window", "Width", 0), 514);
    EXPECT_FALSE(s.ValueExists("Window", "Maximized"));
    EXPECT_FALSE(s.ValueExists("Window", "Allways"));
}

TEST_F(MainWindowTest, OnlyTheFirstTwoCharactersAskForSimpleMode) {
    EXPECT_TRUE(Start({"norvane", "/S"})->IsNormalMode());
    EXPECT_TRUE(Start({"norvane", "-s"})->IsNormalMode());
    EXPECT_FALSE(Start({"norvane", "/simple"})->IsNormalMode());
}

TEST_F(MainWindowTest, StoredSimpleModeStartsSimpleWithoutArguments) {
    Write({{"Option", "SimpleMode", 1}});
    EXPECT_FALSE(Start()->IsNormalMode());
}

TEST_F(MainWindowTest, ModeSwitchesRestoreBoundsAndKeepOnTop) {
    auto w = Start();
    QSignalSpy modes(w.get(), &TfrmMain::modeChanged);
    QSignalSpy onTop(w.get(), &TfrmMain::alwaysOnTopChanged);
    w->setGeometry(60, 70, 520, 330);
    w->actAlwaysOnTopExecute();
    w->actSimpleExecute();
    // A second request while simple changes nothing, and tells nothing.
    w->actSimpleExecute();
    EXPECT_FALSE(w->IsNormalMode());
    EXPECT_EQ(w->size(), QSize(426, 56));
    EXPECT_TRUE(w->IsAlwaysOnTop());
    EXPECT_FALSE(PageControl(*w)->isVisibleTo(w.get()));
    // A compositor may later ask for the size it last knew, the normal one.
    w->resize(520, 330);
    EXPECT_EQ(w->size(), QSize(426, 56));
    w->move(200, 210);
    w->actNormalExecute();
    EXPECT_TRUE(w->IsNormalMode());
    EXPECT_EQ(w->geometry(), QRect(60, 70, 520, 330));
    EXPECT_TRUE(w->IsAlwaysOnTop());
    w->resize(800, 600);
    EXPECT_EQ(w->size(), QSize(800, 600));
    ASSERT_EQ(modes.size(), 2);
    EXPECT_EQ(modes[0][0].toBool(), true);
    EXPECT_EQ(modes[1][0].toBool(), false);
    // Switching modes keeps the state on top without telling of a change.
    ASSERT_EQ(onTop.size(), 1);
    EXPECT_EQ(onTop[0][0].toBool(), true);
    SettingsStore s(path_);
    EXPECT_EQ(ReadSimplePosition(s), QPoint(200, 210));
}

TEST_F(MainWindowTest, MaximizedSurvivesSimpleModeAndCloseKeepsTheNormalBounds) {
    Write({{"Window", "Width", 600}, {"Window", "Height", 400}, {"Window", "Left", 20},
           {"Window", "Top", 30}, {"Window", "Maximized", 1}});
    {
        auto w = Start();
        w->show();
        EXPECT_TRUE(w->isMaximized());
        w->actSimpleExecute();
        EXPECT_TRUE(w->WasMaximized());
        EXPECT_FALSE(w->isMaximized());
        EXPECT_EQ(w->size(), QSize(426, 56));
        w->actNormalExecute();
        EXPECT_TRUE(w->isMaximized());
        w->close();
    }
    SettingsStore s(path_);
    EXPECT_TRUE(s.ReadBool("Window", "Maximized", false));
    EXPECT_EQ(ReadNormalBounds(s, 514), (NormalBounds{20, 30, 600, 400}));
}

// The window manager restores a maximized window some time after asked to: the
// bounds kept on entering simple mode are still the normal ones.
TEST_F(MainWindowTest, SimpleModeFromMaximizedKeepsTheNormalBounds) {
    for (bool maximizedAtStart : {true, false}) {
        SCOPED_TRACE(maximizedAtStart);
        Write({{"Window", "Width", 600}, {"Window", "Height", 400}, {"Window", "Left", 20},
               {"Window", "Top", 30}, {"Window", "Maximized", maximizedAtStart}});
        auto w = Start();
        w->show();
        if (!maximizedAtStart) w->showMaximized();
        QApplication::processEvents();
        ASSERT_GT(w->width(), 600);
        w->actSimpleExecute();
        SettingsStore s(path_);
        EXPECT_EQ(ReadNormalBounds(s, 514), (NormalBounds{20, 30, 600, 400}));
        QApplication::processEvents();
        EXPECT_EQ(w->size(), QSize(426, 56));
        w->actNormalExecute();
        QApplication::processEvents();
        EXPECT_TRUE(w->isMaximized());
        w->showNormal();
        QApplication::processEvents();
        EXPECT_EQ(w->geometry(), QRect(20, 30, 600, 400));
    }
}

void Click(QWidget* w) {
    const QPointF at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST_F(MainWindowTest, SimpleModeButtonsReturnAndClose) {
    auto w = Start({"norvane", "/s"});
    w->show();
    QWidget* imgReturn = Child(*w, "imgReturn");
    const QPoint at = imgReturn->pos();
    Click(imgReturn);
    EXPECT_TRUE(w->IsNormalMode());
    EXPECT_EQ(imgReturn->pos(), at);  // the pressed offset is undone
    w->actSimpleExecute();
    Click(Child(*w, "imgExit"));
    EXPECT_FALSE(w->isVisible());
    SettingsStore s(path_);
    EXPECT_TRUE(s.ReadBool("Option", "SimpleMode", false));
}

// A mouse event for `w` with the mouse at the screen point `global`, the left
// button held as `buttons` says.
void SendMouse(QWidget* w, QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(w->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// In simple mode the window is dragged by its panels and clock labels: the
// pressed point follows the mouse, whatever control under the panel took the press.
TEST_F(MainWindowTest, SimpleModeDragMovesTheWindowByTheMouseMove) {
    auto w = Start({"norvane", "/s"});
    w->show();
    for (QWidget* pressed : std::initializer_list<QWidget*>{Label(*w, "lblVanaTime"), Label(*w, "lblEarthTCap"),
                                                           Label(*w, "lblVanaMoon"), Child(*w, "imgClock"),
                                                           Child(*w, "pnlTime"), Child(*w, "pnlMenu"), w.get()}) {
        SCOPED_TRACE(pressed->objectName().toStdString());
        w->move(300, 200);
        const QPoint at = pressed->mapToGlobal(QPoint(4, 3));
        SendMouse(pressed, QEvent::MouseButtonPress, at, Qt::LeftButton);
        SendMouse(pressed, QEvent::MouseMove, at + QPoint(3, 2), Qt::LeftButton);
        EXPECT_EQ(w->pos(), QPoint(303, 202));
        SendMouse(pressed, QEvent::MouseMove, at + QPoint(-7, 12), Qt::LeftButton);
        EXPECT_EQ(w->pos(), QPoint(293, 212));
        SendMouse(pressed, QEvent::MouseButtonRelease, at + QPoint(-7, 12), Qt::NoButton);
    }
}

// A press on an image button followed by a slight move is still a click on it:
// the window does not move, whatever press came before.
TEST_F(MainWindowTest, SimpleModeImageButtonsDoNotDragTheWindow) {
    const struct {
        const char* name;
        std::function<bool(TfrmMain&)> clicked;
    } buttons[] = {
        {"imgMenu", [](TfrmMain& w) { return w.findChild<QMenu*>("mnuMain")->isVisible(); }},
        {"imgReturn", [](TfrmMain& w) { return w.IsNormalMode(); }},
        {"imgExit", [](TfrmMain& w) { return !w.isVisible(); }},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        auto w = Start({"norvane", "/s"});
        w->show();
        w->move(300, 200);
        // An earlier drag of the panel leaves its press point behind.
        QWidget* pnlTime = Child(*w, "pnlTime");
        const QPoint panel = pnlTime->mapToGlobal(QPoint(200, 30));
        SendMouse(pnlTime, QEvent::MouseButtonPress, panel, Qt::LeftButton);
        SendMouse(pnlTime, QEvent::MouseButtonRelease, panel, Qt::NoButton);
        auto* img = w->findChild<QWidget*>(b.name);
        ASSERT_NE(img, nullptr);
        const QPoint at = img->mapToGlobal(QPoint(7, 7));
        SendMouse(img, QEvent::MouseButtonPress, at, Qt::LeftButton);
        SendMouse(img, QEvent::MouseMove, at + QPoint(1, 1), Qt::LeftButton);
        SendMouse(img, QEvent::MouseMove, at + QPoint(2, 0), Qt::LeftButton);
        EXPECT_EQ(w->pos(), QPoint(300, 200));
        SendMouse(img, QEvent::MouseButtonRelease, at + QPoint(2, 0), Qt::NoButton);
        EXPECT_TRUE(b.clicked(*w));
        Child<QMenu>(*w, "mnuMain")->hide();
    }
}

TEST_F(MainWindowTest, SchedulePagesAreBuiltWhenFirstShownAndKeepUnseenChoices) {
    Write({{"Option", "Racial", 3}, {"Option", "Chocobo", 2}});
    {
        auto w = Start();
        const TSchedulePages* pages = w->SchedulePages();
        EXPECT_EQ(pages->View(Page::Ship), nullptr);
        EXPECT_EQ(pages->View(Page::Racial), nullptr);
        Action(*w, "actPage2")->trigger();
        EXPECT_NE(pages->View(Page::Ship), nullptr);
        Action(*w, "actPage5")->trigger();
        auto* cmbChoco = w->findChild<QComboBox*>("cmbChoco");
        ASSERT_NE(cmbChoco, nullptr);
        EXPECT_EQ(cmbChoco->currentIndex(), 2);
        cmbChoco->setCurrentIndex(1);
        EXPECT_EQ(pages->View(Page::Racial), nullptr);
        w->close();
    }
    SettingsStore s(path_);
    EXPECT_EQ(s.ReadInteger("Option", "Racial", -1), 3);
    EXPECT_EQ(s.ReadInteger("Option", "Chocobo", -1), 1);
}

TEST_F(MainWindowTest, TickRefreshesPagesOnlyInNormalMode) {
    auto w = Start();
    Action(*w, "actPage2")->trigger();
    // The tick in simple mode leaves the page alone but keeps the clock running.
    w->actSimpleExecute();
    clock_.advanceMs(1000);
    w->tmrClockTimer();
    EXPECT_EQ(Label(*w, "lblVanaTime")->text(), "0934/08/04 18:00:25");
    EXPECT_EQ(w->CurrentPage(), Page::Ship);
}

TEST_F(MainWindowTest, MoonForecastCountsToTheNextPhaseOnceAPhaseEndsWhileItIsOpen) {
    auto w = Start();
    // The first game day of the next phase.
    const std::int64_t now = VanaSecondsAt(clock_.utcNow());
    const int moon = SecondsToVana(now).Moon;
    std::int64_t next = now - now % kVanaDay;
    while (SecondsToVana(next).Moon == moon) next += kVanaDay;
    // Opened two seconds before the phase ends; four seconds later the clock
    // has drawn the new phase and the count runs to the end of that one.
    clock_.advanceMs((next - now) * 1000 / kTimeFactor - 2000);
    w->tmrClockTimer();
    QTest::mousePress(w->findChild<TImageEx*>("imgVanaMoon"), Qt::LeftButton);
    auto* frmMoon = w->findChild<TfrmMoon*>("frmMoon");
    ASSERT_NE(frmMoon, nullptr);
    clock_.advanceMs(4000);
    w->tmrClockTimer();
    ASSERT_NE(w->ClockPanel()->LastMoon(), moon);
    frmMoon->tmrMoonTimer();
    EXPECT_EQ(frmMoon->lblCount->text(), "06:43:10");
}

TEST_F(MainWindowTest, SimpleModeHoldsTheClockRowBesideItsButtonsInEveryPhase) {
    auto w = Start({"norvane", "/s"});
    w->show();
    ASSERT_EQ(w->size(), QSize(kSimpleWidth, kSimpleHeight));
    QWidget* pnlTime = Child(*w, "pnlTime");
    EXPECT_TRUE(w->rect().contains(pnlTime->geometry().translated(Child(*w, "pnlMenu")->pos())));
    auto box = [](QWidget* c) { return c->geometry(); };
    const QRect buttons = box(Child(*w, "imgMenu")).united(box(Child(*w, "imgExit")));
    QWidget* imgVanaMoon = Child(*w, "imgVanaMoon");
    QLabel* lblVanaMoon = Label(*w, "lblVanaMoon");
    for (int phase = 0; phase < 12; ++phase) {
        // In the window's own face; the labels size themselves to their texts.
        for (const char* name : {"lblVanaTCap", "lblEarthTCap", "lblVanaWCap1", "lblVanaMCap1", "lblVanaMoon"}) {
            const QLabel* l = Label(*w, name);
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << name;
        }
        const char* row[] = {"imgClock",    "lblVanaTCap",  "lblVanaTime", "lblVanaWCap1",
                             "imgVanaWeek", "lblVanaMCap1", "imgVanaMoon", "lblVanaMoon"};
        for (std::size_t i = 1; i < std::size(row); ++i)
            EXPECT_LE(Child(*w, row[i - 1])->geometry().right(), Child(*w, row[i])->x()) << row[i];
        EXPECT_LT(box(imgVanaMoon).right(), buttons.left());
        EXPECT_FALSE(box(lblVanaMoon).intersects(buttons));
        // Inside the panel's line, which is its last column.
        EXPECT_LT(box(lblVanaMoon).right(), pnlTime->width() - 1) << lblVanaMoon->text().toStdString();
        clock_.advanceMs(kVanaMoonPhase * 1000 / kTimeFactor);
        w->tmrClockTimer();
    }
}

TEST_F(MainWindowTest, AlarmSettingsEntryEndsTheAlarmMenuReadyToUse) {
    auto w = Start();
    auto* menu = Child<QMenu>(*w, "mnuAlarm");
    auto* options = Child<QAction>(*w, "actAlmOption");
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions().back(), options);
    EXPECT_EQ(options->text(), "アラームの設定(&A)...");
    EXPECT_TRUE(options->isEnabled());
}

TEST_F(MainWindowTest, StoredChoicesGoBackAsTheirBoxesShowThemSeenOrNot) {
    struct Case {
        int racial, chocobo;
        int wantRacial, wantChocobo;
    };
    const Case cases[] = {{20, -5, -1, -1}, {8, 4, -1, -1}, {7, 3, 7, 3}, {-1, 0, -1, 0}};
    for (bool seen : {false, true}) {
        for (const Case& c : cases) {
            Write({{"Option", "Racial", c.racial}, {"Option", "Chocobo", c.chocobo}});
            {
                auto w = Start();
                if (seen) {
                    Action(*w, "actPage4")->trigger();
                    Action(*w, "actPage5")->trigger();
                    EXPECT_EQ(Child<QComboBox>(*w, "cmbRacial")->currentIndex(), c.wantRacial);
                    EXPECT_EQ(Child<QComboBox>(*w, "cmbChoco")->currentIndex(), c.wantChocobo);
                }
                w->close();
            }
            SettingsStore s(path_);
            EXPECT_EQ(s.ReadInteger("Option", "Racial", 99), c.wantRacial) << c.racial << (seen ? " seen" : "");
            EXPECT_EQ(s.ReadInteger("Option", "Chocobo", 99), c.wantChocobo) << c.chocobo << (seen ? " seen" : "");
        }
    }
}

}  // namespace
}  // namespace norvane
