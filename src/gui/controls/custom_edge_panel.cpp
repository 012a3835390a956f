#include "gui/controls/custom_edge_panel.h"

#include <QEnterEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace norvane {

TCustomEdgePanel::TCustomEdgePanel(QWidget* parent, RoundKinds edgeRound)
    : QWidget(parent), edgeRound_(edgeRound) {
    // Every pixel is painted here; nothing of the parent shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCustomEdgePanel::SetColor(Colour value) {
    if (color_ == value) return;
    color_ = value;
    update();
}

void TCustomEdgePanel::SetEdgeColor(Colour value) {
    if (edgeColor_ == value) return;
    edgeColor_ = value;
    update();
}

void TCustomEdgePanel::SetEdgeRound(RoundKinds value) {
    if (edgeRound_ == value) return;
    edgeRound_ = value;
    update();
}

void TCustomEdgePanel::SetEdgeSpacing(int value) {
    if (edgeSpacing_ == value) return;
    edgeSpacing_ = value;
    RunAutoSize();
    update();
}

void TCustomEdgePanel::SetAlignment(TAlignment value) {
    if (alignment_ == value) return;
    alignment_ = value;
    update();
}

void TCustomEdgePanel::SetBorderWidth(int value) {
    if (borderWidth_ == value) return;
    borderWidth_ = value;
    RunAutoSize();
    update();
}

void TCustomEdgePanel::SetAutoSize(bool value) {
    if (autoSize_ == value) return;
    autoSize_ = value;
    RunAutoSize();
}

void TCustomEdgePanel::SetAlign(TAlign value) {
    if (align_ == value) return;
    align_ = value;
    RunAutoSize();
}

void TCustomEdgePanel::SetCaption(const QString& value) {
    if (caption_ == value) return;
    caption_ = value;
    RunAutoSize();
    update();
}

QPoint TCustomEdgePanel::CaptionOrigin() const {
    const QFontMetrics fm = fontMetrics();
    return PanelCaptionOrigin(alignment_, size(), QSize(fm.horizontalAdvance(caption_), fm.height()),
                              edgeSpacing_, borderWidth_, edgeRound_);
}

void TCustomEdgePanel::RunAutoSize() {
    if (!autoSize_) return;
    const QFontMetrics fm = fontMetrics();
    resize(PanelAutoSize(size(), align_, QSize(fm.horizontalAdvance(caption_), fm.height()), edgeSpacing_,
                         borderWidth_));
}

void TCustomEdgePanel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void TCustomEdgePanel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeft();
}

void TCustomEdgePanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        RunAutoSize();
        update();
    }
}

void TCustomEdgePanel::DrawCaption(Gdi& gdi) const {
    if (caption_.isEmpty()) return;
    QPainter& p = gdi.Painter();
    p.setFont(font());
    const QFontMetrics fm = p.fontMetrics();
    const QPoint at = PanelCaptionOrigin(alignment_, size(), QSize(fm.horizontalAdvance(caption_), fm.height()),
                                         edgeSpacing_, borderWidth_, edgeRound_);
    gdi.TextOut(at.x(), at.y(), caption_, FromQColor(palette().color(foregroundRole())));
}

}  // namespace norvane
