#pragma once
// The clock panel of the main window ("pnlTime"): the game and Earth clocks,
// the weekday and moon pictures with the forecast windows they open, the logo,
// and the three image buttons of simple mode. A line panel that owns these
// controls and their handlers; the window places it, runs its tick and hears
// what the buttons ask for.
#include <QPoint>

#include "core/colour.h"
#include "core/time/vanatime.h"
#include "gui/controls/line_panel.h"

class QLabel;
class QWidget;

namespace norvane {

class TImageEx;
class TfrmMoon;
class TfrmWeek;

class TClockPanel : public TLinePanel {
    Q_OBJECT
public:
    // Builds the panel on `host`; `window` is the main window, owner of the
    // forecast windows.
    TClockPanel(QWidget* window, QWidget* host);

    // The clock tick: both clock texts, and the pictures when their index changed.
    void Tick(const VanaDateTime& now);
    // Places the row after the widths of the texts: once, after the first tick.
    void LayoutClockPanel();
    // The right end of the panel as each mode lays it out.
    void PlaceLogo();
    void PlaceSimpleButtons();
    // Shows the logo (normal mode) or the image buttons with all corners round (simple).
    void SetSimpleMode(bool simple);
    // The skin: the panel's edge and line, and the forecast windows' frame.
    void SetColours(Colour back, Colour base, Colour edge);
    // The skin's text colours of the game time and the Earth time.
    void SetTimeColours(Colour vana, Colour earth);
    // A window kept on top lets a forecast window in front while it shows.
    void SetAlwaysOnTop(bool alwaysOnTop) { alwaysOnTop_ = alwaysOnTop; }

    // The pictures, their captions and the image buttons take a press for
    // themselves: it never drags the window.
    bool OwnsPress(const QObject* control) const;
    // The main window's activation closes the open forecast windows but keeps
    // their marks, so that the press that activated it can tell a closing
    // click from an opening one.
    void CloseForecasts();
    // The same when the main window is activated, except for a window that a
    // press opened since the main window last lost the activation: the window
    // system may tell of the activation by that very press after the press.
    void MainWindowActivated();
    void MainWindowDeactivated();

    // Indices last drawn (999 before the first tick) and the forecast windows' marks.
    int LastWeekday() const { return lastWeekday_; }
    int LastMoon() const { return lastMoon_; }
    bool WeekPopupShown() const { return weekPopupShown_; }
    bool MoonPopupShown() const { return moonPopupShown_; }

signals:
    void exitClicked();
    void returnClicked();
    // `below` is the screen point just under the menu button.
    void menuClicked(QPoint below);
    // A forecast window closed: a window kept on top takes its place back.
    void forecastClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Presses on the weekday and moon pictures (or their captions).
    void imgVanaWeekMouseDown();
    void imgVanaMoonMouseDown();
    void CreateLabels();
    void CreateButtons();
    TfrmWeek* WeekWindow();
    TfrmMoon* MoonWindow();
    void OpenForecast(QWidget* popup, QWidget* picture, bool& shownFlag, bool& justOpened);
    // Closes a forecast window and forgets its mark.
    void Dismiss(QWidget* popup, bool& shownFlag);
    void SetCaptionHover(QLabel* a, QLabel* b, bool hot);

    QWidget* window_;
    QLabel* imgClock;
    QLabel* lblVanaTCap;
    QLabel* lblEarthTCap;
    QLabel* lblVanaTime;
    QLabel* lblEarthTime;
    QLabel* lblVanaWCap1;
    QLabel* lblVanaWCap2;
    TImageEx* imgVanaWeek;
    QLabel* lblVanaMCap1;
    QLabel* lblVanaMCap2;
    TImageEx* imgVanaMoon;
    QLabel* lblVanaMoon;
    QLabel* imgLogo;
    TImageEx* imgExit;
    TImageEx* imgReturn;
    TImageEx* imgMenu;
    // Built on first use; the open marks are never set while they are null.
    TfrmWeek* frmWeek = nullptr;
    TfrmMoon* frmMoon = nullptr;

    int lastWeekday_ = 999;
    int lastMoon_ = 999;
    bool weekPopupShown_ = false;
    bool moonPopupShown_ = false;
    // Opened by a press since the main window last lost the activation.
    bool weekJustOpened_ = false;
    bool moonJustOpened_ = false;
    bool alwaysOnTop_ = false;
    Colour frameColour_ = 0;
};

}  // namespace norvane
