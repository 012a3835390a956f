#pragma once
// The main window: a borderless window with its own frame, the clock panel and,
// in normal mode, the menu, toolbar and seven pages.
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "core/main_window/page.h"
#include "core/main_window/window_geometry.h"
#include "core/main_window/window_state.h"
#include "core/time/vanatime.h"
#include "gui/controls/gdi.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QToolBar;

namespace norvane {

class TClockPanel;
class TEdgePanel;
class TImageEx;
class TLinePage;
class TLinePageControl;
class TLinePanel;
class TSchedulePages;
class TScrollBoxEx;
class TTimerController;
class TTitleButtons;

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // What the constructor builds: the whole window, or first what shows when it
    // opens and the rest (the timer cells out of sight, the desktop's icon for
    // the window) right after its first paint.
    enum class BuildOrder { Whole, ShownFirst };

    // `args` is the process's command line; "/s" as the first argument asks for simple mode.
    explicit TfrmMain(const std::vector<std::string>& args, QWidget* parent = nullptr,
                      BuildOrder order = BuildOrder::Whole);
    ~TfrmMain() override;

    // --- State read by the pages and forecast windows.
    Page CurrentPage() const { return currentPage_; }
    // What the page's action does: the page-changed step, then the page shows.
    void ShowPage(Page page) { actPageExecute(page); }
    bool WasMaximized = false;
    bool WheelOwn = false;
    int WheelLines = 3;
    // Skin colours (defaults until a skin is applied).
    Colour Back = Rgb(1, 72, 178);
    Colour Bace = Rgb(214, 222, 247);
    Colour Edge = Rgb(74, 107, 169);
    Colour Item = Rgb(234, 244, 255);

    // Normal mode exactly when actSimple is visible.
    bool IsNormalMode() const;
    bool IsAllways() const { return allways_; }

    // --- Controls.
    TTitleButtons* tbsMain;
    QMenuBar* mbrMenu;
    QMenu* mnuMenu;
    QMenu* mnuMain;  // pop-up of the simple-mode menu button
    QMenu* mnuPage;  // its page group, shown in normal mode only
    QToolBar* tbrMenu;
    TEdgePanel* pnlMenu;
    TLinePanel* pnlTime;
    TLinePageControl* pclMain;
    std::array<TLinePage*, kPageCount> ltsTab{};
    TScrollBoxEx* scrTimer;
    TScrollBoxEx* scrShip;
    TScrollBoxEx* scrGuild;
    TScrollBoxEx* scrRacial;
    TScrollBoxEx* scrChoco;
    TScrollBoxEx* scrSkill;
    TScrollBoxEx* scrCalen;
    QLabel* lblHelp;
    QLabel* lblTimeHelp;

    // The clock panel: its labels, pictures and forecast windows.
    TClockPanel* ClockPanel() const { return clockPanel_; }

    QTimer* tmrClock;

    // --- The live schedule pages: built on first use and refreshed while they show.
    TSchedulePages* SchedulePages() const { return schedules_; }

    // --- Timer page: F1-F12, the timer tick and the alarm menu.
    TTimerController* Timers() const { return timers_; }

    // --- Actions.
    std::array<QAction*, kPageCount> actPage{};
    QActionGroup* grpPage;
    QAction* actSimple;
    QAction* actNormal;
    QAction* actAllways;
    QAction* actExit;

    // --- Commands and steps.
    void tmrClockTimer();
    void actSimpleExecute();
    void actNormalExecute();
    void actAllwaysExecute();
    void actPageExecute(Page page);
    void actTabExecute(Page page);  // the page-changed step
    void pclMainChange();
    void UpdateWindowRegion();
    // "NORVANE Main Active Message": bring this window forward.
    void ActivateFromMessage();

    // Desktop work area of the screen holding the window.
    WinRect WorkArea() const;
    // What the close request writes, taken from the window as it is.
    CloseState CurrentCloseState() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Creation steps, in the order they run.
    void CreateActions();
    void CreateMenus();
    void CreateFrame();
    void CreatePages();
    // How many timer cells show when the window first opens: built before the rest.
    int TimerCellsAtStart(const StartupSettings& st) const;
    void BuildRest();
    void ApplySkin();
    void StyleMenus();
    void LayoutNormal();
    void LayoutSimple();
    void ApplyMode(bool simple);
    // The mode's controls, size limits, bounds and layout.
    void SwitchMode(bool simple, const QRect& bounds);
    void ApplyAllways();
    void PaintFrame(Gdi& gdi);
    void ShowSystemMenu(QPoint globalPos);
    void ForecastClosed();
    // Presses and moves on the clock panel's labels may drag the window in simple mode.
    void WatchClockPanel();
    bool DragPress(QObject* watched, QMouseEvent* e);
    bool DragMove(QObject* watched, QMouseEvent* e);

    Page currentPage_ = Page::Timer;
    TClockPanel* clockPanel_ = nullptr;
    TTimerController* timers_ = nullptr;
    TSchedulePages* schedules_ = nullptr;
    bool allways_ = false;
    bool closing_ = false;
    bool restPending_ = false;  // BuildRest runs after the first paint
    WinPoint dragOrigin_;  // in the window's coordinates
    WinRect dragWorkArea_;
    // Set by a press that may drag the window; a press elsewhere (the image
    // buttons, the pictures) clears it, so that its moves drag nothing.
    bool dragArmed_ = false;
    QMenu* mnuSystem_ = nullptr;
    QWidget* mbrHolder_ = nullptr;
};

// The window font: "MS UI Gothic" at 12 pixels where installed, else the
// system's Japanese sans-serif at 12 pixels.
QFont MainWindowFont();

}  // namespace norvane
