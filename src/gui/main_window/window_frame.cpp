// The main window as a window: its own frame, shape, hit testing, system menu,
// the hint line, and dragging in simple mode.
#include <algorithm>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWindow>

#include "gui/art/pictures.h"
#include "gui/controls/edge_panel.h"
#include "gui/controls/line_panel.h"
#include "gui/controls/title_buttons.h"
#include "gui/main_window/clock_panel.h"
#include "gui/main_window/main_window.h"
#include "gui/main_window/work_area.h"

namespace norvane {

namespace {

Qt::Edges EdgesOf(HitArea a) {
    switch (a) {
        case HitArea::Left: return Qt::LeftEdge;
        case HitArea::Right: return Qt::RightEdge;
        case HitArea::Top: return Qt::TopEdge;
        case HitArea::Bottom: return Qt::BottomEdge;
        case HitArea::TopLeft: return Qt::TopEdge | Qt::LeftEdge;
        case HitArea::TopRight: return Qt::TopEdge | Qt::RightEdge;
        case HitArea::BottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
        case HitArea::BottomRight: return Qt::BottomEdge | Qt::RightEdge;
        default: return {};
    }
}

Qt::CursorShape CursorOf(HitArea a) {
    switch (a) {
        case HitArea::Left:
        case HitArea::Right: return Qt::SizeHorCursor;
        case HitArea::Top:
        case HitArea::Bottom: return Qt::SizeVerCursor;
        case HitArea::TopLeft:
        case HitArea::BottomRight: return Qt::SizeFDiagCursor;
        case HitArea::TopRight:
        case HitArea::BottomLeft: return Qt::SizeBDiagCursor;
        default: return Qt::ArrowCursor;
    }
}

}  // namespace

bool CompositorPlacesWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void TfrmMain::CreateFrame() {
    tbsMain = new TTitleButtons(this);
    tbsMain->setObjectName("tbsMain");
    tbsMain->SetForm(this);
    tbsMain->SetAlignment(taRightJustify);

    pnlMenu = new TEdgePanel(this);
    pnlMenu->setObjectName("pnlMenu");

    lblHelp = new QLabel(this);
    lblHelp->setObjectName("lblHelp");
    lblTimeHelp = new QLabel(this);
    lblTimeHelp->setObjectName("lblTimeHelp");
    lblTimeHelp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The hint line shows the hint of whatever the mouse is over.
    connect(tbsMain, &TTitleButtons::hintChanged, this, &TfrmMain::ShowHint);

    pnlMenu->installEventFilter(this);
}

void TfrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        UpdateWindowRegion();
        tbsMain->update();
    } else if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            clockPanel_->MainWindowActivated();
        else
            clockPanel_->MainWindowDeactivated();
    }
}

QRect TfrmMain::WorkArea() const { return DesktopWorkArea(this); }

void TfrmMain::UpdateWindowRegion() {
    QRegion region;
    for (const QRect& r : WindowShape(width(), height(), isMaximized())) region += r;
    // The offscreen platform used by tests keeps no shapes and says so each time.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        update();
        return;
    }
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
    update();
}

void TfrmMain::paintEvent(QPaintEvent*) {
    if (restPending_) {
        // The window is on the screen now: what it does not show yet comes next.
        restPending_ = false;
        QTimer::singleShot(0, this, &TfrmMain::BuildRest);
    }
    QPainter painter(this);
    Gdi gdi(painter);
    gdi.FillRect(rect(), skin_.Back);
    if (IsNormalMode()) PaintFrame(gdi);
}

