#include "gui/controls/link_label.h"

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QMenu>
#include <QMouseEvent>

namespace norvane {

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {}

void TLinkLabel::SetHoverColours(const QColor& normal, const QColor& hover) {
    normal_ = normal;
    hover_ = hover;
    SetColour(underMouse() ? hover_ : normal_);
}

void TLinkLabel::SetColour(const QColor& colour) {
    if (!colour.isValid()) return;
    QPalette pal = palette();
    if (pal.color(QPalette::WindowText) == colour) return;
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetColour(hover_);
}

void TLinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetColour(normal_);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || pressed_) return;
    // One pixel right and down while held: the pressed look of a button.
    pressed_ = true;
    move(pos() + QPoint(1, 1));
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    move(pos() - QPoint(1, 1));
    // The position is still measured from where the label stood while pressed.
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void TLinkLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (!popup_) {
        QLabel::contextMenuEvent(event);
        return;
    }
    event->accept();
    popup_->popup(event->globalPos());
}

}  // namespace norvane
