#include "gui/controls/scroll_box_ex.h"

#include <QChildEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace norvane {

TScrollBoxEx::TScrollBoxEx(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("Contents"));
    setWidget(contents);
    setWidgetResizable(true);
    contents->installEventFilter(this);
    horizontalScrollBar()->setSingleStep(kLineStep);
    verticalScrollBar()->setSingleStep(kLineStep);
    resize(185, 41);
}

void TScrollBoxEx::SetAutoScroll(bool value) {
    if (autoScroll_ == value) return;
    autoScroll_ = value;
    UpdateScrollRange();
}

void TScrollBoxEx::UpdateScrollRange() {
    QWidget* contents = widget();
    if (!contents) return;
    rangePending_ = rangeHolds_ > 0;
    if (rangePending_) return;
    QSize extent(0, 0);
    if (autoScroll_) {
        const QRect r = contents->childrenRect();
        if (!r.isNull()) extent = QSize(std::max(0, r.right() + 1), std::max(0, r.bottom() + 1));
    }
    if (contents->minimumSize() == extent) return;
    // The contents fill the visible area and grow to this; re-applying the
    // resizable mode makes the scroll area re-fit them at once.
    contents->setMinimumSize(extent);
    setWidgetResizable(true);
}

QPoint TScrollBoxEx::ScrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

bool TScrollBoxEx::eventFilter(QObject* watched, QEvent* event) {
    QWidget* contents = widget();
    if (contents && watched == contents) {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType()) child->installEventFilter(this);
            UpdateScrollRange();
        } else if (event->type() == QEvent::ChildRemoved) {
            UpdateScrollRange();
        }
    } else if (contents && watched->parent() == contents) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            UpdateScrollRange();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void TScrollBoxEx::mousePressEvent(QMouseEvent* event) {
    // Any button; so wheel and keys reach the box after a click on its background.
    if (isEnabled()) setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    event->accept();
}

void TScrollBoxEx::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()))
        emit clicked();
}

void TScrollBoxEx::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = true;
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void TScrollBoxEx::keyPressEvent(QKeyEvent* event) {
    // Tab never arrives here: the focus chain takes it first.
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        v->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Up:
        v->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        h->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        // Left to the parents (the window's own key handling).
        event->ignore();
        return;
    }
    event->accept();
}

// A pop-up menu borrows the focus without the box losing it for good.
void TScrollBoxEx::focusInEvent(QFocusEvent* event) {
    QScrollArea::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) emit focusEntered();
}

void TScrollBoxEx::focusOutEvent(QFocusEvent* event) {
    QScrollArea::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) emit focusLeft();
}

void TScrollBoxEx::wheelEvent(QWheelEvent* event) {
    bool handled = false;
    if (event->angleDelta().y() < 0) emit mouseWheelDown(event, handled);
    if (handled) {
        event->accept();
        return;
    }
    QScrollArea::wheelEvent(event);
}

void TScrollBoxEx::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    emit resized();
}

}  // namespace norvane
