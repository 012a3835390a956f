#include "gui/controls/title_buttons.h"

#include <QEvent>
#include <QPainter>

namespace norvane {

TTitleButtons::TTitleButtons(QWidget* parent)
    : QWidget(parent),
      btnMini_(MakeButton(wbtMini)),
      btnMaxi_(MakeButton(wbtMaxi)),
      btnClose_(MakeButton(wbtClose)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(kTitleGroupWidth, 25);
    PlaceButtons();
    Repaint();
}

TTitleButtons::~TTitleButtons() {
    if (form_) form_->removeEventFilter(this);
}

TTitleButton* TTitleButtons::MakeButton(TWindowButtonType type) {
    auto* button = new TTitleButton(this);
    button->SetButtonType(type);
    connect(button, &TTitleButton::hintChanged, this, &TTitleButtons::hintChanged);
    return button;
}

void TTitleButtons::SetForm(QWidget* value) {
    if (form_ == value) return;
    if (form_) form_->removeEventFilter(this);
    form_ = value;
    if (form_) form_->installEventFilter(this);
    for (TTitleButton* b : {btnMini_, btnMaxi_, btnClose_}) b->SetForm(value);
    Repaint();
}

void TTitleButtons::SetColor(Colour value) {
    if (color_ == value) return;
    color_ = value;
    Repaint();
}

void TTitleButtons::SetLineColor(Colour value) {
    if (lineColor_ == value) return;
    lineColor_ = value;
    Repaint();
}

void TTitleButtons::SetAlignment(TAlignment value) {
    if (alignment_ == value) return;
    alignment_ = value;
    PlaceButtons();
    Repaint();
}

void TTitleButtons::SetLayout(TButtonLayout value) {
    if (layout_ == value) return;
    layout_ = value;
    PlaceButtons();
    Repaint();
}

void TTitleButtons::SetWindowButtons(TWindowButtons value) {
    if (windowButtons_ == value) return;
    windowButtons_ = value;
    Repaint();
}

void TTitleButtons::Repaint() {
    const std::pair<TTitleButton*, TWindowButton> buttons[] = {
        {btnMini_, wbMini}, {btnMaxi_, wbMaxi}, {btnClose_, wbClose}};
    for (const auto& [button, flag] : buttons) {
        const bool shown = windowButtons_.testFlag(flag);
        if (button->isHidden() == shown) button->setVisible(shown);
        button->update();
    }
    update();
}

void TTitleButtons::PlaceButtons() {
    const QPoint origin = TitleGroupOrigin(alignment_, layout_, size());
    btnMini_->move(origin + QPoint(kTitleButtonOffsets[0], 0));
    btnMaxi_->move(origin + QPoint(kTitleButtonOffsets[1], 0));
    btnClose_->move(origin + QPoint(kTitleButtonOffsets[2], 0));
}

void TTitleButtons::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    gdi.FillRect(rect(), color_);
}

void TTitleButtons::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceButtons();
}

void TTitleButtons::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeft();
}

bool TTitleButtons::eventFilter(QObject* watched, QEvent* event) {
    // Watching the window rather than owning its resize handler leaves the
    // window's own resize handling alone.
    if (watched == form_ && (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange))
        Repaint();
    // A click on the minimize button takes the window away under the mouse; no
    // leave event follows, and its hint would outlast the restore.
    if (watched == form_ && form_->isMinimized() && event->type() == QEvent::WindowStateChange)
        for (TTitleButton* b : {btnMini_, btnMaxi_, btnClose_}) b->DropHot();
    return QWidget::eventFilter(watched, event);
}

}  // namespace norvane
