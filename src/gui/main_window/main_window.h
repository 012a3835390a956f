#pragma once
// The main window: a borderless window with its own frame, the clock panel and,
// in normal mode, the menu, toolbar and seven pages. It owns its parts and
// routes events to them: the clock panel (TClockPanel), the timer page
// (TTimerController) and the live schedule pages (TSchedulePages). Its
// controls are found by their object names ("pclMain", "actPage3", ...).
#include <QElapsedTimer>
#include <QHash>
#include <QPoint>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/main_window/commands.h"
#include "core/main_window/key_mapping.h"
#include "core/main_window/page.h"
#include "core/main_window/skin.h"
#include "core/main_window/window_geometry.h"
#include "core/main_window/window_state.h"
#include "gui/controls/gdi.h"

class QAction;
class QKeyEvent;
class QWheelEvent;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QTimer;
class QToolBar;

namespace norvane {

class TClockPanel;
class TEdgePanel;
class TLinePage;
class TLinePageControl;
class TLinePanel;
class TSchedulePages;
class TSettingsNotices;
class TSkinSave;
class TScrollBoxEx;
class TSyncController;
class TTimerController;
class TTitleButtons;
class TTrayIcon;
class TNotifyController;
class TKeyPreview;

// Under Wayland a window's position is the compositor's alone: setting it does
// nothing, and the window learns nothing of where it is.
bool CompositorPlacesWindows();

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

    // --- The parts the window delegates to.
    TClockPanel* ClockPanel() const { return clockPanel_; }
    TTimerController* Timers() const { return timers_; }
    TSchedulePages* SchedulePages() const { return schedules_; }
    TSyncController* Sync() const { return sync_; }

    // --- State.
    Page CurrentPage() const { return currentPage_; }
    // The window's mode; modeChanged tells of every switch.
    bool IsNormalMode() const { return !simple_; }
    // Kept in front of other windows; alwaysOnTopChanged tells of every change.
    bool IsAlwaysOnTop() const { return alwaysOnTop_; }
    // The window was maximized when it last entered simple mode.
    bool WasMaximized() const { return wasMaximized_; }
    const SkinColours& Skin() const { return skin_; }
    // The skin entries found ("\"file\",\"name\"", in folder order).
    const std::vector<std::string>& SkinList() const { return skinList_; }
    // The mouse wheel: whether the window scrolls its pages itself, and by how
    // many lines a notch; read again whenever the options dialog applies.
    bool WheelOwn() const { return wheelOwn_; }
    int WheelLines() const { return wheelLines_; }
    // The digit keys' prefixes (window_input.cpp).
    const KeyPrefixes& Prefixes() const { return prefixes_; }

    // --- Skins (window_skins.cpp).
    // Lists the skin files in both window-colour menus and applies the chosen one.
    void BuildSkinMenu();
    // Applies entry `index` of SkinList and records it as the chosen skin.
    void ApplySkin(int index);
    // Where the skin files lie: the program's folder; tests point it elsewhere
    // and rebuild the menus.
    void SetSkinFolder(const std::string& folder);
    // A desktop setting changed, or the machine woke from standby: the skin
    // menus are listed again, the skin re-applied and the menu bar refitted.
    void SystemSettingChanged();

    // --- Commands.
    // What a page's action does: the page-changed step, then the page shows.
    void ShowPage(Page page) { actPageExecute(page); }
    void actSimpleExecute();
    void actNormalExecute();
    void actAlwaysOnTopExecute();
    // The clock tick (500 ms): the clock panel, then the page that shows.
    void tmrClockTimer();
    // "NORVANE Main Active Message": bring this window forward.
    void ActivateFromMessage();
    // "NORVANE Main Exit Message": closes and ends the program, also when closing
    // would only hide the window in the tray.
    void ExitFromMessage() { actExitExecute(); }
    // The program's own window: its close ends the program's event loop.
    void SetEndsProgramOnClose(bool ends) { endsProgram_ = ends; }
    // The tray clock as "Tray" "Enabled" and "CloseToTray" say now: built when
    // first switched on (and the desktop has a tray), removed when switched off.
    void ApplyTraySettings();
    // A click on the tray icon: hides the window in the tray, or shows it again.
    void ToggleFromTray();
    // The desktop notifications as "Notify" says now: made when some choice is
    // first switched on, removed when all are off.
    void ApplyNotifySettings();
    // A click on a notification: the window comes forward on `page`.
    void ShowFromNotification(Page page);
    // The options dialog stored its settings: what the window shows of them is
    // read again (the wheel, the alarm menu, the timer rows when their sets changed).
    void OptionsApplied(bool timerSetsChanged);

signals:
    // After the window switched to simple mode (`simple`) or back to normal.
    void modeChanged(bool simple);
    void alwaysOnTopChanged(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class TKeyPreview;
    // Keys and the wheel, seen before the controls get them (window_input.cpp).
    void InstallInputPreview();
    bool PreviewKey(QWidget* receiver, QKeyEvent* e);
    bool PreviewWheel(QWheelEvent* e);
    // Presses F1-F12 (with Ctrl: Ctrl+F1-F12) as the keyboard would.
    void PressFunctionKey(int number, bool ctrl);

    // Creation steps, in the order they run; the actions and menus are made in
    // window_menus.cpp, the frame in window_frame.cpp.
    void CreateActions();
    void CreateFrame();
    void CreateMenus();
    // An action of the command table by its object name.
    QAction* Command(const QString& name) const;
    QMenu* FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries);
    // Shows the hints of a pop-up menu's items in the hint line.
    void WatchMenuHints(QMenu* menu);
    // actSync and its route, with the synchronisation state lblTimeHelp.
    void CreateSyncRoute();
    // actOption and the alarm menu's options entry (window_options.cpp).
    void CreateOptionsRoute();
    void StyleMenus();
    void CreateClockPanel();
    void CreatePages();
    // How many timer cells show when the window first opens: built before the rest.
    int TimerCellsAtStart(const StartupSettings& st) const;
    void BuildRest();
    void TagTimerCommands();
    // Colours every part from skin_.
    void ApplySkinColours();
    void WatchSystemSettings();
    // A wake from standby since the last tick.
    void CheckResume();
    void SkinActionExecute(QAction* action);
    // Recolours the window from a skin file of the folder; nothing when it is gone.
    void RecolourFromSkinFile(const std::string& file);

