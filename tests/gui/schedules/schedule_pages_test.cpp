// The four live schedule pages inside the main window: refreshes, stored
// choices, colours and column layouts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "core/schedules/calendar_schedule.h"
#include "core/schedules/guild_schedule.h"
#include "gui/art/pictures.h"
#include "gui/controls/image_label.h"
#include "gui/controls/labels.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_tab_panel.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/shape.h"
#include "gui/main_window/main_window.h"
#include "gui/schedules/chocobo_page.h"
#include "gui/schedules/guild_page.h"
#include "gui/schedules/racial_page.h"
#include "gui/schedules/schedule_pages.h"
#include "gui/schedules/ship_page.h"
#include "window_fixture.h"

namespace norvane {
namespace {

// The window fixture with the clock moved; the parameter is the time-zone bias
// in minutes.
class PagesTest : public WindowFixtureWithParam<int> {
protected:
    PagesTest() {
        // Game 1453/07/13 13:41:40, a 火 day: two guilds keep their holiday.
        clock_.setUtc({2024, 5, 17, 3, 4, 5, 0});
        clock_.setBias(GetParam());
    }

    using WindowFixtureOf::Stored;
    using WindowFixtureOf::Write;
    void Write(const char* name, int value) { Write("Option", name, value); }
    int Stored(const char* name) const { return Stored("Option", name); }
    // The pages are built on first use; these tests look at all four from the start.
    static std::unique_ptr<TfrmMain> Start() {
        auto w = WindowFixtureOf::Start();
        w->SchedulePages()->BuildPages();
        return w;
    }

