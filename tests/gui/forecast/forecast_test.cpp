#include "core/schedules/forecast.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/time/earth_time.h"
#include "gui/controls/edge_panel.h"
#include "gui/forecast/moon_window.h"
#include "gui/forecast/week_window.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

// Game 0934/08/05 00:00:00, the first game day start after the base instant.
constexpr std::int64_t kDayStartUtc = EarthBaseSeconds() + 6 * kVanaHour / kTimeFactor;
// Game 0886/01/01 00:00:00, before the base: there the conversion's division,
// truncating toward zero, rounds the target up by a fraction of a second.
constexpr std::int64_t kEarlyDayStartUtc =
    EarthBaseSeconds() - (VanaBaseSeconds() - 886LL * kVanaYear) / kTimeFactor;

EarthTime UtcOfVana(std::int64_t v) {
    return EarthTimeFromSeconds(EarthBaseSeconds() + (v - VanaBaseSeconds()) / kTimeFactor);
}

// The Vana second count at which the phase following the one of `v` begins.
std::int64_t NextPhaseStart(std::int64_t v) {
    v -= v % kVanaDay;
    const int moon = SecondsToVana(v).Moon;
    while (SecondsToVana(v).Moon == moon) v += kVanaDay;
    return v;
}

// Both time zones the tests run under: Tokyo and New York (standard time).
const int kBiases[] = {-540, 300};

// Counts a signal's emissions.
struct Counter {
    template <class Sender, class Signal>
    Counter(Sender* sender, Signal signal) {
        QObject::connect(sender, signal, &context, [this] { ++n; });
    }
    int count() const { return n; }
    QObject context;
    int n = 0;
};

class ClockTest : public ::testing::Test {
protected:
    void SetAt(const EarthTime& utc, int bias) {
        clock_.setUtc(utc);
        clock_.setBias(bias);
    }
    FakeOsClock clock_;
    ScopedOsClock scoped_{clock_};
};

TEST(WeekdayCells, MarksTodayTomorrowAndWeakened) {
    auto cells = WeekdayCells(2);  // 水
    EXPECT_EQ(cells[2].text, "今日");
    EXPECT_TRUE(cells[2].coloured);
    EXPECT_EQ(cells[3].text, "明日");
    EXPECT_FALSE(cells[3].coloured);
    EXPECT_EQ(cells[0].text, "弱体");
    EXPECT_TRUE(cells[0].coloured);
    for (int i : {1, 4, 5, 6, 7}) {
        EXPECT_EQ(cells[i].text, "") << i;
        EXPECT_FALSE(cells[i].coloured) << i;
    }

    cells = WeekdayCells(7);  // 闇: tomorrow wraps to 火
    EXPECT_EQ(cells[0].text, "明日");
    EXPECT_EQ(cells[6].text, "弱体");
    EXPECT_TRUE(cells[6].coloured);
}

TEST(WeekdayCells, WeakenedWinsWhenItIsAlsoTomorrow) {
    const auto cells = WeekdayCells(6);  // 光: tomorrow and weakened are both 闇
    EXPECT_EQ(cells[7].text, "弱体");
    EXPECT_TRUE(cells[7].coloured);
    for (const auto& c : cells) EXPECT_NE(c.text, "明日");
}

TEST(WeekdayCells, WeakTableAndBadIndices) {
    const int expected[8] = {4, 5, 0, 1, 3, 2, 7, 6};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(WeakWeekday(i), expected[i]) << i;
    // The main window starts at 999 until its first tick; nothing is marked.
    for (int bad : {-1, 8, 999}) {
        EXPECT_EQ(WeakWeekday(bad), -1);
        EXPECT_EQ(NextWeekday(bad), -1);
        for (const auto& c : WeekdayCells(bad)) EXPECT_EQ(c.text, "");
    }
}

