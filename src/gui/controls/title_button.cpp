#include "gui/controls/title_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <vector>

#include "gui/controls/control_geometry.h"
#include "gui/controls/title_buttons.h"

namespace norvane {

namespace {

// One figure of a symbol, in button coordinates before the hot/pressed shift.
struct Figure {
    bool polygon;  // filled with the face colour; otherwise a polyline
    bool shade4;   // drawn in shade 4 instead of the line colour
    std::vector<QPoint> points;
};

std::vector<Figure> SymbolFigures(TWindowButtonType type, bool restore) {
    switch (type) {
    case wbtMini:
        return {{false, false, {{4, 9}, {8, 9}}}, {false, true, {{4, 10}, {8, 10}, {8, 8}}}};
    case wbtMaxi:
        if (restore)
            return {{true, false, {{6, 6}, {6, 4}, {10, 4}, {10, 8}, {8, 8}}},
                    {true, false, {{8, 6}, {4, 6}, {4, 10}, {8, 10}, {8, 6}}},
                    {false, true, {{5, 7}, {8, 7}}}};
        return {{true, false, {{10, 4}, {4, 4}, {4, 10}, {10, 10}, {10, 4}}}, {false, true, {{5, 5}, {10, 5}}}};
    case wbtClose:
        break;
    }
    return {{false, false, {{4, 4}, {11, 11}}},  {false, false, {{10, 4}, {3, 11}}},
            {false, true, {{4, 5}, {10, 11}}},   {false, true, {{5, 4}, {11, 10}}},
            {false, true, {{9, 4}, {3, 10}}},    {false, true, {{10, 5}, {4, 11}}}};
}

std::vector<QPoint> Shifted(const std::vector<QPoint>& points, QPoint by) {
    std::vector<QPoint> out;
    out.reserve(points.size());
    for (const QPoint& p : points) out.push_back(p + by);
    return out;
}

// The whole application goes to the task bar: every visible top-level window.
// Tool windows owned by one of them follow their owner.
void MinimizeApplication() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            w->setWindowState(w->windowState() | Qt::WindowMinimized);
    }
}

}  // namespace

TTitleButton::TTitleButton(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kTitleButtonSize, kTitleButtonSize);
    RefreshHint();
}

void TTitleButton::SetButtonType(TWindowButtonType value) {
    if (buttonType_ == value) return;
    buttonType_ = value;
    RefreshHint();
    update();
}

void TTitleButton::SetForm(QWidget* value) {
    if (form_ == value) return;
    form_ = value;
    RefreshHint();
    update();
}

Colour TTitleButton::Color() const {
    if (parentColor_)
        if (auto* bar = qobject_cast<TTitleButtons*>(parentWidget())) return bar->Color();
    return color_;
}

void TTitleButton::SetColor(Colour value) {
    if (!parentColor_ && color_ == value) return;
    color_ = value;
    parentColor_ = false;
    update();
}

void TTitleButton::SetParentColor(bool value) {
    if (parentColor_ == value) return;
    parentColor_ = value;
    update();
}

Colour TTitleButton::LineColor() const {
    if (auto* bar = qobject_cast<TTitleButtons*>(parentWidget())) return bar->LineColor();
    return Rgb(255, 255, 255);
}

bool TTitleButton::ShowsRestore() const {
    return buttonType_ == wbtMaxi && form_ && form_->isMaximized();
}

QString TTitleButton::Hint() const {
    switch (buttonType_) {
    case wbtMini:
        return QStringLiteral("最小化");
    case wbtMaxi:
        return ShowsRestore() ? QStringLiteral("元のサイズに戻す") : QStringLiteral("最大化");
    case wbtClose:
        break;
    }
    return QStringLiteral("閉じる");
}

void TTitleButton::RefreshHint() {
    const QString hint = Hint();
    if (toolTip() == hint) return;
    setToolTip(hint);
    if (hot_) emit hintChanged(hint);
}

void TTitleButton::Click() {
    const QPointer<TTitleButton> self(this);
    emit clicked();
    if (!self) return;
    switch (buttonType_) {
    case wbtMini:
        MinimizeApplication();
        break;
    case wbtMaxi:
        if (form_) {
            const Qt::WindowStates state = form_->windowState();
            const Qt::WindowStates away = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
            form_->setWindowState((state & away) ? (state & ~away) : (state | Qt::WindowMaximized));
            if (self)
                if (auto* bar = qobject_cast<TTitleButtons*>(parentWidget())) bar->Repaint();
        }
        break;
    case wbtClose:
        // The window's own close path, so its close checks run.
        if (form_) form_->close();
        break;
    }
    if (self) update();
}

void TTitleButton::paintEvent(QPaintEvent*) {
    RefreshHint();
    QPainter painter(this);
    Gdi gdi(painter);
    const int w = width();
    const int h = height();
    const Colour line = NearestColor(ColorToRgb(LineColor()));
    const Colour face = NearestColor(ColorToRgb(Color()));
    const Colour shade4 = ShadeColor(line, face, 4);
    const Colour shade10 = ShadeColor(line, face, 10);
    const Colour shade16 = ShadeColor(line, face, 16);

    gdi.FillRect(rect(), face);
    gdi.FrameRect(QRect(0, 0, w, h), line);
    // Soften the frame's corners.
    for (const QPoint p : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
        gdi.SetPixel(p, shade10);
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 2), QPoint(2, 1), QPoint(w - 1, 0), QPoint(w - 2, 2),
                           QPoint(w - 3, 1), QPoint(0, h - 1), QPoint(1, h - 3), QPoint(2, h - 2),
                           QPoint(w - 1, h - 1), QPoint(w - 2, h - 3), QPoint(w - 3, h - 2)})
        gdi.SetPixel(p, shade16);

    const std::vector<Figure> figures = SymbolFigures(buttonType_, ShowsRestore());
    const bool raised = hot_ && !pressed_;
    if (raised) {
        // The shadow stays where the symbol was; the restore symbol's polygons
        // cast one too, the other symbols' only their polylines.
        const bool allFigures = ShowsRestore();
        for (const Figure& f : figures)
            if (!f.polygon || allFigures) gdi.Polyline(f.points, shade10);
    }
    const QPoint shift = pressed_ ? QPoint(1, 1) : raised ? QPoint(-1, -1) : QPoint(0, 0);
    for (const Figure& f : figures) {
        const std::vector<QPoint> points = Shifted(f.points, shift);
        if (f.polygon)
            gdi.Polygon(points, face, line);
        else
            gdi.Polyline(points, f.shade4 ? shade4 : line);
    }
}

void TTitleButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = true;
    update();
}

void TTitleButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (event->button() == Qt::LeftButton && wasPressed && TitleButtonHit(event->position().toPoint(), size())) {
        Click();
        return;
    }
    update();
}

void TTitleButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    hot_ = true;
    emit mouseEntered();
    emit hintChanged(Hint());
    update();
}

void TTitleButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    DropHot();
}

void TTitleButton::DropHot() {
    if (!hot_) return;
    hot_ = false;
    emit mouseLeft();
    emit hintChanged(QString());
    update();
}

void TTitleButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    DropHot();
}

}  // namespace norvane