void TfrmMain::PaintFrame(Gdi& gdi) {
    const int cw = width(), ch = height();
    QPainter& p = gdi.Painter();
    WindowIcon().paint(&p, QRect(7, 6, 16, 16));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    gdi.TextOut(26, 8, QStringLiteral("Norvane"), Rgb(255, 255, 255));

    auto a = [&](int w) { return ShadeColor(skin_.Base, skin_.Back, w); };
    auto b = [&](int w) { return ShadeColor(skin_.Back, Rgb(102, 102, 102), w); };
    const Colour A2 = a(10), A3 = a(14), B0 = b(2), B1 = b(5), B2 = b(11);

    if (isMaximized()) {
        gdi.FrameRect(QRect(0, 0, cw, ch), B2);
        gdi.Polyline({QPoint(cw - 2, 1), QPoint(1, 1), QPoint(1, ch - 1)}, A2);
        gdi.Polyline({QPoint(cw - 2, 2), QPoint(cw - 2, ch - 2), QPoint(1, ch - 2)}, B1);
        return;
    }
    gdi.Polyline({{cw - 2, 3},     {cw - 2, 2},     {cw - 3, 1},     {cw - 4, 1},     {cw - 5, 0},
                  {4, 0},          {3, 1},          {2, 1},          {1, 2},          {1, 3},
                  {0, 4},          {0, ch - 5},     {1, ch - 4},     {1, ch - 3},     {2, ch - 2},
                  {3, ch - 2},     {4, ch - 1},     {cw - 5, ch - 1}, {cw - 4, ch - 2}, {cw - 3, ch - 2},
                  {cw - 2, ch - 3}, {cw - 2, ch - 4}, {cw - 1, ch - 5}, {cw - 1, 3}},
                 B2);
    gdi.Polyline({{cw - 3, 2}, {cw - 4, 2}, {cw - 5, 1}, {4, 1}, {3, 2}, {2, 2}, {2, 3}, {1, 4},
                  {1, ch - 5}, {2, ch - 4}, {2, ch - 3}, {3, ch - 3}},
                 A2);
    gdi.Polyline({{4, ch - 2}, {5, ch - 2}, {cw - 5, ch - 2}, {cw - 4, ch - 3}, {cw - 3, ch - 3},
                  {cw - 3, ch - 4}, {cw - 2, ch - 5}, {cw - 2, 3}},
                 B1);
    gdi.Polygon({{3, 2}, {2, 3}, {3, 3}}, A3, A3);
    gdi.Polygon({{cw - 4, 2}, {cw - 3, 3}, {cw - 4, 3}}, A3, A3);
    gdi.Polygon({{3, ch - 3}, {2, ch - 4}, {3, ch - 3}}, A3, A3);
    gdi.Polygon({{cw - 4, ch - 3}, {cw - 3, ch - 4}, {cw - 4, ch - 3}}, B0, B0);
    const QPoint grip[6] = {{cw - 7, ch - 7},   {cw - 11, ch - 7}, {cw - 15, ch - 7},
                            {cw - 11, ch - 11}, {cw - 7, ch - 11}, {cw - 7, ch - 15}};
    for (QPoint g : grip) gdi.FillRect(QRect(g, QSize(2, 2)), skin_.Base);
    for (QPoint g : grip) gdi.FillRect(QRect(g - QPoint(1, 1), QSize(2, 2)), B2);
}

// --- Mouse on the window itself --------------------------------------------------

void TfrmMain::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (!IsNormalMode()) {
        DragPress(this, e);
        return;
    }
    if (e->button() == Qt::LeftButton) {
        HitArea hit = FrameHitTest(pos.x(), pos.y(), width(), height(), true);
        QWindow* w = windowHandle();
        if (w && !isMaximized() && EdgesOf(hit)) {
            w->startSystemResize(EdgesOf(hit));
            return;
        }
        if (InIconArea(pos.x(), pos.y())) {
            // The second press of a double click on the icon closes the window;
            // the first opens the system menu.
            if (IconDoubleClicked()) {
                close();
                return;
            }
            ShowSystemMenu(mapToGlobal(QPoint(0, kCaptionHeight)));
            return;
        }
        if (w && hit == HitArea::Caption) {
            // The move starts once the mouse goes, so that a double click reaches the window.
            captionPress_ = e->globalPosition().toPoint();
            captionArmed_ = true;
            return;
        }
    } else if (e->button() == Qt::RightButton && InCaptionStrip(pos.x(), pos.y(), width())) {
        ShowSystemMenu(e->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(e);
}

void TfrmMain::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (!IsNormalMode()) {
        DragMove(this, e);
        return;
    }
    if (captionArmed_ && (e->buttons() & Qt::LeftButton) &&
        (e->globalPosition().toPoint() - captionPress_).manhattanLength() >= QApplication::startDragDistance()) {
        captionArmed_ = false;
        if (QWindow* w = windowHandle()) w->startSystemMove();
        return;
    }
    if (e->buttons() == Qt::NoButton && !isMaximized())
        setCursor(CursorOf(FrameHitTest(pos.x(), pos.y(), width(), height(), false)));
    QWidget::mouseMoveEvent(e);
}

void TfrmMain::mouseReleaseEvent(QMouseEvent* e) {
    captionArmed_ = false;
    QWidget::mouseReleaseEvent(e);
}

