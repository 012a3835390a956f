#include "gui/controls/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace norvane {

namespace {
constexpr int kSpinWidth = 16;
}  // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 5));
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    resize(kSpinWidth, 22);
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
}

void TUpDown::SetPosition(int value) {
    value = std::clamp(value, min_, max_);
    const bool changed = value != position_;
    position_ = value;
    if (associate_) {
        const QString text = QString::number(value);
        if (associate_->text() != text) associate_->setText(text);
    }
    if (changed) emit positionChanged(position_);
}

void TUpDown::Step(int delta) { SetPosition(position_ + delta); }

void TUpDown::SetAssociate(QLineEdit* edit) {
    associate_ = edit;
    if (!edit) return;
    setGeometry(edit->x() + edit->width(), edit->y(), kSpinWidth, edit->height());
}

void TUpDown::FollowText() {
    if (!associate_) return;
    bool ok = false;
    const int value = associate_->text().toInt(&ok);
    if (!ok) return;
    const int clamped = std::clamp(value, min_, max_);
    if (clamped == position_) return;
    position_ = clamped;
    emit positionChanged(position_);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int h = height() / 2;
    up_->setGeometry(0, 0, width(), h);
    down_->setGeometry(0, h, width(), height() - h);
}

}  // namespace norvane
