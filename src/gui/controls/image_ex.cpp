#include "gui/controls/image_ex.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace norvane {

TImageEx::TImageEx(QWidget* parent) : QWidget(parent) {
    // The common picture size of the program (weekday and moon pictures).
    resize(32, 32);
}

void TImageEx::SetPicture(const QPixmap& value) {
    if (picture_.cacheKey() == value.cacheKey()) return;
    picture_ = value;
    update();
}

void TImageEx::SetCenter(bool value) {
    if (center_ == value) return;
    center_ = value;
    update();
}

void TImageEx::SetStretch(bool value) {
    if (stretch_ == value) return;
    stretch_ = value;
    update();
}

void TImageEx::paintEvent(QPaintEvent*) {
    // Without a picture the parent shows through.
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (stretch_) {
        painter.drawPixmap(rect(), picture_);
        return;
    }
    const QSize size = picture_.deviceIndependentSize().toSize();
    QPoint at(0, 0);
    if (center_) at = QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.drawPixmap(at, picture_);
}

void TImageEx::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void TImageEx::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeft();
}

void TImageEx::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    event->accept();
    emit mousePressed(event->button(), event->position().toPoint());
}

void TImageEx::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    event->accept();
    const QPoint pos = event->position().toPoint();
    emit mouseReleased(event->button(), pos);
    if (event->button() == Qt::LeftButton && rect().contains(pos)) emit clicked();
}

void TImageEx::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace norvane
