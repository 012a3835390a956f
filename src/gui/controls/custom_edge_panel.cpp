#include "gui/controls/custom_edge_panel.h"

#include <QEnterEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <array>

namespace norvane {

namespace {

// Pixel groups that round one corner, painted in order (a later group wins),
// with the shade of each: f / 19 of the way from the body to the edge colour.
struct CornerGroup {
    int f;
    std::array<QPoint, 3> pixels;
    int count;
};
constexpr std::array<CornerGroup, 8> kCornerGroups = {{
    {19, {QPoint(0, 0)}, 1},
    {18, {QPoint(0, 1), QPoint(1, 0)}, 2},
    {14, {QPoint(0, 2), QPoint(1, 1), QPoint(2, 0)}, 3},
    {10, {QPoint(1, 1)}, 1},
    {8, {QPoint(3, 0)}, 1},
    {8, {QPoint(0, 3)}, 1},
    {4, {QPoint(4, 0)}, 1},
    {4, {QPoint(0, 4)}, 1},
}};

}  // namespace

TCustomEdgePanel::TCustomEdgePanel(QWidget* parent, RoundKinds edgeRound)
    : QWidget(parent), edgeRound_(edgeRound) {
    // Every pixel is painted here; nothing of the parent shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCustomEdgePanel::SetColor(ColorRef value) {
    if (color_ == value) return;
    color_ = value;
    update();
}

void TCustomEdgePanel::SetEdgeColor(ColorRef value) {
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
    emit OnMouseEnter();
}

void TCustomEdgePanel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit OnMouseLeave();
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

TEdgePanel::TEdgePanel(QWidget* parent) : TCustomEdgePanel(parent, kAllCorners) {}

void TEdgePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    const ColorRef body = NearestColor(ColorToRgb(Color()));
    const ColorRef edge = NearestColor(ColorToRgb(EdgeColor()));
    gdi.FillRect(rect(), edge);
    const QRect bodyRect = PanelBody(size(), EdgeSpacing());
    gdi.FillRect(bodyRect, body);

    struct Corner {
        RoundKind kind;
        QPoint pixel;
        int sx;
        int sy;
    };
    // Visited top-left, top-right, bottom-right, bottom-left; offsets mirrored
    // so that they point into the body.
    const Corner corners[] = {
        {rkTopLeft, bodyRect.topLeft(), 1, 1},
        {rkTopRight, bodyRect.topRight(), -1, 1},
        {rkBottomRight, bodyRect.bottomRight(), -1, -1},
        {rkBottomLeft, bodyRect.bottomLeft(), 1, -1},
    };
    for (const Corner& c : corners) {
        if (!EdgeRound().testFlag(c.kind)) continue;
        for (const CornerGroup& g : kCornerGroups) {
            const ColorRef shade = ShadeColor(body, edge, g.f);
            for (int i = 0; i < g.count; ++i)
                gdi.SetPixel(c.pixel.x() + c.sx * g.pixels[i].x(), c.pixel.y() + c.sy * g.pixels[i].y(), shade);
        }
    }
    DrawCaption(gdi);
}

}  // namespace norvane
