// The skill and calendar pages inside the main window: the level edit's rules,
// the caps as the text face computes them, the calendar's switches, and that
// neither page follows the clock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest/QTest>

#include "activate_window.h"
#include "controls/spin_steps.h"
#include "core/schedules/calendar_schedule.h"
#include "core/schedules/skill_schedule.h"
#include "core/settings/settings_store.h"
#include "gui/controls/image_label.h"
#include "gui/schedules/schedule_page.h"
#include "gui/schedules/schedule_pages.h"
#include "window_fixture.h"

namespace norvane {
namespace {

// Warriors have 片手剣 at "a-"; slot 29 is left out, and 格闘 has an unknown code.
constexpr const char* kSkillIni =
    "[Skill]\r\n"
    "war=x+, b-, a-,b+,a-,a+,b+,b-,n_,n_,b-,b_,d_,d_,d_,n_,c_,c+,c-,n_,n_,n_,n_,n_,n_,n_,n_,n_,f_\r\n"
    "smn=n_,n_,n_,n_,n_,n_,n_,n_,n_,n_,c+,b_,n_,n_,n_,n_,e_,n_,n_,n_,n_,n_,n_,n_,n_,n_,n_,n_,n_,a-\r\n";

// A match every third day; day 2 is unknown to the cap table, day 5 names no area.
constexpr const char* kBallistaIni =
    "[Card]\r\n01=0,30\r\n02=1,45\r\n04=2,99\r\n05=7,30\r\n07=1,50\r\n10=60\r\n13=2,40\r\n16=0,99\r\n"
    "19=1,30\r\n22=2,60\r\n25=0,50\r\n28=1,99\r\n"
    "[Area0]\r\n01=0\r\n07=1\r\n[Area1]\r\n01=1\r\n07=2\r\n[Area2]\r\n01=2\r\n07=0\r\n";

// The window fixture with the clock moved and two data files of the test's own;
// the parameter is the time-zone bias in minutes.
class SkillCalendarTest : public WindowFixtureWithParam<int> {
protected:
    SkillCalendarTest() {
        skillIni_ = WriteFile("skill.ini", kSkillIni);
        ballistaIni_ = WriteFile("ballista.ini", kBallistaIni);
        clock_.setUtc({2024, 5, 17, 3, 4, 5, 0});
        clock_.setBias(GetParam());
    }

    std::string WriteFile(const char* name, const char* text) {
        QFile f(dir_.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName().toStdString();
    }
    // Starts on the timer page, so the data files are set before either page is built.
    std::unique_ptr<TfrmMain> Start() {
        Write("Option", "Page", 0);
        auto w = WindowFixtureOf::Start();
        w->SchedulePages()->SetDataFiles(skillIni_, ballistaIni_);
        return w;
    }
    static std::string Text(TfrmMain& w, const QString& name) {
        return Child<QLabel>(w, name)->text().toStdString();
    }
    static QString Row(const char* prefix, std::size_t row) { return RowName(prefix, static_cast<int>(row)); }

    // Every cap label against the text face's computation for the same file.
    void ExpectCaps(TfrmMain& w, int job, int level) {
        const SkillPageView caps = ComputeSkillPage(skillIni_, job, level);
        for (std::size_t s = 0; s < kSkillSlotCount; ++s) {
            auto* l = Child<QLabel>(w, Row("lblSkillLineB", s));
            EXPECT_EQ(l->text().toStdString(), caps[s].value) << "slot " << s << " level " << level;
            EXPECT_EQ(FromQColor(l->palette().color(QPalette::WindowText)), caps[s].colour) << "slot " << s;
        }
    }

    // Every row of the calendar against the text face's computation of now.
    void ExpectCalendar(TfrmMain& w, CalendarEntries entries) {
        const CalendarView rows = ComputeCalendar(GetVanaTime(), GetParam(), ballistaIni_, entries);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            SCOPED_TRACE(r);
            EXPECT_EQ(Text(w, Row("lblCalenLineA", r)), rows[r].earth);
            EXPECT_EQ(Text(w, Row("lblCalenLineB", r)), rows[r].game);
            EXPECT_EQ(Text(w, Row("lblCalenLineC", r)), rows[r].moon);
            EXPECT_EQ(Text(w, Row("lblCalenLineD", r)), rows[r].schedule);
            auto* b = Child<TImageLabel>(w, Row("lblCalenLineB", r));
            EXPECT_EQ(b->toolTip().toStdString(), rows[r].weekdayHint);
            EXPECT_EQ(b->LabelImage()->toolTip().toStdString(), rows[r].weekdayHint);
            EXPECT_EQ(Child<TImageLabel>(w, Row("lblCalenLineC", r))->toolTip().toStdString(), rows[r].moonHint);
            TImageEx* ball = Child<TImageLabel>(w, Row("lblCalenLineD", r))->LabelImage();
            EXPECT_EQ(!ball->isHidden(), rows[r].ballista >= 0);
            EXPECT_EQ(ball->toolTip().toStdString(), rows[r].ballistaHint);
            EXPECT_EQ(ball->Picture().isNull(), rows[r].ballista < 0);
            // The schedule text starts right of the picture, or where it would be.
            auto* d = Child<TImageLabel>(w, Row("lblCalenLineD", r));
            const int start = Child<QLabel>(w, "lblCalenHead3")->mapToGlobal(QPoint(0, 0)).x() + 7;
            EXPECT_EQ(d->mapToGlobal(QPoint(0, 0)).x(),
                      rows[r].ballista >= 0 ? start + ball->width() + d->ImageSpacing() : start);
        }
    }

