#pragma once
// The tray clock: the weekday's picture in the desktop's tray, the game time in
// its tooltip, the main menu's own actions in its menu and a click that shows
// or hides the window. Built only when the player has switched it on and the
// desktop has a tray, so that a start without it costs nothing.
#include <QObject>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <functional>

#include "core/main_window/tray_text.h"

class QAction;
class QSystemTrayIcon;
class QWidget;

namespace norvane {

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    // Whether the desktop has a tray now; asked only when the feature is switched on.
    static bool Available();

    // `window` parents the menu (it takes the menus' colours); `command` finds
    // the window's actions by object name.
    TTrayIcon(QWidget* window, const std::function<QAction*(const QString&)>& command);
    ~TTrayIcon() override;

    // The clock tick: the picture and tooltip of the moment, set only when changed.
    void Tick(const EarthTime& utc, int bias);
    bool IsShown() const;

signals:
    // A click on the icon, or "表示/非表示" of its menu.
    void toggleRequested();

private:
    QSystemTrayIcon* tray_;
    QPointer<QMenu> menu_;
    TrayTexts shown_;
    bool drawn_ = false;
};

}  // namespace norvane
