// The clock panel on its own: what its pictures and their captions do under
// the mouse.
#include "gui/main_window/clock_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "gui/forecast/forecast_window.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

class ClockPanelTest : public testing::Test {
protected:
    ClockPanelTest() : scope_(clock_) {
        clock_.setUtc({2003, 12, 1, 9, 0, 1, 0});
        clock_.setBias(-540);
        panel_->Tick(GetVanaTime());
        panel_->LayoutClockPanel();
    }

    template <typename T = QWidget>
    T* Child(const char* name) {
        T* c = window_.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QColor CaptionColour(const char* name) { return Child<QLabel>(name)->palette().color(QPalette::WindowText); }
    static void Send(QWidget* w, QEvent::Type type) {
        if (type == QEvent::MouseButtonPress) {
            QMouseEvent press(type, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(w, &press);
        } else {
            QEvent e(type);
            QApplication::sendEvent(w, &e);
        }
    }

    FakeOsClock clock_;
    ScopedOsClock scope_;
    QWidget window_;
    TClockPanel* panel_ = new TClockPanel(&window_, new QWidget(&window_));
};

// Each picture and both its captions: the mouse over any of them lights both
// captions (and only those), and a press opens the forecast window or, while
// its mark is set, only clears the mark.
TEST_F(ClockPanelTest, PicturesAndCaptionsLightUpTogetherAndOpenTheirForecast) {
    const QColor grey(128, 128, 128), hot(255, 128, 0);
    const struct {
        std::vector<const char*> controls;
        const char* captions[2];
        const char* others[2];
        const char* forecast;
        bool (TClockPanel::*shown)() const;
    } cases[] = {
        {{"imgVanaWeek", "lblVanaWCap1", "lblVanaWCap2"},
         {"lblVanaWCap1", "lblVanaWCap2"},
         {"lblVanaMCap1", "lblVanaMCap2"},
         "frmWeek",
         &TClockPanel::WeekPopupShown},
        {{"imgVanaMoon", "lblVanaMCap1", "lblVanaMCap2"},
         {"lblVanaMCap1", "lblVanaMCap2"},
         {"lblVanaWCap1", "lblVanaWCap2"},
         "frmMoon",
         &TClockPanel::MoonPopupShown},
    };
    for (const auto& c : cases) {
        for (const char* name : c.controls) {
            SCOPED_TRACE(name);
            QWidget* control = Child(name);
            EXPECT_TRUE(panel_->OwnsPress(control));
            Send(control, QEvent::Enter);
            for (const char* caption : c.captions) EXPECT_EQ(CaptionColour(caption), hot) << caption;
            for (const char* other : c.others) EXPECT_EQ(CaptionColour(other), grey) << other;
            Send(control, QEvent::Leave);
            for (const char* caption : c.captions) EXPECT_EQ(CaptionColour(caption), grey) << caption;

            Send(control, QEvent::MouseButtonPress);
            auto* forecast = Child<TForecastWindow>(c.forecast);
            ASSERT_NE(forecast, nullptr);
            EXPECT_TRUE(forecast->isVisible());
            EXPECT_TRUE((panel_->*c.shown)());
            // The main window's activation closes it; the next press only clears the mark.
            panel_->CloseForecasts();
            EXPECT_FALSE(forecast->isVisible());
            EXPECT_TRUE((panel_->*c.shown)());
            Send(control, QEvent::MouseButtonPress);
            EXPECT_FALSE(forecast->isVisible());
            EXPECT_FALSE((panel_->*c.shown)());
        }
    }
    EXPECT_FALSE(panel_->OwnsPress(Child("lblVanaTime")));
    EXPECT_FALSE(panel_->OwnsPress(Child("pnlTime")));
}

// With one forecast open, one press on the other picture opens the other,
// whether the window system tells of the main window's activation by that
// press before the press or after it; a second press closes it again.
TEST_F(ClockPanelTest, OnePressMovesFromOneForecastToTheOther) {
    for (const bool activationFirst : {true, false}) {
        SCOPED_TRACE(activationFirst);
        Send(Child("imgVanaWeek"), QEvent::MouseButtonPress);
        auto* week = Child<TForecastWindow>("frmWeek");
        ASSERT_TRUE(week->isVisible());
        panel_->MainWindowDeactivated();  // the forecast window took the activation
        if (activationFirst) panel_->MainWindowActivated();
        Send(Child("imgVanaMoon"), QEvent::MouseButtonPress);
        if (!activationFirst) panel_->MainWindowActivated();
        auto* moon = Child<TForecastWindow>("frmMoon");
        EXPECT_TRUE(moon->isVisible());
        EXPECT_FALSE(week->isVisible());
        panel_->MainWindowDeactivated();
        Send(Child("imgVanaMoon"), QEvent::MouseButtonPress);
        EXPECT_FALSE(moon->isVisible());
        EXPECT_FALSE(panel_->MoonPopupShown());
        EXPECT_FALSE(panel_->WeekPopupShown());
    }
}

}  // namespace
}  // namespace norvane
