// The main window's two modes, normal and simple, their layouts, and the
// always-on-top state.
#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include "core/settings/settings_store.h"
#include "gui/art/command_pictures.h"
#include "gui/controls/edge_panel.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_panel.h"
#include "gui/controls/title_buttons.h"
#include "gui/main_window/clock_panel.h"
#include "gui/main_window/main_window.h"
#include "gui/schedules/schedule_pages.h"

namespace norvane {

void TfrmMain::ApplyMode(bool simple) {
    for (QWidget* w : std::initializer_list<QWidget*>{tbsMain, mbrHolder_, tbrMenu, pclMain, lblHelp, lblTimeHelp})
        w->setVisible(!simple);
    mnuPage->menuAction()->setVisible(!simple);
    actSimple->setVisible(!simple);
    actNormal->setVisible(simple);
    simple_ = simple;
    emit modeChanged(simple);
}

void TfrmMain::actSimpleExecute() {
    if (!IsNormalMode() || simplePending_) return;
    wasMaximized_ = isMaximized();
    // The bounds kept are those of the normal-size window. Read before restoring:
    // the window manager shrinks the window some time later, and until then the
    // geometry read back is still the maximized one.
    const QRect normal = wasMaximized_ && normalGeometry().isValid() ? normalGeometry() : geometry();
    if (wasMaximized_) showNormal();
    if (wasMaximized_ && CompositorPlacesWindows()) {
        // A Wayland window may take another size only once the compositor has
        // restored it; before, the compositor ends the connection. The restored
        // size it sends goes on (resizeEvent); one that never comes is not waited for.
        simplePending_ = true;
        simpleNormal_ = normal;
        QTimer::singleShot(1000, this, &TfrmMain::EnterPendingSimpleMode);
        return;
    }
    EnterSimpleMode(normal);
}

void TfrmMain::EnterPendingSimpleMode() {
    if (!simplePending_) return;
    simplePending_ = false;
    EnterSimpleMode(simpleNormal_);
}

void TfrmMain::EnterSimpleMode(const QRect& normal) {
    const QRect wa = WorkArea();
    QPoint p;
    {
        SettingsStore store;
        WriteNormalBounds(store, {normal.x(), normal.y(), normal.width(), normal.height()});
        p = FitToWorkArea(wa, ReadSimplePosition(store), kSimpleWidth, kSimpleHeight);
    }
    SwitchMode(true, QRect(p, QSize(kSimpleWidth, kSimpleHeight)));
    ApplyAlwaysOnTop();
}

void TfrmMain::actNormalExecute() {
    if (IsNormalMode()) return;
    const QRect wa = WorkArea();
    NormalBounds b;
    {
        SettingsStore store;
        WriteSimplePosition(store, {x(), y()});
        b = SaneBounds(ReadNormalBounds(store, 490), wa);
    }
    QPoint p = FitToWorkArea(wa, {b.left, b.top}, b.width, b.height);
    SwitchMode(false, QRect(p, QSize(b.width, b.height)));
    if (wasMaximized_) showMaximized();
    ApplyAlwaysOnTop();
}

void TfrmMain::SwitchMode(bool simple, const QRect& bounds) {
    // The window stays on the screen while it changes. Hidden and shown again, it
    // would be placed anew by the window manager, and the toolkit may then be
    // told a wrong place (0, 0 under X11): the positions stored afterwards, and
    // everything placed beside the window, would be wrong. Painting waits for
    // the new layout instead, so nothing half-built shows.
    setUpdatesEnabled(false);
    ApplyMode(simple);
    // The simple window has one size; a Wayland compositor would otherwise hand
    // it back the normal window's size it last knew.
    if (simple) {
        setFixedSize(kSimpleWidth, kSimpleHeight);
    } else {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setMinimumSize(kNormalMinWidth, kNormalMinHeight);
    }
    setGeometry(bounds);
    if (simple)
        LayoutSimple();
    else
        LayoutNormal();
    setUpdatesEnabled(true);
    UpdateWindowRegion();
}

void TfrmMain::LayoutNormal() {
    const int cw = width(), ch = height();
    pnlMenu->setGeometry(7, 27, cw - 14, ch - 54);
    tbsMain->setGeometry(cw - 7 - 51, 2, 51, 25);
    tbrMenu->adjustSize();
    tbrMenu->setGeometry(mbrHolder_->x() + mbrHolder_->width(), mbrHolder_->y(), tbrMenu->sizeHint().width(),
                         mbrHolder_->height());
    const int top = tbrMenu->y() + tbrMenu->height() + 4;
    clockPanel_->setGeometry(10, top, pnlMenu->width() - 20, clockPanel_->height());
    const int pageTop = clockPanel_->y() + clockPanel_->height() + 8;
    pclMain->setGeometry(10, pageTop, pnlMenu->width() - 20,
                         pnlMenu->height() - (clockPanel_->y() + clockPanel_->height() + 16));
    LayoutHintLine();
    clockPanel_->PlaceLogo();
}

void TfrmMain::LayoutHintLine() {
    const int cw = width();
    const int helpTop = pnlMenu->y() + pnlMenu->height() + 7;
    // The hint line takes what the synchronisation state leaves of the width; the
    // state ends short of the size grip (whose dots start 16 pixels from the right).
    // A hint too long to stand beside the state covers it while it shows, so that
    // the hint is read whole.
    const int stateWidth = lblTimeHelp->text().isEmpty() ? 0 : lblTimeHelp->sizeHint().width();
    const int beside = std::max(0, cw - 36 - stateWidth);
    const int margins = lblHelp->contentsMargins().left() + lblHelp->contentsMargins().right();
    const bool covers = lblHelp->fontMetrics().horizontalAdvance(lblHelp->text()) + margins > beside;
    lblTimeHelp->setGeometry(cw - 18 - stateWidth, helpTop, stateWidth, 14);
    if (IsNormalMode()) lblTimeHelp->setVisible(!covers);
    lblHelp->setGeometry(10, helpTop, covers ? std::max(0, cw - 28) : beside, 14);
}

void TfrmMain::LayoutSimple() {
    pnlMenu->setGeometry(3, 3, width() - 6, clockPanel_->height() + 6);
    clockPanel_->setGeometry(3, 3, pnlMenu->width() - 6, clockPanel_->height());
    clockPanel_->PlaceSimpleButtons();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The compositor has given the window back its normal size: it may shrink now.
    if (simplePending_ && event->spontaneous()) QTimer::singleShot(0, this, &TfrmMain::EnterPendingSimpleMode);
    if (IsNormalMode())
        LayoutNormal();
    else
        LayoutSimple();
    UpdateWindowRegion();
}

// --- Always on top ------------------------------------------------------------------

void TfrmMain::actAlwaysOnTopExecute() {
    alwaysOnTop_ = !alwaysOnTop_;
    ApplyAlwaysOnTop();
    emit alwaysOnTopChanged(alwaysOnTop_);
}

void TfrmMain::ApplyAlwaysOnTop() {
    actAlwaysOnTop->setChecked(alwaysOnTop_);
    actAlwaysOnTop->setIcon(CommandIcon(alwaysOnTop_ ? kAlwaysOnTopOnPicture : kAlwaysOnTopOffPicture));
    // Changing the stays-on-top state of the native window updates the window
    // manager's state in place: the window is not hidden or moved.
    if (QWindow* w = windowHandle())
        w->setFlag(Qt::WindowStaysOnTopHint, alwaysOnTop_);
    else
        setWindowFlag(Qt::WindowStaysOnTopHint, alwaysOnTop_);
}

void TfrmMain::ForecastClosed() {
    if (alwaysOnTop_) ApplyAlwaysOnTop();
}

}  // namespace norvane