    static QComboBox* Choice(TfrmMain& w, const char* name) { return Child<QComboBox>(w, name); }
    static TSchedulePage* View(TfrmMain& w, Page page) { return w.SchedulePages()->View(page); }
    // What every label of a page shows: text and text colour, in a fixed order.
    static std::vector<std::pair<QString, QRgb>> Shown(TfrmMain& w, Page page) {
        std::vector<std::pair<QString, QRgb>> shown;
        for (const QLabel* l : View(w, page)->findChildren<QLabel*>())
            shown.emplace_back(l->text(), l->palette().color(QPalette::WindowText).rgb());
        return shown;
    }
    // How many texts and colours differ between two pictures of the same page.
    static int Writes(const std::vector<std::pair<QString, QRgb>>& a, const std::vector<std::pair<QString, QRgb>>& b) {
        int n = 0;
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            n += (a[i].first != b[i].first) + (a[i].second != b[i].second);
        return n;
    }
    static QLabel* Label(TfrmMain& w, const char* name) { return Child<QLabel>(w, name); }
    static std::string Text(TfrmMain& w, const char* name) { return Label(w, name)->text().toStdString(); }
    static Colour FontColour(TfrmMain& w, const char* name) {
        return FromQColor(Label(w, name)->palette().color(QPalette::WindowText));
    }
    static QRect Box(TfrmMain& w, const char* name) {
        const QWidget* c = Child(w, name);
        return c ? c->geometry() : QRect();
    }
    // Shows `page` at window size `size`, laid out.
    static void ShowAt(TfrmMain& w, Page page, QSize size) {
        w.show();
        w.resize(size);
        w.ShowPage(page);
        QApplication::processEvents();
    }
};

INSTANTIATE_TEST_SUITE_P(Zones, PagesTest, ::testing::Values(-540, 300));

TEST_P(PagesTest, TheTickRefreshesOnlyTheShowingPageAndOnlyInNormalMode) {
    auto w = Start();
    const Page live[] = {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo};
    auto counts = [&] {
        std::array<std::vector<std::pair<QString, QRgb>>, 4> c{};
        for (std::size_t i = 0; i < 4; ++i) c[i] = Shown(*w, live[i]);
        return c;
    };
    for (Page page : live) {
        w->ShowPage(page);
        const auto before = counts();
        clock_.advanceMs(1000);
        w->tmrClockTimer();
        const auto after = counts();
        for (std::size_t i = 0; i < 4; ++i) {
            if (live[i] == page)
                EXPECT_GT(Writes(before[i], after[i]), 0) << "page " << PageIndex(page);
            else
                EXPECT_EQ(after[i], before[i]) << "page " << PageIndex(page) << " view " << i;
        }
    }
    w->ShowPage(Page::Timer);
    auto before = counts();
    clock_.advanceMs(1000);
    w->tmrClockTimer();
    EXPECT_EQ(counts(), before);

    w->ShowPage(Page::Ship);
    w->actSimpleExecute();
    before = counts();
    clock_.advanceMs(1000);
    w->tmrClockTimer();
    EXPECT_EQ(counts(), before);
}

TEST_P(PagesTest, ShipAndGuildLabelsShowWhatTheLogicComputes) {
    auto w = Start();
    w->ShowPage(Page::Ship);
    const int bias = GetParam();
    const ShipPageView ships = ComputeShipPage(GetVanaTime(), GetLocalNow(), bias);
    EXPECT_EQ(Text(*w, "lblShipLineC3"), ships[3].columns[0].time);
    EXPECT_EQ(Text(*w, "lblShipLineD3"), ships[3].columns[0].countdown);
    EXPECT_EQ(Text(*w, "lblShipLineF0"), ships[0].columns[1].countdown);
    EXPECT_EQ(Text(*w, "lblShipLineG8"), ships[8].columns[2].time);
    for (const char* name : {"lblShipLineD1", "lblShipLineF5", "lblShipLineH8"}) {
        const std::size_t row = static_cast<std::size_t>(name[12] - '0');
        const std::size_t col = static_cast<std::size_t>(name[11] - 'D') / 2;
        EXPECT_EQ(FontColour(*w, name), ships[row].columns[col].countdownColour) << name;
    }
    // At game 13:41:40 row 1's next arrival at the origin is 15:12, 1 h 30 min
    // 20 s of game time ahead: 3 min 36.8 s of Earth time, shown as 03:37 in amber.
    EXPECT_EQ(Text(*w, "lblShipLineC1"), " 15:12着");
    EXPECT_EQ(Text(*w, "lblShipLineD1"), "03:37");
    EXPECT_EQ(FontColour(*w, "lblShipLineD1"), 0x0080FFu);
    EXPECT_EQ(Text(*w, "lblShipLineA8"), "セルビナ ─");

    w->ShowPage(Page::Guild);
    const GuildPageView guilds = ComputeGuildPage(GetVanaTime(), GetLocalNow(), bias);
    EXPECT_EQ(Text(*w, "lblGuildLineB2"), "( 定休日 )");  // 火 is the woodworkers' holiday
    EXPECT_EQ(FontColour(*w, "lblGuildLineB2"), 0x0040FFu);
    EXPECT_EQ(Text(*w, "lblGuildLineB4"), "( 営業中 )");
    EXPECT_EQ(FontColour(*w, "lblGuildLineB4"), 0xC00000u);
    EXPECT_EQ(Text(*w, "lblGuildLineG4"), guilds[4].timeLeft);
    EXPECT_EQ(Text(*w, "lblGuildLineG2"), guilds[2].timeLeft);
    EXPECT_EQ(Label(*w, "lblGuildLineG4")->statusTip(), "営業終了までの残り時間です。");
    EXPECT_EQ(Label(*w, "lblGuildLineG2")->statusTip(), "営業開始までの時間です。");
    EXPECT_EQ(Text(*w, "lblGuildLineF0"), "03:00~18:00");
    EXPECT_EQ(Text(*w, "lblGuildLineF12"), "09:00~23:00");
    EXPECT_EQ(Label(*w, "imgGuildLineD9")->pixmap().cacheKey(), WeekPictures()[7].cacheKey());
    EXPECT_TRUE(Label(*w, "lblGuildLineB0")->font().bold());
}

TEST_P(PagesTest, RacialAndChocoboLabelsShowWhatTheLogicComputes) {
    Write("Racial", 6);
    Write("Chocobo", 3);
    auto w = Start();
    const int bias = GetParam();
    w->ShowPage(Page::Racial);
    const VanaDateTime d = GetVanaTime();
    const RacialNowView racial = ComputeRacialNow(d, GetLocalNow(), bias);
    EXPECT_EQ(Text(*w, "lblRacialA0"), racial.raceText);
    EXPECT_EQ(Text(*w, "lblRacialB0"), racial.dungeonText);
    EXPECT_EQ(Text(*w, "lblRacialC0"), racial.timeLeft);
    const auto weeks = ComputeRacialSchedule(d, 6, bias);
    EXPECT_EQ(Text(*w, "lblRacialLineA0"), weeks[0].dungeonText);
    EXPECT_EQ(Text(*w, "lblRacialLineB0"), weeks[0].period);
    EXPECT_EQ(Text(*w, "lblRacialLineB9"), weeks[9].period);

    w->ShowPage(Page::Chocobo);
    const ChocoboNowView today = ComputeChocoboNow(d, GetLocalNow(), bias);
    EXPECT_EQ(Text(*w, "lblChocoA0"), today.towns[0]);
    EXPECT_EQ(Text(*w, "lblChocoD0"), today.towns[3]);
    EXPECT_EQ(Text(*w, "lblChocoE0"), today.timeLeft);
    const auto days = ComputeChocoboSchedule(d, 3, bias);
    for (const char* name : {"lblChocoLineA0", "lblChocoLineA1", "lblChocoLineA2"})
        EXPECT_EQ(Text(*w, name), days[static_cast<std::size_t>(name[13] - '0')].destination);
    EXPECT_EQ(Text(*w, "lblChocoLineB4"), days[4].period);
}

// The PC clock set back an hour or on a day: the showing page shows the new
// moment at the next tick, as if the program had just started.
TEST_P(PagesTest, APcClockJumpIsShownAtTheNextTick) {
    auto w = Start();
    const int bias = GetParam();
    for (const std::int64_t jumpMs : {-3'600'000LL, 86'400'000LL}) {
        for (int page = 2; page <= 5; ++page) {
            SCOPED_TRACE(testing::Message() << "page " << page << " jump " << jumpMs);
            w->findChild<QAction*>(QStringLiteral("actPage%1").arg(page))->trigger();
            clock_.advanceMs(jumpMs);
            w->tmrClockTimer();
            const VanaDateTime game = GetVanaTime();
            const EarthTime local = GetLocalNow();
            if (page == 2) {
                const ShipPageView ships = ComputeShipPage(game, local, bias);
                for (std::size_t r = 0; r < ships.size(); ++r)
                    for (std::size_t c = 0; c < 3; ++c) {
                        const std::string row = std::to_string(r);
                        const char column[] = {static_cast<char>('C' + 2 * c), 0};
                        const char count[] = {static_cast<char>('D' + 2 * c), 0};
                        EXPECT_EQ(Text(*w, ("lblShipLine" + std::string(column) + row).c_str()), ships[r].columns[c].time);
                        EXPECT_EQ(Text(*w, ("lblShipLine" + std::string(count) + row).c_str()),
                                  ships[r].columns[c].countdown);
                    }
            } else if (page == 3) {
                const GuildPageView guilds = ComputeGuildPage(game, local, bias);
                for (std::size_t r = 0; r < guilds.size(); ++r) {
                    const std::string row = std::to_string(r);
                    EXPECT_EQ(Text(*w, ("lblGuildLineB" + row).c_str()), guilds[r].stateText);
                    EXPECT_EQ(Text(*w, ("lblGuildLineG" + row).c_str()), guilds[r].timeLeft);
                }
            } else if (page == 4) {
                const RacialNowView racial = ComputeRacialNow(game, local, bias);
                EXPECT_EQ(Text(*w, "lblRacialA0"), racial.raceText);
                EXPECT_EQ(Text(*w, "lblRacialC0"), racial.timeLeft);
            } else {
                const ChocoboNowView choco = ComputeChocoboNow(game, local, bias);
                EXPECT_EQ(Text(*w, "lblChocoA0"), choco.towns[0]);
                EXPECT_EQ(Text(*w, "lblChocoE0"), choco.timeLeft);
            }
        }
    }
}

TEST_P(PagesTest, AnUnchangedLabelIsNotWrittenAgain) {
    auto w = Start();
    ShowAt(*w, Page::Ship, QSize(514, 324));
    const int bias = GetParam();
    const auto written = Shown(*w, Page::Ship);
    QLabel* time = Label(*w, "lblShipLineC0");
    QLabel* count = Label(*w, "lblShipLineD0");
    int timePaints = 0, countPaints = 0;
    struct PaintCounter : QObject {
        QObject* target;
        int* paints;
        PaintCounter(QObject* t, int* p) : target(t), paints(p) {}
        bool eventFilter(QObject* o, QEvent* e) override {
            if (o == target && e->type() == QEvent::Paint) ++*paints;
            return false;
        }
    } timeCounter(time, &timePaints), countCounter(count, &countPaints);
    time->installEventFilter(&timeCounter);
    count->installEventFilter(&countCounter);

    w->tmrClockTimer();  // the same instant again
    QApplication::processEvents();
    EXPECT_EQ(Shown(*w, Page::Ship), written);
    EXPECT_EQ(timePaints, 0);
    EXPECT_EQ(countPaints, 0);

    // A second later exactly the texts and colours that differ are written.
    const ShipPageView before = ComputeShipPage(GetVanaTime(), GetLocalNow(), bias);
    clock_.advanceMs(1000);
    const ShipPageView after = ComputeShipPage(GetVanaTime(), GetLocalNow(), bias);
    int changed = 0;
    for (std::size_t r = 0; r < before.size(); ++r)
        for (std::size_t c = 0; c < 3; ++c) {
            const ShipColumnView& a = before[r].columns[c];
            const ShipColumnView& b = after[r].columns[c];
            changed += (a.time != b.time) + (a.countdown != b.countdown) + (a.countdownColour != b.countdownColour);
        }
    w->tmrClockTimer();
    QApplication::processEvents();
    EXPECT_GT(changed, 0);
    EXPECT_EQ(Writes(written, Shown(*w, Page::Ship)), changed);
    EXPECT_EQ(timePaints, 0);
    EXPECT_GT(countPaints, 0);
}

TEST_P(PagesTest, StoredChoicesRoundTripThroughCloseAndStart) {
    {
        auto w = Start();
        EXPECT_EQ(Choice(*w, "cmbRacial")->currentIndex(), -1);
        EXPECT_EQ(Choice(*w, "cmbChoco")->count(), 4);
        EXPECT_EQ(Text(*w, "lblRacialLineB0"), "");
        w->close();
    }
    EXPECT_EQ(Stored("Racial"), -1);
    EXPECT_EQ(Stored("Chocobo"), -1);
    Write("Racial", 7);
    Write("Chocobo", 0);
    {
        auto w = Start();
        EXPECT_EQ(Choice(*w, "cmbRacial")->currentIndex(), 7);
        EXPECT_EQ(Choice(*w, "cmbChoco")->currentIndex(), 0);
        // Start-up builds the lists for the stored choices.
        EXPECT_NE(Text(*w, "lblRacialLineB0"), "");
        EXPECT_NE(Text(*w, "lblChocoLineB9"), "");
        Choice(*w, "cmbRacial")->setCurrentIndex(2);
        Choice(*w, "cmbChoco")->setCurrentIndex(3);
        w->close();
    }
    EXPECT_EQ(Stored("Racial"), 2);
    EXPECT_EQ(Stored("Chocobo"), 3);
    auto w = Start();
    EXPECT_EQ(Choice(*w, "cmbRacial")->currentText(), "エルヴァーン♂");
    EXPECT_EQ(Choice(*w, "cmbChoco")->currentText(), "カザム");
}

TEST_P(PagesTest, AStoredChoiceOutOfRangeIsIgnored) {
    for (auto [racial, chocobo] : {std::pair{8, 4}, std::pair{-2, 99}}) {
        Write("Racial", racial);
        Write("Chocobo", chocobo);
        auto w = Start();
        EXPECT_EQ(Choice(*w, "cmbRacial")->currentIndex(), -1);
        EXPECT_EQ(Choice(*w, "cmbChoco")->currentIndex(), -1);
        EXPECT_EQ(Text(*w, "lblRacialLineA0"), "");
        EXPECT_EQ(Text(*w, "lblChocoLineB0"), "");
        w->close();
        EXPECT_EQ(Stored("Racial"), -1);
        EXPECT_EQ(Stored("Chocobo"), -1);
    }
}

TEST_P(PagesTest, ListsAreRebuiltByTheChoiceAndTheButtonNotByTheClock) {
    auto w = Start();
    const int bias = GetParam();
    w->ShowPage(Page::Racial);
    // The button with no race chosen leaves the list empty.
    Child<QPushButton>(*w, "btnRacialRef")->click();
    EXPECT_EQ(Text(*w, "lblRacialLineB0"), "");
    Choice(*w, "cmbRacial")->setCurrentIndex(4);
    emit Choice(*w, "cmbRacial")->activated(4);
    const std::string first = Text(*w, "lblRacialLineB0");
    EXPECT_EQ(first, ComputeRacialSchedule(GetVanaTime(), 4, bias)[0].period);
    // Eight game weeks on, the clock leaves the list alone; the button renews it.
    clock_.advanceMs(8LL * kVanaWeek * 1000 / kTimeFactor);
    w->tmrClockTimer();
    EXPECT_EQ(Text(*w, "lblRacialLineB0"), first);
    Child<QPushButton>(*w, "btnRacialRef")->click();
    EXPECT_EQ(Text(*w, "lblRacialLineB0"), ComputeRacialSchedule(GetVanaTime(), 4, bias)[0].period);
    EXPECT_NE(Text(*w, "lblRacialLineB0"), first);
    // Selecting the page renews the chocobo list for the chosen town.
    Choice(*w, "cmbChoco")->setCurrentIndex(1);
    w->ShowPage(Page::Chocobo);
    EXPECT_EQ(Text(*w, "lblChocoLineA0"), ComputeChocoboSchedule(GetVanaTime(), 1, bias)[0].destination);
}

TEST_P(PagesTest, HeaderBandsAndStripesTakeTheWindowColours) {
    auto w = Start();
    // Item (234, 244, 255) and Base (214, 222, 247) meet halfway at (224, 233, 251).
    const Colour mid = Rgb(224, 233, 251);
    for (const char* name : {"shpShipHead0", "shpShipHead2", "shpGuildHead1", "shpRacialHead2", "shpChocoHead0",
                             "shpSkillHead0", "shpSkillHead1", "shpCalenHead0", "shpCalenHead1"})
        EXPECT_EQ(w->findChild<TShape*>(name)->BrushColor(), mid) << name;
    EXPECT_EQ(FromQColor(w->findChild<QWidget*>("chkCalenJeuno")->palette().color(QPalette::Window)), mid);
    for (const char* name : {"shpGuildLine5", "shpRacialLine0", "shpChocoLineB4", "shpCalenLine0", "shpCalenLine41",
                             "shpSkillTate0", "shpSkillTate1"})
        EXPECT_EQ(w->findChild<TShape*>(name)->BrushColor(), w->Skin().Item) << name;
    QLabel* odd = Label(*w, "lblGuildLineG3");
    EXPECT_TRUE(odd->autoFillBackground());
    EXPECT_EQ(FromQColor(odd->palette().color(QPalette::Window)), w->Skin().Item);
    EXPECT_FALSE(Label(*w, "lblGuildLineG2")->autoFillBackground());

    // New colours: the channels meet halfway, truncating toward zero.
    w->SchedulePages()->SetColours(Rgb(255, 0, 10), Rgb(0, 255, 13));
    EXPECT_EQ(w->findChild<TShape*>("shpShipHead1")->BrushColor(), Rgb(128, 127, 11));
    EXPECT_EQ(w->findChild<TShape*>("shpChocoLineB0")->BrushColor(), Rgb(255, 0, 10));
}

TEST_P(PagesTest, EveryTownAndShopHasOneIconAndCountdownsAreBold) {
    auto w = Start();
    auto key = [&](const char* name) {
        return w->findChild<TImageLabel*>(name)->LabelImage()->Picture().cacheKey();
    };
    const qint64 jeuno = key("lblShipLineA0");
    for (const char* name : {"lblShipLineA3", "lblShipLineB4", "lblShipLineB7"}) EXPECT_EQ(key(name), jeuno) << name;
    EXPECT_EQ(key("lblShipLineA4"), key("lblShipLineB0"));
    EXPECT_EQ(key("lblShipLineA7"), key("lblShipLineB3"));
    EXPECT_NE(key("lblShipLineB0"), key("lblShipLineB1"));
    EXPECT_EQ(key("lblShipLineB8"), key("lblShipLineA8"));
    EXPECT_EQ(key("lblGuildLineA1"), key("lblGuildLineA0"));
    EXPECT_EQ(key("lblGuildLineA12"), key("lblGuildLineA10"));
    EXPECT_NE(key("lblGuildLineA2"), key("lblGuildLineA3"));
    for (const char* name : {"lblShipLineD0", "lblShipLineF4", "lblShipLineH8"})
        EXPECT_TRUE(Label(*w, name)->font().bold()) << name;
    EXPECT_FALSE(Label(*w, "lblShipLineC0")->font().bold());
}

// Column arithmetic against the shape that drives each page, at three window widths.
TEST_P(PagesTest, LayoutsFollowTheWidthOfTheHeaderBands) {
    auto w = Start();
    int lastShipWidth = 0;
    for (int width : {514, 640, 490}) {
        SCOPED_TRACE(width);
        ShowAt(*w, Page::Ship, QSize(width, 324));
        // The band follows the window, down to a route and three time pairs;
        // narrower, the box scrolls.
        const int hw = Box(*w, "shpShipHead0").width();
        if (width == 640) {
            EXPECT_EQ(hw - lastShipWidth, 126);
        }
        EXPECT_GE(hw, Box(*w, "lblShipHead0").width() + 3 * 107);
        lastShipWidth = hw;
        // The four column captions tile the band, each sharing its left pixel
        // with its neighbour's right; the three time columns are alike.
        const QRect h0 = Box(*w, "lblShipHead0"), h2 = Box(*w, "lblShipHead2"), t3 = Box(*w, "lblShipHead3"),
                    h4 = Box(*w, "lblShipHead4");
        EXPECT_EQ(h0.x(), 0);
        EXPECT_EQ(h2.x(), h0.right());
        EXPECT_EQ(t3.x(), h2.right());
        EXPECT_EQ(h4.x(), t3.right());
        // The last ends with the band, up to the pixels a third leaves over.
        EXPECT_LE(h4.right(), hw - 1);
        EXPECT_GE(h4.right(), hw - 4);
        EXPECT_EQ(h2.width(), t3.width());
        EXPECT_LE(h4.width(), t3.width());
        EXPECT_EQ(Box(*w, "lblShipBottom3").x(), t3.x());
        EXPECT_EQ(Box(*w, "shpShipTate5").x(), t3.x());
        EXPECT_EQ(Box(*w, "shpShipTate2").x(), h2.x());
        EXPECT_EQ(Box(*w, "shpShipTate2").width(), h2.width());
        // Each time and countdown, five pixels apart, centred as a pair of 109.
        const int o = (h2.width() - 109) / 2;
        const QRect c5 = Box(*w, "lblShipLineC5");
        EXPECT_EQ(c5.x(), h2.x() + o);
        EXPECT_EQ(Box(*w, "lblShipLineD5").x(), c5.right() + 1 + 5);
        EXPECT_EQ(Box(*w, "lblShipLineG5").x(), h4.x() + o);
        // The route's captions centred with their crests in the route column.
        auto* a = w->findChild<TImageLabel*>("lblShipLineA6");
        const int icon = a->LabelImage()->width(), gap = a->ImageSpacing(), R = h0.width();
        EXPECT_EQ(a->x(), (R - icon - a->width() - gap) / 2 + icon + gap);
        auto* b = w->findChild<TImageLabel*>("lblShipLineB6");
        EXPECT_EQ(b->x(), (R - icon - b->width() - gap) / 2);

        ShowAt(*w, Page::Guild, QSize(width, 324));
        const int gw = Box(*w, "shpGuildHead0").width();
        int W = gw / 4 + 1;
        const QRect g0 = Box(*w, "lblGuildHead0"), g1 = Box(*w, "lblGuildHead1");
        EXPECT_EQ(g1, QRect(g0.x() + W - 1, g1.y(), 2 * W, g1.height()));
        EXPECT_EQ(Box(*w, "lblGuildHead5").x(), g1.x() + 2 * W - 1);
        EXPECT_EQ(Box(*w, "shpGuildTate1").x(), g1.x());
        const QRect c = Box(*w, "lblGuildLineC7"), d = Box(*w, "imgGuildLineD7"), f = Box(*w, "lblGuildLineF7");
        EXPECT_EQ(c.x(), g1.x() + (2 * W - 192) / 2 + 1);
        EXPECT_EQ(d.x(), c.x() + c.width() - 2);
        EXPECT_EQ(Box(*w, "lblGuildLineE7").x(), d.x() + d.width() + 5);
        EXPECT_EQ(Box(*w, "lblGuildLineG7").x(), f.x() + f.width() + 5);
        EXPECT_EQ(Box(*w, "lblGuildLineH7"), QRect(g1.x() + 2 * W + 3, Box(*w, "lblGuildLineH7").y(), W - 7,
                                                 Box(*w, "lblGuildLineH7").height()));
        EXPECT_EQ(Box(*w, "lblGuildLineB7").width(), W - 2);

        ShowAt(*w, Page::Racial, QSize(width, 324));
        const int rw = Box(*w, "shpRacialHead0").width();
        int a3 = rw / 3;
        const QRect r0 = Box(*w, "lblRacialHead0"), r2 = Box(*w, "lblRacialHead2");
        EXPECT_EQ(r2.x(), r0.x() + 2 * a3);
        EXPECT_EQ(Box(*w, "lblRacialHead4").width(), rw - a3 - 1);
        EXPECT_EQ(Box(*w, "lblRacialB0"), QRect(r0.x() + a3 + 1, Box(*w, "lblRacialB0").y(), a3 - 1,
                                               Box(*w, "lblRacialB0").height()));
        const QRect timeLeft = Box(*w, "lblRacialC0");
        EXPECT_EQ(timeLeft.x(), r2.x() + (a3 + 1 - timeLeft.width()) / 2);
        EXPECT_EQ(Box(*w, "lblRacialLineB3").x(), a3 + 4);
        // The period ends with the band, not past it.
        EXPECT_EQ(Box(*w, "lblRacialLineB3").right(), Box(*w, "shpRacialWaku0").right());

        ShowAt(*w, Page::Chocobo, QSize(width, 324));
        const int cw = Box(*w, "shpChocoHead0").width();
        const int a6 = cw / 6;
        const QRect hA = Box(*w, "lblChocoHeadA0"), hE = Box(*w, "lblChocoHeadE0");
        EXPECT_EQ(hE, QRect(hA.x() + 4 * a6, hE.y(), cw - 4 * (a6 + 1), hE.height()));
        EXPECT_EQ(Box(*w, "lblChocoC0").x(), hA.x() + 2 * a6 + 1);
        EXPECT_EQ(Box(*w, "lblChocoC0").width(), a6 - 1);
        EXPECT_EQ(Box(*w, "lblChocoHeadG0").x(), Box(*w, "lblChocoHeadC0").x() + 1);
        EXPECT_EQ(Box(*w, "lblChocoHeadF0").width(), 2 * (a6 + 1));
        EXPECT_EQ(Box(*w, "lblChocoLineA2").width(), 2 * a6);
        EXPECT_EQ(Box(*w, "lblChocoLineB2").x(), 2 * a6 + 5);
        // The period ends with the band, not past it.
        EXPECT_EQ(Box(*w, "lblChocoLineB2").right(), Box(*w, "shpChocoWaku0").right());

        ShowAt(*w, Page::Skill, QSize(width, 324));
        const int sw = Box(*w, "shpSkillHead0").width();
        const int W4 = sw / 4 + 1;
        const QRect s0 = Box(*w, "lblSkillHead0"), s3 = Box(*w, "lblSkillHead3");
        EXPECT_EQ(Box(*w, "lblSkillHead1"), QRect(s0.x() + W4 - 1, s0.y(), W4 + 2, s0.height()));
        EXPECT_EQ(s3.x(), s0.x() + 3 * W4 - 1);
        EXPECT_EQ(s3.right(), sw - 1);  // the last column ends with the band
        EXPECT_EQ(Box(*w, "shpSkillTate1").x(), 2 * (Box(*w, "shpSkillTate0").x() + W4) - 2);
        EXPECT_EQ(Box(*w, "shpSkillTate3").x(), Box(*w, "shpSkillTate1").x());
        const QRect a4 = Box(*w, "lblSkillLineA4"), b4 = Box(*w, "lblSkillLineB4"), c4 = Box(*w, "lblSkillLineC4");
        EXPECT_EQ(b4, QRect(a4.x() + W4, b4.y(), W4 - 2, b4.height()));
        EXPECT_EQ(c4.x(), b4.x() + b4.width() + 2);
        const QRect b19 = Box(*w, "lblSkillLineB19");
        EXPECT_EQ(b19.x(), c4.x() + c4.width());
        EXPECT_EQ(b19.right(), sw - 1);

        ShowAt(*w, Page::Calendar, QSize(width, 324));
        const int client = Child<TScrollBoxEx>(*w, "scrCalen")->viewport()->width();
        const QRect panel = Box(*w, "pnlCalenHead"), h3 = Box(*w, "lblCalenHead3");
        EXPECT_EQ(panel.width(), client - 6);
        EXPECT_EQ(Box(*w, "shpCalenLine41").width(), client - 6);
        EXPECT_EQ(Box(*w, "shpCalenWaku").width(), client - 6);
        EXPECT_EQ(h3.x() + h3.width(), panel.width());
        // Without a data file beside the program no row has a match picture.
        const QRect d7 = Box(*w, "lblCalenLineD7");
        const auto left = [&](const char* name) { return Child<QWidget>(*w, name)->mapToGlobal(QPoint(0, 0)).x(); };
        EXPECT_EQ(left("lblCalenLineD7"), left("lblCalenHead3") + 7);
        EXPECT_EQ(d7.width(), h3.width() - 9);
    }
}

// At the window's default size nothing on the pages is cut or crowded: the
// ship page's crests stay inside their column, off its line; a guild's
// locations break only between places and fit their cell; a calendar schedule
// too long for its column ends in "…" and shows whole as its tool tip.
TEST_P(PagesTest, AtTheDefaultSizeNothingIsCutOrCrowded) {
    auto w = Start();
    ShowAt(*w, Page::Ship, QSize(514, 324));
    const int line = Box(*w, "shpShipTate0").x();
    for (int r = 0; r < 9; ++r) {
        SCOPED_TRACE(r);
        for (const char* prefix : {"lblShipLineA", "lblShipLineB"}) {
            auto* caption = Child<TImageLabel>(*w, RowName(prefix, r).toUtf8().constData());
            const QRect crest = caption->LabelImage()->geometry();
            EXPECT_LT(crest.right(), line) << prefix;
            EXPECT_LT(caption->geometry().right(), line) << prefix;
            EXPECT_FALSE(crest.intersects(caption->geometry())) << prefix;
            EXPECT_GE(crest.left(), Box(*w, "shpShipHead0").left()) << prefix;
        }
    }

    ShowAt(*w, Page::Guild, QSize(514, 324));
    for (std::size_t r = 0; r < kGuildShopCount; ++r) {
        SCOPED_TRACE(r);
        auto* h = Label(*w, RowName("lblGuildLineH", static_cast<int>(r)).toUtf8().constData());
        const QString whole = QString::fromUtf8(kGuildShops[r].location.data(),
                                                static_cast<int>(kGuildShops[r].location.size()));
        const QStringList lines = h->text().split('\n');
        EXPECT_EQ(lines.join(' ').remove(' '), QString(whole).remove(' '));
        int at = 0;
        for (const QString& l : lines) {
            EXPECT_LE(h->fontMetrics().horizontalAdvance(l), h->width()) << l.toStdString();
            at = static_cast<int>(whole.indexOf(l, at));
            ASSERT_GE(at, 0);
            if (at > 0) { EXPECT_TRUE(PhraseBreakAllowed(whole, at)) << l.toStdString(); }
            at += static_cast<int>(l.size());
        }
        EXPECT_LE(static_cast<int>(lines.size()) * h->fontMetrics().lineSpacing(), h->height());
    }

    ShowAt(*w, Page::Calendar, QSize(514, 324));
    int shortened = 0;
    for (int r = 0; r < static_cast<int>(kCalendarRowCount); ++r) {
        SCOPED_TRACE(r);
        auto* d = Child<TImageLabel>(*w, RowName("lblCalenLineD", r).toUtf8().constData());
        const QString shown = d->ShownText();
        EXPECT_LE(d->fontMetrics().horizontalAdvance(shown), d->contentsRect().width());
        if (shown == d->text()) continue;
        ++shortened;
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        EXPECT_TRUE(d->text().startsWith(shown.chopped(1)));
        EXPECT_EQ(d->ToolTipText(), d->text());
    }
    EXPECT_GT(shortened, 0);  // the tavern and racial entries together are too long for the column
}

// A left click in the middle of the tab of `page` of the shown window.
void ClickTab(TfrmMain& w, Page page) {
    TLineTabPanel* strip = w.findChild<TLinePageControl*>("pclMain")->TabPanel();
    const QPointF at = strip->TabRects()[static_cast<std::size_t>(PageIndex(page))].center();
    QMouseEvent press(QEvent::MouseButtonPress, at, strip->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(strip, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, strip->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(strip, &release);
    QApplication::processEvents();
}

// The controls of a live page that do not show, by name; `count` gets how many there are.
std::vector<std::string> HiddenControls(TfrmMain& w, Page page, int& count) {
    TScrollBoxEx* box = w.SchedulePages()->View(page)->Box();
    std::vector<std::string> hidden;
    const QList<QWidget*> controls = box->Contents()->findChildren<QWidget*>();
    count = static_cast<int>(controls.size());
    for (QWidget* c : controls) {
        // A picture with nothing to show (a calendar day without a ballista match) stays hidden.
        auto* picture = qobject_cast<TImageEx*>(c);
        if (picture && picture->Picture().isNull() && c->isHidden()) continue;
        if (!c->isVisible()) hidden.push_back(c->objectName().toStdString());
    }
    return hidden;
}

// The pages are built on first use, inside a window already on the screen: all
// their controls must show, and stay shown through the ticks.
TEST_P(PagesTest, EveryControlOfAPageShowsWhenItsTabIsFirstClicked) {
    const struct {
        Page page;
        int atLeast;  // controls the page cannot do without
        std::vector<const char*> names;
    } pages[] = {
        {Page::Ship, 9 * 8, {"lblShipLineA0", "lblShipLineD4", "lblShipLineH8", "lblShipHead0", "shpShipHead2"}},
        {Page::Guild, 13 * 8, {"lblGuildLineA0", "lblGuildLineG12", "imgGuildLineD5", "lblGuildHead3"}},
        {Page::Racial, 3 + 10 * 2, {"lblRacialA0", "lblRacialC0", "cmbRacial", "btnRacialRef", "lblRacialLineB9"}},
        {Page::Chocobo, 5 + 10 * 2, {"lblChocoA0", "lblChocoE0", "cmbChoco", "btnChocoRef", "lblChocoLineA9"}},
        {Page::Skill, 4 + 30 * 2, {"cmbSkillMain", "edtSkillMLv", "updSkillMLv", "btnSkillRef", "lblSkillLineC14"}},
        {Page::Calendar, 84 * 4, {"chkCalenBallista", "chkCalenJeuno", "btnCalenRef", "lblCalenLineA83", "lblCalenLineB0"}},
    };
    auto w = std::make_unique<TfrmMain>(std::vector<std::string>{"norvane"});
    w->show();
    QApplication::processEvents();
    for (const auto& p : pages) {
        SCOPED_TRACE(PageIndex(p.page));
        ClickTab(*w, p.page);
        ASSERT_EQ(w->CurrentPage(), p.page);
        for (int tick = 0; tick < 3; ++tick) {
            clock_.advanceMs(500);
            w->tmrClockTimer();
            QApplication::processEvents();
        }
        int count = 0;
        EXPECT_EQ(HiddenControls(*w, p.page, count), std::vector<std::string>{});
        EXPECT_GE(count, p.atLeast);
        for (const char* name : p.names) {
            auto* c = w->findChild<QWidget*>(name);
            ASSERT_NE(c, nullptr) << name;
            EXPECT_TRUE(c->isVisible()) << name;
            EXPECT_GT(c->width(), 0) << name;
        }
    }
    ClickTab(*w, Page::Timer);
    EXPECT_EQ(w->CurrentPage(), Page::Timer);
}

// A page chosen from the simple-mode menu is built out of sight; it shows, laid
// out, when the window returns to normal mode.
TEST_P(PagesTest, APageChosenInSimpleModeShowsOnReturn) {
    auto w = std::make_unique<TfrmMain>(std::vector<std::string>{"norvane"});
    w->show();
    QApplication::processEvents();
    w->actSimpleExecute();
    w->ShowPage(Page::Ship);
    w->actNormalExecute();
    QApplication::processEvents();
    int count = 0;
    EXPECT_EQ(HiddenControls(*w, Page::Ship, count), std::vector<std::string>{});
    EXPECT_GT(count, 0);
    // Laid out: the columns follow the band, not the place each label was made at.
    EXPECT_GT(Box(*w, "shpShipHead0").width(), 400);
    EXPECT_LE(Box(*w, "lblShipHead4").right(), Box(*w, "shpShipHead0").right());
    EXPECT_GE(Box(*w, "lblShipHead4").right(), Box(*w, "shpShipHead0").right() - 3);
}

TEST_P(PagesTest, ResizingInSimpleModeChangesNothing) {
    auto w = Start();
    ShowAt(*w, Page::Ship, QSize(600, 324));
    const QRect before = Box(*w, "lblShipHead3");
    w->actSimpleExecute();
    TScrollBoxEx* box = Child<TScrollBoxEx>(*w, "scrShip");
    box->resize(300, 100);
    w->SchedulePages()->scrPageResize(Page::Ship);
    EXPECT_EQ(Box(*w, "lblShipHead3"), before);
}

TEST_P(PagesTest, TheWheelOverAChoiceWithoutTheFocusScrollsThePageInstead) {
    auto w = Start();
    const struct {
        Page page;
        QComboBox* box;
        TScrollBoxEx* scroll;
        const char* setting;
    } pages[] = {{Page::Racial, Choice(*w, "cmbRacial"), Child<TScrollBoxEx>(*w, "scrRacial"), "Racial"},
                 {Page::Chocobo, Choice(*w, "cmbChoco"), Child<TScrollBoxEx>(*w, "scrChoco"), "Chocobo"}};
    for (const auto& p : pages) {
        ShowAt(*w, p.page, QSize(514, 324));
        QApplication::setActiveWindow(w.get());
        p.scroll->setFocus();
        p.box->setCurrentIndex(2);
        QScrollBar* bar = p.scroll->verticalScrollBar();
        ASSERT_GT(bar->maximum(), 0) << p.setting;
        Wheel(p.box, -1);
        Wheel(p.box, -1);
        Wheel(p.box, 1);
        EXPECT_EQ(p.box->currentIndex(), 2) << p.setting;
        EXPECT_FALSE(p.box->hasFocus()) << p.setting;
        EXPECT_GT(bar->value(), 0) << p.setting;
        // A box with the focus takes the wheel.
        p.box->setFocus();
        Wheel(p.box, -1);
        EXPECT_EQ(p.box->currentIndex(), 3) << p.setting;
    }
    w->close();
    EXPECT_EQ(Stored("Racial"), 3);
    EXPECT_EQ(Stored("Chocobo"), 3);
}

}  // namespace
}  // namespace norvane
