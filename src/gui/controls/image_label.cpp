#include "gui/controls/image_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <QEvent>

namespace norvane {

TImageLabel::TImageLabel(QWidget* parent) : TImageLabel(QString(), parent) {}

TImageLabel::TImageLabel(const QString& text, QWidget* parent) : QLabel(text, nullptr) {
    image_ = new TImageEx(nullptr);
    image_->setObjectName(QStringLiteral("SubImage"));
    image_->resize(16, 16);
    // Parenting the label afterwards moves the picture along (event()).
    if (parent) setParent(parent);
}

TImageLabel::~TImageLabel() {
    // The picture may already be gone with the common parent.
    delete image_.data();
}

void TImageLabel::SetImagePosition(TImagePosition value) {
    if (imagePosition_ == value) return;
    imagePosition_ = value;
    PlaceImage();
}

void TImageLabel::SetImageSpacing(int value) {
    if (imageSpacing_ == value) return;
    imageSpacing_ = value;
    PlaceImage();
}

void TImageLabel::PlaceImage() {
    if (!image_) return;
    image_->move(SubImagePosition(imagePosition_, geometry(), image_->size(), imageSpacing_));
}

void TImageLabel::setVisible(bool visible) {
    QLabel::setVisible(visible);
    // A picture without a parent would become a window of its own.
    if (image_ && image_->parentWidget()) image_->setVisible(visible);
}

void TImageLabel::AdoptParent() {
    if (!image_) return;
    QWidget* parent = parentWidget();
    if (image_->parentWidget() == parent) return;
    if (!parent) {
        image_->hide();
        image_->setParent(nullptr);
        return;
    }
    image_->setParent(parent);
    PlaceImage();
    image_->setEnabled(!testAttribute(Qt::WA_ForceDisabled));
    image_->setLayoutDirection(layoutDirection());
    image_->setVisible(!isHidden());
}

void TImageLabel::SetElideRight(bool value) {
    if (elideRight_ == value) return;
    elideRight_ = value;
    update();
}

QString TImageLabel::ShownText() const {
    if (!elideRight_) return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QString TImageLabel::ToolTipText() const {
    if (!toolTip().isEmpty() || !elideRight_ || ShownText() == text()) return toolTip();
    return text();
}

void TImageLabel::paintEvent(QPaintEvent* event) {
    const QString shown = ShownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), shown, foregroundRole());
}

bool TImageLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const QString tip = ToolTipText();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        }
        return true;
    }
    const bool result = QLabel::event(event);
    if (event->type() == QEvent::ParentChange) AdoptParent();
    return result;
}

void TImageLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (!image_) return;
    if (event->type() == QEvent::EnabledChange)
        image_->setEnabled(!testAttribute(Qt::WA_ForceDisabled));
    else if (event->type() == QEvent::LayoutDirectionChange)
        image_->setLayoutDirection(layoutDirection());
}

void TImageLabel::moveEvent(QMoveEvent* event) {
    QLabel::moveEvent(event);
    PlaceImage();
}

void TImageLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    PlaceImage();
}

}  // namespace norvane