TEST(CountdownTexts, FormatsAndNeverNegative) {
    EXPECT_EQ(WeekCountdownText(3456), "57:36");
    EXPECT_EQ(WeekCountdownText(61), "01:01");
    EXPECT_EQ(WeekCountdownText(0), "00:00");
    EXPECT_EQ(WeekCountdownText(-5), "00:00");
    EXPECT_EQ(MoonCountdownText(24192), "06:43:12");
    EXPECT_EQ(MoonCountdownText(3599), "00:59:59");
    EXPECT_EQ(MoonCountdownText(-1), "00:00:00");
    EXPECT_EQ(MoonStateText(1), "現在： 二十六夜");
    EXPECT_EQ(MoonStateText(999), "現在： ");
}

TEST_F(ClockTest, WeekCountdownAtTheStartOfAGameDay) {
    for (int bias : kBiases) {
        SetAt(EarthTimeFromSeconds(kDayStartUtc), bias);
        const VanaDateTime now = GetVanaTime();
        ASSERT_EQ(VanaTimeText(now).substr(0, 24), "0934/08/05(光) 00:00:00");
        EXPECT_EQ(WeekCountdownText(WeekCountdownSeconds(now, GetLocalNow(), bias)), "57:36") << bias;

        SetAt(EarthTimeFromSeconds(kEarlyDayStartUtc), bias);
        ASSERT_EQ(VanaTimeText(GetVanaTime()), "0886/01/01(火) 00:00:00 <新月>");
        // Counted to the second the clock shows the next day, the full day too.
        EXPECT_EQ(WeekCountdownText(WeekCountdownSeconds(GetVanaTime(), GetLocalNow(), bias)), "57:36") << bias;
    }
}

TEST_F(ClockTest, WeekCountdownRunsDownWithoutGoingNegative) {
    for (auto [bias, dayStart] : {std::pair{-540, kDayStartUtc}, std::pair{300, kEarlyDayStartUtc}}) {
        std::int64_t previous = 3457;
        SetAt(EarthTimeFromSeconds(dayStart), bias);
        const int day = GetVanaTime().Day;
        // Every half second through one game day and into the next.
        for (std::int64_t ms = 0; ms <= 3460 * 1000; ms += 500) {
            SetAt(EarthTimeFromMilliseconds(dayStart * 1000 + ms), bias);
            const VanaDateTime now = GetVanaTime();
            const auto left = WeekCountdownSeconds(now, GetLocalNow(), bias);
            ASSERT_GE(left, 0) << ms;
            ASSERT_LE(left, 3457) << ms;
            if (now.Day == day) {
                ASSERT_LE(left, previous) << ms;
                previous = left;
            }
            if (now.Day == day && now.Hour == 23 && now.Minute == 59) {
                ASSERT_LE(left, 3) << ms;
            }
        }
        EXPECT_LE(previous, 1);
    }
}

TEST_F(ClockTest, MoonCountdownOverAPhase) {
    const std::int64_t start = NextPhaseStart(VanaBaseSeconds());
    for (int bias : kBiases) {
        // First day of the phase, 00:00:00: the whole seven game days.
        SetAt(UtcOfVana(start), bias);
        VanaDateTime now = GetVanaTime();
        EXPECT_EQ(MoonCountdownText(MoonCountdownSeconds(now, now.Moon, GetLocalNow(), bias)), "06:43:12");
        // Noon of the last day: under one game day.
        SetAt(UtcOfVana(start + 6 * kVanaDay + 12 * kVanaHour), bias);
        now = GetVanaTime();
        const auto left = MoonCountdownSeconds(now, now.Moon, GetLocalNow(), bias);
        EXPECT_GT(left, 0);
        EXPECT_LT(left, 3456);
        EXPECT_EQ(left, 3456 / 2);
    }
}

TEST(MoonPhaseEnd, IsTheLastSecondBeforeTheNextPhase) {
    // Hourly over a whole moon cycle, across month and year ends.
    const std::int64_t from = 885LL * kVanaYear + 11 * kVanaMonth;
    for (std::int64_t v = from; v < from + 84 * kVanaDay; v += kVanaHour) {
        const VanaDateTime now = SecondsToVana(v);
        const std::int64_t end = VanaToSeconds(MoonPhaseEnd(now, now.Moon));
        ASSERT_EQ(end + 1, NextPhaseStart(v)) << VanaTimeText(now);
    }
}