    std::string skillIni_, ballistaIni_;
};

INSTANTIATE_TEST_SUITE_P(Zones, SkillCalendarTest, ::testing::Values(-540, 300));

TEST_P(SkillCalendarTest, TheLevelSpinTakesDigitsOnlyWithinOneToSeventyFive) {
    auto w = Start();
    ActivateWindow(*w);
    w->ShowPage(Page::Skill);
    QApplication::processEvents();
    auto* job = Child<QComboBox>(*w, "cmbSkillMain");
    auto* edit = Child<QLineEdit>(*w, "edtSkillMLv");
    auto* spin = Child<QSpinBox>(*w, "updSkillMLv");
    ASSERT_EQ(job->count(), 15);
    EXPECT_EQ(edit->parentWidget(), spin);
    // No job: the level cannot be edited and nothing is computed.
    EXPECT_EQ(job->currentIndex(), -1);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_EQ(Text(*w, "lblSkillLineB2"), "");
    Child<QPushButton>(*w, "btnSkillRef")->click();
    EXPECT_EQ(Text(*w, "lblSkillLineB2"), "");

    job->setCurrentIndex(0);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(spin->isEnabled());
    ExpectCaps(*w, 0, 1);

    // What a player does, what the box then shows; the caps follow every change.
    using testing_support::SpinAct;
    const testing_support::SpinStep steps[] = {
        {"1", SpinAct::Type, "a", 0, "1"},    // letters do not get in
        {"1", SpinAct::Type, "99", 0, "75"},  // above the top level
        {"75", SpinAct::Type, "0", 0, "1"},   // below the first
        {"1", SpinAct::Type, "7x-", 0, "7"},
        {"7", SpinAct::Type, "50", 0, "50"},
        {"50", SpinAct::Type, " 6", 0, "6"},
        {"6", SpinAct::Type, "５", 0, "6"},    // nor full-width digits
        {"6", SpinAct::Commit, "５", 0, "6"},  // by an input method either
        {"5", SpinAct::Paste, "1a", 0, "1"},   // not a number
        {"12", SpinAct::Key, "", Qt::Key_Backspace, "1"},
        {"1", SpinAct::Key, "", Qt::Key_Backspace, "1"},  // erased, it is the first level
        {"74", SpinAct::Key, "", Qt::Key_Up, "75"},
        {"75", SpinAct::Key, "", Qt::Key_Up, "75"},  // no wrapping round
        {"1", SpinAct::Key, "", Qt::Key_Down, "1"},
        {"30", SpinAct::Key, "", Qt::Key_PageDown, "20"},
        {"30", SpinAct::Key, "r", testing_support::WithAlt(Qt::Key_R), "30"},  // the button's mnemonic
        {"30", SpinAct::Wheel, "", 1, "31"},
        {"30", SpinAct::WheelUnfocused, "", 1, "30"},  // the page scrolls instead
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.before.toStdString() + " then " + step.text.toStdString() + " " +
                     std::to_string(step.key));
        testing_support::Perform(spin, step);
        EXPECT_EQ(edit->text(), step.shows);
        EXPECT_EQ(spin->value(), step.shows.toInt());
        ExpectCaps(*w, 0, step.shows.toInt());
    }
    // The editing shortcuts still work: all selected, then replaced.
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    testing_support::SendKey(spin, Qt::Key_3, QStringLiteral("3"));
    EXPECT_EQ(edit->text(), "3");

    spin->setValue(74);
    spin->stepUp();
    spin->stepUp();
    EXPECT_EQ(edit->text(), "75");
    EXPECT_EQ(Text(*w, "lblSkillLineB2"), "A-   269");
    EXPECT_EQ(Text(*w, "lblSkillLineB0"), "-");  // an unknown grade
    EXPECT_EQ(Text(*w, "lblSkillLineB29"), "-");  // past the file's list
    ExpectCaps(*w, 0, 75);

