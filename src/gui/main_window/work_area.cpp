#include "gui/main_window/work_area.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <QWidget>

#include "core/settings/dialog_layout.h"

namespace norvane {

WinRect DesktopWorkArea(const QWidget* widget) {
    QScreen* s = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!s) return {0, 0, 1024, 768};
    const QRect r = s->availableGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void PlaceOverOwner(QWidget* dialog, const QWidget* owner) {
    if (!owner) return;
    const QRect g = owner->frameGeometry();
    // The rule centres outer rectangles, and a move places the frame's corner:
    // the dialog's title bar counts as the owner's does.
    const QSize outer =
        OuterSize(dialog->size(), dialog->frameGeometry().size(), owner->size(), owner->frameGeometry().size());
    const WinPoint p = SubDialogPosition({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()},
                                         outer.width(), outer.height(), DesktopWorkArea(owner));
    dialog->move(p.x, p.y);
}

QSize OuterSize(QSize size, QSize frame, QSize modelSize, QSize modelFrame) {
    if (frame != size) return frame;
    return size + (modelFrame - modelSize);
}

}  // namespace norvane
