#include "gui/controls/line_page.h"

#include <QEvent>
#include <QPainter>

#include "gui/controls/gdi.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_tab_panel.h"

namespace norvane {

TLinePage::TLinePage(QWidget* parent) : QWidget(nullptr) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) SetParent(parent);
}

TLinePage::~TLinePage() {
    if (control_) control_->RemovePage(this);
}

void TLinePage::SetCaption(const QString& value) {
    if (caption_ == value) return;
    caption_ = value;
    if (control_) control_->TabPanel()->update();
}

void TLinePage::SetBorderWidth(int value) {
    if (borderWidth_ == value) return;
    borderWidth_ = value;
    setContentsMargins(value, value, value, value);
    update();
}

int TLinePage::PageIndex() const {
    return control_ ? control_->IndexOf(this) : -1;
}

bool TLinePage::SetParent(QWidget* parent) {
    if (!parent) {
        setParent(nullptr);
        return true;
    }
    if (auto* control = qobject_cast<TLinePageControl*>(parent)) {
        if (control_ == control) return true;
        insertAt_ = -1;
        setParent(control);
        return true;
    }
    auto* before = qobject_cast<TLinePage*>(parent);
    if (!before || !before->control_ || before == this) return false;
    TLinePageControl* control = before->control_;
    if (control_ == control) {
        // Already a member: only its place in the list changes.
        const int from = control->IndexOf(this);
        const int to = control->IndexOf(before);
        control->SetChildOrder(this, from < to ? to - 1 : to);
        return true;
    }
    insertAt_ = control->IndexOf(before);
    setParent(control);
    return true;
}

void TLinePage::ParentChanged() {
    QWidget* parent = parentWidget();
    if (control_ && control_ != parent) {
        TLinePageControl* old = control_;
        control_ = nullptr;
        old->RemovePage(this);
    }
    auto* control = qobject_cast<TLinePageControl*>(parent);
    const int at = insertAt_;
    insertAt_ = -1;
    if (control && control_ != control) {
        control_ = control;
        control->InsertPage(this, at);
    }
}

bool TLinePage::event(QEvent* event) {
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::ParentChange) ParentChanged();
    return result;
}

void TLinePage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    gdi.FillRect(rect(), control_ ? control_->Color() : PaletteColour(QPalette::Base));
}

// A page stays where its control puts it, anchored to all four sides.
void TLinePage::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (control_) control_->PlacePage(this);
}

void TLinePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (control_) control_->PlacePage(this);
}

}  // namespace norvane
