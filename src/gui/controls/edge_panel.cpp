#include "gui/controls/edge_panel.h"

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

TEdgePanel::TEdgePanel(QWidget* parent) : TCustomEdgePanel(parent, kAllCorners) {}

void TEdgePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    const Colour body = NearestColor(ColorToRgb(Color()));
    const Colour edge = NearestColor(ColorToRgb(EdgeColor()));
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
            const Colour shade = ShadeColor(body, edge, g.f);
            for (int i = 0; i < g.count; ++i)
                gdi.SetPixel(c.pixel.x() + c.sx * g.pixels[i].x(), c.pixel.y() + c.sy * g.pixels[i].y(), shade);
        }
    }
    DrawCaption(gdi);
}

}  // namespace norvane