    job->setCurrentIndex(14);
    ExpectCaps(*w, 14, 75);
    EXPECT_EQ(Text(*w, "lblSkillLineB29"), "A-   269");
    w->close();
    EXPECT_EQ(Stored("Option", "SkillJob"), 14);
    EXPECT_EQ(Stored("Option", "SkillLv"), 75);
}

TEST_P(SkillCalendarTest, StoredJobAndLevelShowAtStartAndOutOfRangeOnesAreMended) {
    const struct {
        int job, level;
        int shownJob, shownLevel;
    } cases[] = {{0, 61, 0, 61}, {15, 30, -1, 30}, {-4, 0, -1, 1}, {14, 120, 14, 75}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.job);
        Write("Option", "SkillJob", c.job);
        Write("Option", "SkillLv", c.level);
        auto w = Start();
        w->ShowPage(Page::Skill);
        EXPECT_EQ(Child<QComboBox>(*w, "cmbSkillMain")->currentIndex(), c.shownJob);
        EXPECT_EQ(Child<QLineEdit>(*w, "edtSkillMLv")->text().toInt(), c.shownLevel);
        EXPECT_EQ(Child<QLineEdit>(*w, "edtSkillMLv")->isEnabled(), c.shownJob >= 0);
        if (c.shownJob >= 0) ExpectCaps(*w, c.shownJob, c.shownLevel);
        else EXPECT_EQ(Text(*w, "lblSkillLineB5"), "");
        w->close();
        EXPECT_EQ(Stored("Option", "SkillJob"), c.shownJob);
        EXPECT_EQ(Stored("Option", "SkillLv"), c.shownLevel);
    }
    // A window that never showed the page writes back what the page would show.
    Write("Option", "SkillJob", 20);
    Write("Option", "SkillLv", 80);
    Start()->close();
    EXPECT_EQ(Stored("Option", "SkillJob"), -1);
    EXPECT_EQ(Stored("Option", "SkillLv"), 75);
}

TEST_P(SkillCalendarTest, TheCalendarFollowsItsCheckBoxesAndNotTheClock) {
    auto w = Start();
    // Built out of sight, as when the window starts on this page; then shown.
    w->ShowPage(Page::Calendar);
    w->show();
    QApplication::processEvents();
    auto* ballista = Child<QCheckBox>(*w, "chkCalenBallista");
    auto* racial = Child<QCheckBox>(*w, "chkCalenRacial");
    auto* jeuno = Child<QCheckBox>(*w, "chkCalenJeuno");
    ExpectCalendar(*w, {true, true, true});
    // The data file gives a few rows their match picture.
    int pictures = 0;
    for (std::size_t r = 0; r < kCalendarRowCount; ++r)
        pictures += !Child<TImageLabel>(*w, Row("lblCalenLineD", r))->LabelImage()->isHidden();
    EXPECT_GE(pictures, 20);

    // Each click rebuilds with what the boxes then say.
    ballista->click();
    ExpectCalendar(*w, {false, true, true});
    jeuno->click();
    ExpectCalendar(*w, {false, true, false});
    racial->click();
    ExpectCalendar(*w, {false, false, false});
    for (std::size_t r = 0; r < kCalendarRowCount; ++r) EXPECT_EQ(Text(*w, Row("lblCalenLineD", r)), "") << r;
    ballista->click();
    ExpectCalendar(*w, {true, false, false});
    // Enter on a box ticks it and rebuilds as a click does.
    racial->setFocus();
    QTest::keyClick(racial, Qt::Key_Return);
    EXPECT_TRUE(racial->isChecked());
    ExpectCalendar(*w, {true, true, false});
    QTest::keyClick(racial, Qt::Key_Enter);
    EXPECT_FALSE(racial->isChecked());
    ExpectCalendar(*w, {true, false, false});

    // Three game days on, the tick leaves every row alone.
    const std::string firstDay = Text(*w, "lblCalenLineB0");
    auto shown = [&] {
        QStringList texts;
        for (const QLabel* l : w->SchedulePages()->View(Page::Calendar)->findChildren<QLabel*>()) texts << l->text();
        return texts;
    };
    const QStringList written = shown();
    clock_.advanceMs(3 * kVanaDay * 1000 / kTimeFactor);
    for (int tick = 0; tick < 3; ++tick) w->tmrClockTimer();
    EXPECT_EQ(shown(), written);
    EXPECT_EQ(Text(*w, "lblCalenLineB0"), firstDay);
    // The button moves the list on; so does selecting the page again.
    Child<QPushButton>(*w, "btnCalenRef")->click();
    EXPECT_NE(Text(*w, "lblCalenLineB0"), firstDay);
    ExpectCalendar(*w, {true, false, false});
    clock_.advanceMs(kVanaDay * 1000 / kTimeFactor);
    w->ShowPage(Page::Timer);
    w->ShowPage(Page::Calendar);
    ExpectCalendar(*w, {true, false, false});

    w->close();
    EXPECT_EQ(SettingsStore(path_).ReadBool("Option\\Calendar", "Ballista", false), true);
    EXPECT_EQ(SettingsStore(path_).ReadBool("Option\\Calendar", "Racial", true), false);
    EXPECT_EQ(SettingsStore(path_).ReadBool("Option\\Calendar", "Jeuno", true), false);
    // The next start shows the boxes as they were left.
    auto again = Start();
    again->ShowPage(Page::Calendar);
    EXPECT_TRUE(Child<QCheckBox>(*again, "chkCalenBallista")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(*again, "chkCalenRacial")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(*again, "chkCalenJeuno")->isChecked());
    ExpectCalendar(*again, {true, false, false});
}

}  // namespace
}  // namespace norvane
