#include "gui/controls/line_panel.h"

#include <QPainter>

namespace norvane {

TLinePanel::TLinePanel(QWidget* parent) : TCustomEdgePanel(parent, RoundKinds()) {}

void TLinePanel::SetLineColor(Colour value) {
    if (lineColor_ == value) return;
    lineColor_ = value;
    update();
}

void TLinePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    gdi.FillRect(rect(), EdgeColor());
    const std::vector<QPoint> outline = CutCornerOutline(PanelBody(size(), EdgeSpacing()), EdgeRound());
    gdi.Polygon(outline, Color(), lineColor_);
    DrawCaption(gdi);
}

}  // namespace norvane
