#include "gui/main_window/work_area.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace norvane {

WinRect DesktopWorkArea(const QWidget* widget) {
    QScreen* s = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!s) return {0, 0, 1024, 768};
    const QRect r = s->availableGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace norvane
