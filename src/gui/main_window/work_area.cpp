#include "gui/main_window/work_area.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <QWidget>


namespace norvane {

QRect DesktopWorkArea(const QWidget* widget) {
    QScreen* s = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!s) return QRect(0, 0, 1024, 768);
    return s->availableGeometry();
}

void PlaceOverOwner(QWidget* dialog, const QWidget* owner) {
    if (!owner) return;
    const QRect g = owner->frameGeometry();
    // The rule centres outer rectangles, and a move places the frame's corner:
    // the dialog's title bar counts as the owner's does.
    const QSize outer =
        OuterSize(dialog->size(), dialog->frameGeometry().size(), owner->size(), owner->frameGeometry().size());
    dialog->move(SubDialogPosition(g, outer.width(), outer.height(), DesktopWorkArea(owner)));
}

QSize OuterSize(QSize size, QSize frame, QSize modelSize, QSize modelFrame) {
    if (frame != size) return frame;
    return size + (modelFrame - modelSize);
}

}  // namespace norvane