TEST(MoonPhaseEnd, StaleOrBadPhaseIndexEndsWithToday) {
    const VanaDateTime now = SecondsToVana(NextPhaseStart(VanaBaseSeconds()) + kVanaDay + 5 * kVanaHour);
    for (int other : {(now.Moon + 1) % 12, 999, -1}) {
        const VanaDateTime end = MoonPhaseEnd(now, other);
        EXPECT_EQ(VanaToSeconds(end), VanaToSeconds(now) - 5 * kVanaHour + kVanaDay - 1);
    }
}

// ---- The windows ----

QPixmap Solid(QColor c, int size) {
    QPixmap pm(size, size);
    pm.fill(c);
    return pm;
}

bool SamePicture(const QLabel* label, const QPixmap& expected) {
    const QPixmap shown = label->pixmap();
    return !shown.isNull() && shown.toImage() == expected.toImage();
}

void Press(QWidget* target, Qt::MouseButton button) {
    const QPointF at(2, 2);
    QMouseEvent event(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

class WeekWindowTest : public ClockTest {
protected:
    void SetUp() override {
        for (int i = 0; i < 8; ++i) {
            colour_.append(Solid(QColor::fromHsv(i * 45, 255, 255), 32));
            grey_.append(Solid(QColor(100 + i * 10, 100 + i * 10, 100 + i * 10), 32));
        }
        week_.SetWeekPictures(colour_);
        week_.imgWeekG = grey_;
    }
    QVector<QPixmap> colour_, grey_;
    TfrmWeek week_;
};

TEST_F(WeekWindowTest, ShapeAndTimerBeforeShowing) {
    EXPECT_EQ(week_.size(), QSize(298, 74));
    EXPECT_TRUE(week_.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(week_.tmrWeek->isActive());
    EXPECT_EQ(week_.tmrWeek->interval(), 500);
    EXPECT_EQ(week_.imgWeek[7]->geometry(), QRect(259, 19, 32, 32));
    EXPECT_EQ(week_.lblCount->x(), week_.lblTitle->geometry().right() + 1 + 4);
    EXPECT_EQ(week_.pnlWeek->EdgeSpacing(), 3);
}

TEST_F(WeekWindowTest, ShowMarksTheDaysAndStartsTheCountdown) {
    for (int bias : kBiases) {
        SetAt(EarthTimeFromSeconds(kDayStartUtc), bias);
        week_.SetWeekday(2);  // 水
        week_.show();
        EXPECT_TRUE(week_.tmrWeek->isActive());
        EXPECT_EQ(week_.lblCount->text(), "57:36");
        EXPECT_EQ(week_.lblWeek[2]->text(), "今日");
        EXPECT_EQ(week_.lblWeek[3]->text(), "明日");
        EXPECT_EQ(week_.lblWeek[0]->text(), "弱体");
        EXPECT_TRUE(SamePicture(week_.imgWeek[2], colour_[2]));
        EXPECT_TRUE(SamePicture(week_.imgWeek[3], grey_[3]));
        EXPECT_TRUE(SamePicture(week_.imgWeek[0], colour_[0]));
        EXPECT_TRUE(SamePicture(week_.imgWeek[5], grey_[5]));
        EXPECT_EQ(week_.lblWeek[5]->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
        week_.close();

        // Shown again on another day: the old marks are gone.
        week_.SetWeekday(6);
        week_.show();
        EXPECT_EQ(week_.lblWeek[2]->text(), "");
        EXPECT_TRUE(SamePicture(week_.imgWeek[2], grey_[2]));
        EXPECT_EQ(week_.lblWeek[7]->text(), "弱体");
        EXPECT_TRUE(SamePicture(week_.imgWeek[7], colour_[7]));
        week_.close();
    }
}

// The PC clock set on a day, then back an hour, while the window is open: the
// marks move with the countdown instead of staying on the day it opened on.
TEST_F(WeekWindowTest, AClockJumpWhileOpenMovesTheMarksAlong) {
    for (int bias : kBiases) {
        SetAt(EarthTimeFromSeconds(kDayStartUtc), bias);
        const int opened = GetVanaTime().Weekday;
        week_.SetWeekday(opened);
        week_.show();
        EXPECT_EQ(week_.lblWeek[opened]->text(), "今日");

        clock_.advanceMs(86'400'000);  // 25 game days on: the next weekday
        week_.tmrWeekTimer();
        const int next = (opened + 1) % 8;
        EXPECT_EQ(week_.lblWeek[next]->text(), "今日");
        EXPECT_TRUE(SamePicture(week_.imgWeek[next], colour_[next]));
        EXPECT_NE(week_.lblWeek[opened]->text(), "今日");
        EXPECT_EQ(week_.lblCount->text(), "57:36");

        clock_.advanceMs(-3'600'000);  // 25 game hours back: 23:00 of the day before the first
        week_.tmrWeekTimer();
        const int before = (opened + 7) % 8;
        EXPECT_EQ(week_.lblWeek[before]->text(), "今日");
        EXPECT_EQ(week_.lblWeek[opened]->text(), "明日");
        EXPECT_EQ(week_.lblCount->text(), "02:24");
        week_.close();
    }
}

TEST_F(WeekWindowTest, AnyButtonOnAnyControlClosesAndStopsTheTimer) {
    Counter pressed(&week_, &TfrmWeek::pressed);
    Counter closed(&week_, &TfrmWeek::closed);
    const std::vector<QWidget*> targets = {&week_, week_.imgWeek[3], week_.lblWeek[0], week_.lblCount,
                                           week_.pnlWeek, week_.shpTop};
    int presses = 0;
    for (QWidget* target : targets) {
        for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            week_.show();
            ASSERT_TRUE(week_.tmrWeek->isActive());
            Press(target, button);
            ++presses;
            EXPECT_FALSE(week_.isVisible()) << target->objectName().toStdString();
            EXPECT_FALSE(week_.tmrWeek->isActive());
            EXPECT_EQ(pressed.count(), presses);
            EXPECT_EQ(closed.count(), presses);
        }
    }
}

TEST_F(WeekWindowTest, ClosedByTheMainWindowKeepsItsMark) {
    Counter pressed(&week_, &TfrmWeek::pressed);
    Counter closed(&week_, &TfrmWeek::closed);
    week_.show();
    week_.close();
    EXPECT_FALSE(week_.tmrWeek->isActive());
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_EQ(closed.count(), 1);
    week_.show();
    week_.hide();  // hiding any other way stops the countdown too
    EXPECT_FALSE(week_.tmrWeek->isActive());
}

TEST_F(WeekWindowTest, FrameColour) {
    const Colour blue = Rgb(0x20, 0x40, 0xC0);
    week_.SetFrameColor(blue);
    EXPECT_EQ(week_.pnlWeek->EdgeColor(), blue);
    EXPECT_EQ(week_.shpTop->palette().color(QPalette::Window), QColor(0x20, 0x40, 0xC0));
    EXPECT_EQ(week_.lblCount->palette().color(QPalette::Window), QColor(0x20, 0x40, 0xC0));
    EXPECT_EQ(week_.lblTitle->palette().color(QPalette::WindowText), QColor(Qt::white));
}

class MoonWindowTest : public ClockTest {
protected:
    void SetUp() override {
        for (int i = 0; i < 12; ++i) pictures_.append(Solid(QColor::fromHsv(i * 30, 200, 200), 32));
        moon_.SetMoonPictures(pictures_);
    }
    QVector<QPixmap> pictures_;
    TfrmMoon moon_;
};

TEST_F(MoonWindowTest, RingAndPictures) {
    EXPECT_EQ(moon_.size(), QSize(222, 167));
    EXPECT_FALSE(moon_.tmrMoon->isActive());
    EXPECT_EQ(moon_.imgMoon[0]->geometry(), QRect(167, 95, 32, 32));
    EXPECT_EQ(moon_.imgCheck[11]->geometry(), QRect(163, 67, 16, 16));
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(SamePicture(moon_.imgMoon[i], pictures_[i])) << i;
    EXPECT_EQ(moon_.imgMoon[2]->toolTip(), "新月");
    EXPECT_EQ(moon_.imgMoon[11]->toolTip(), "下弦の月");
}

TEST_F(MoonWindowTest, ShowMarksThePhaseAndCountsDown) {
    const std::int64_t start = NextPhaseStart(VanaBaseSeconds());
    for (int bias : kBiases) {
        SetAt(UtcOfVana(start), bias);
        const int m = GetVanaTime().Moon;
        moon_.SetMoonPhase(m);
        moon_.show();
        EXPECT_TRUE(moon_.tmrMoon->isActive());
        EXPECT_EQ(moon_.lblCount->text(), "06:43:12");
        EXPECT_EQ(moon_.lblState->text().toStdString(), MoonStateText(m));
        for (int i = 0; i < 12; ++i) {
            if (i == m)
                EXPECT_TRUE(SamePicture(moon_.imgCheck[i], moon_.imgArrow[i]));
            else
                EXPECT_TRUE(moon_.imgCheck[i]->pixmap().isNull()) << i;
        }
        // The timer keeps the count current.
        clock_.advanceMs(60'000);
        moon_.tmrMoonTimer();
        EXPECT_EQ(moon_.lblCount->text(), "06:42:12");
        moon_.close();
    }
}

TEST_F(MoonWindowTest, AClockJumpWhileOpenMovesTheNameAndMarkerAlong) {
    const std::int64_t start = NextPhaseStart(VanaBaseSeconds());
    for (int bias : kBiases) {
        SetAt(UtcOfVana(start), bias);
        // As the main window hands it over: the phase its clock last drew.
        moon_.SetMoonPhaseSource([] { return GetVanaTime().Moon; });
        moon_.show();
        const int opened = GetVanaTime().Moon;
        EXPECT_EQ(moon_.lblState->text().toStdString(), MoonStateText(opened));

        for (const std::int64_t jumpMs : {86'400'000LL, -3'600'000LL}) {
            clock_.advanceMs(jumpMs);
            moon_.tmrMoonTimer();
            const int now = GetVanaTime().Moon;
            EXPECT_EQ(moon_.lblState->text().toStdString(), MoonStateText(now)) << jumpMs;
            for (int i = 0; i < 12; ++i)
                EXPECT_EQ(moon_.imgCheck[i]->pixmap().isNull(), i != now) << jumpMs << " marker " << i;
            const std::int64_t left = MoonCountdownSeconds(GetVanaTime(), now, GetLocalNow(), bias);
            EXPECT_EQ(moon_.lblCount->text().toStdString(), MoonCountdownText(left));
            EXPECT_GT(left, 0);
        }
        EXPECT_NE(GetVanaTime().Moon, opened);  // the jumps did change the phase
        moon_.close();
    }
}

TEST_F(MoonWindowTest, PressClosesAndStopsTheTimer) {
    Counter pressed(&moon_, &TfrmMoon::pressed);
    for (QWidget* target : {static_cast<QWidget*>(moon_.imgMoon[4]), static_cast<QWidget*>(moon_.lblState),
                            static_cast<QWidget*>(moon_.imgCheck[0]), static_cast<QWidget*>(&moon_)}) {
        moon_.show();
        Press(target, Qt::RightButton);
        EXPECT_FALSE(moon_.isVisible());
        EXPECT_FALSE(moon_.tmrMoon->isActive());
    }
    EXPECT_EQ(pressed.count(), 4);
}

}  // namespace
}  // namespace norvane