void TfrmMain::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    captionArmed_ = false;
    if (!IsNormalMode() || e->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(e);
        return;
    }
    if (InIconArea(pos.x(), pos.y())) {
        if (mnuSystem_) mnuSystem_->hide();
        close();
        return;
    }
    // The caption strip, away from the buttons: maximize, or back to the normal size.
    if (FrameHitTest(pos.x(), pos.y(), width(), height(), true) == HitArea::Caption) {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
        return;
    }
    QWidget::mouseDoubleClickEvent(e);
}

bool TfrmMain::IconDoubleClicked() {
    const bool second = iconClick_.isValid() && iconClick_.elapsed() <= QApplication::doubleClickInterval();
    if (second)
        iconClick_.invalidate();
    else
        iconClick_.start();
    return second;
}

void TfrmMain::WatchClockPanel() {
    // Installed after the panel's own filters, so this one sees each press first.
    clockPanel_->installEventFilter(this);
    for (QObject* o : clockPanel_->children())
        if (o->isWidgetType()) o->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mnuSystem_) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            const auto* m = static_cast<QMouseEvent*>(event);
            const QPoint at = mapFromGlobal(m->globalPosition().toPoint());
            if (m->button() == Qt::LeftButton && InIconArea(at.x(), at.y()) && IconDoubleClicked()) {
                mnuSystem_->hide();
                // Not within the menu's own handling of the press.
                QTimer::singleShot(0, this, &QWidget::close);
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            // A press elsewhere than on the panel's pictures and buttons may start a drag.
            dragArmed_ = false;
            if (!clockPanel_->OwnsPress(watched)) DragPress(watched, static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseMove:
            if (!clockPanel_->OwnsPress(watched) && DragMove(watched, static_cast<QMouseEvent*>(event))) return true;
            break;
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void TfrmMain::ShowHint(const QString& hint) {
    if (lblHelp->text() == hint) return;
    lblHelp->setText(hint);
    LayoutHintLine();
}

bool TfrmMain::DragPress(QObject* watched, QMouseEvent* e) {
    if (IsNormalMode() || !watched->isWidgetType()) return false;
    // In the window's coordinates, whichever control was pressed: a press on a
    // label also reaches its panel and the window, each in its own coordinates.
    const QPoint at = e->globalPosition().toPoint() - pos();
    dragOrigin_ = at;
    dragWorkArea_ = WorkArea();
    dragArmed_ = true;
    return false;
}

bool TfrmMain::DragMove(QObject*, QMouseEvent* e) {
    if (IsNormalMode() || !dragArmed_ || !(e->buttons() & Qt::LeftButton)) return false;
    const QPoint m = e->globalPosition().toPoint() - pos();
    if (CompositorPlacesWindows()) {
        // The window cannot place itself here: once the mouse goes, the
        // compositor moves it, and keeps it where it likes.
        if ((m - dragOrigin_).manhattanLength() < QApplication::startDragDistance()) return true;
        dragArmed_ = false;
        if (QWindow* w = windowHandle()) w->startSystemMove();
        return true;
    }
    QPoint p = SimpleDragPosition(pos(), width(), height(), m, dragOrigin_, dragWorkArea_);
    if (p != pos()) move(p);
    return true;
}

void TfrmMain::ShowSystemMenu(QPoint globalPos) {
    if (!mnuSystem_) {
        mnuSystem_ = new QMenu(this);
        mnuSystem_->setObjectName("mnuSystem");
        // The open menu takes the second press of a double click on the icon.
        mnuSystem_->installEventFilter(this);
    }
    mnuSystem_->clear();
    QWindow* w = windowHandle();
    const bool maximized = isMaximized();
    mnuSystem_->addAction(QStringLiteral("元のサイズに戻す(&R)"), this, [this] { showNormal(); })
        ->setEnabled(maximized);
    mnuSystem_->addAction(QStringLiteral("移動(&M)"), this, [w] {
        if (w) w->startSystemMove();
    })->setEnabled(!maximized);
    mnuSystem_->addAction(QStringLiteral("サイズ変更(&S)"), this, [w] {
        if (w) w->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
    })->setEnabled(!maximized);
    mnuSystem_->addAction(QStringLiteral("最小化(&N)"), this, [this] { showMinimized(); });
    mnuSystem_->addAction(QStringLiteral("最大化(&X)"), this, [this] { showMaximized(); })
        ->setEnabled(!maximized && IsNormalMode());
    mnuSystem_->addSeparator();
    QAction* close = mnuSystem_->addAction(QStringLiteral("閉じる(&C)"), this, [this] { this->close(); });
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    mnuSystem_->popup(globalPos);
}

}  // namespace norvane