    // Pages.
    void actPageExecute(Page page);
    void actTabExecute(Page page);  // the page-changed step
    void pclMainChange();

    // What the close request writes, taken from the window as it is.
    CloseState CurrentCloseState() const;
    // The settings the close request writes, and the timer rows' selections.
    void SaveCloseState();
    void HideToTray();
    // "終了": ends the program also when closing would only hide it in the tray.
    void actExitExecute();

    // Modes and layout (window_modes.cpp).
    void ApplyMode(bool simple);
    // The mode's controls, size limits, bounds and layout.
    void SwitchMode(bool simple, const QRect& bounds);
    void EnterSimpleMode(const QRect& normal);
    void EnterPendingSimpleMode();
    void LayoutNormal();
    // The hint line and the synchronisation state beside it.
    void LayoutHintLine();
    // Shows `hint` in the hint line (empty: none).
    void ShowHint(const QString& hint);
    void LayoutSimple();
    void ApplyAlwaysOnTop();
    void ForecastClosed();

    // The frame and the mouse on it (window_frame.cpp).
    QRect WorkArea() const;
    void UpdateWindowRegion();
    void PaintFrame(Gdi& gdi);
    void ShowSystemMenu(QPoint globalPos);
    // A press on the caption icon: true when it is the second of a double click.
    bool IconDoubleClicked();
    // Presses and moves on the clock panel's labels may drag the window in simple mode.
    void WatchClockPanel();
    bool DragPress(QObject* watched, QMouseEvent* e);
    bool DragMove(QObject* watched, QMouseEvent* e);

    // --- Controls.
    TTitleButtons* tbsMain;
    QMenuBar* mbrMenu;
    QWidget* mbrHolder_ = nullptr;
    QMenu* mnuMenu;
    QMenu* mnuMain;  // pop-up of the simple-mode menu button
    QMenu* mnuPage;  // its page group, shown in normal mode only
    QMenu* mnuColor = nullptr;  // its window-colour group, one item per skin
    QToolBar* tbrMenu;
    TEdgePanel* pnlMenu;
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
    QMenu* mnuSystem_ = nullptr;
    QTimer* tmrClock;

    // --- Actions.
    std::array<QAction*, kPageCount> actPage{};
    QActionGroup* grpPage;
    QAction* actSimple;
    QAction* actNormal;
    QAction* actAlwaysOnTop;
    QAction* actExit;
    QHash<QString, QAction*> commands_;  // the command table's actions by name

    // --- Parts.
    TClockPanel* clockPanel_ = nullptr;
    TTimerController* timers_ = nullptr;
    TSchedulePages* schedules_ = nullptr;
    TSyncController* sync_ = nullptr;
    TSettingsNotices* notices_ = nullptr;
    TTrayIcon* tray_ = nullptr;  // only while "Tray" "Enabled" is set
    TNotifyController* notify_ = nullptr;  // only while some "Notify" choice is on

    // --- State.
    Page currentPage_ = Page::Timer;
    bool wasMaximized_ = false;
    bool simplePending_ = false;  // waits for the compositor to restore the window
    QRect simpleNormal_;          // the normal bounds kept meanwhile
    bool simple_ = false;
    bool alwaysOnTop_ = false;
    // Read at the start for the mouse wheel.
    bool wheelOwn_ = false;
    int wheelLines_ = 3;
    SkinColours skin_;
    KeyPrefixes prefixes_;
    std::int64_t slept_ = -1;  // the machine's standby time at the last tick; -1 before the first
    int wheelDelta_ = 0;  // a fine wheel's turn short of a notch
    std::vector<std::string> skinList_;
    std::string skinFolder_;
    QActionGroup* grpSkin_ = nullptr;
    TSkinSave* skinSave_ = nullptr;  // the chosen skin's name on its way to the disk
    bool closing_ = false;
    bool endsProgram_ = false;
    bool closeToTray_ = false;  // "Tray" "CloseToTray"
    bool quitting_ = false;     // "終了" was chosen: the close ends the program
    bool restPending_ = false;  // BuildRest runs after the first paint
    QPoint dragOrigin_;         // in the window's coordinates
    QRect dragWorkArea_;
    // Set by a press that may drag the window; a press elsewhere (the image
    // buttons, the pictures) clears it, so that its moves drag nothing.
    bool dragArmed_ = false;
    // A press on the caption moves the window once the mouse goes.
    bool captionArmed_ = false;
    QPoint captionPress_;
    QElapsedTimer iconClick_;  // since the last press on the caption icon
};

// The window font: "MS UI Gothic" at 12 pixels where installed, else the
// system's Japanese sans-serif at 12 pixels.
QFont MainWindowFont();

}  // namespace norvane
