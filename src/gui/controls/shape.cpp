#include "gui/controls/shape.h"

#include <QPainter>

namespace norvane {

TShape::TShape(QWidget* parent) : QWidget(parent) {
    // Shapes are decoration: the mouse goes to whatever lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::SetBrushColor(Colour value) {
    if (brushColor_ == value) return;
    brushColor_ = value;
    update();
}

void TShape::SetBrushClear(bool value) {
    if (brushClear_ == value) return;
    brushClear_ = value;
    update();
}

void TShape::SetPenColor(Colour value) {
    if (penColor_ == value) return;
    penColor_ = value;
    update();
}

void TShape::SetPenClear(bool value) {
    if (penClear_ == value) return;
    penClear_ = value;
    update();
}

void TShape::SetShape(TShapeType value) {
    if (shape_ == value) return;
    shape_ = value;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Gdi gdi(painter);
    const int w = width(), h = height();
    if (w <= 0 || h <= 0) return;
    if (shape_ == stRectangle || w < 6 || h < 6) {
        if (!brushClear_) gdi.FillRect(rect(), brushColor_);
        if (!penClear_) gdi.FrameRect(QRect(0, 0, w, h), penColor_);
        return;
    }
    // Corners cut by two pixels, the same staircase on every corner.
    const QPoint outline[] = {{2, 0},     {w - 3, 0},     {w - 1, 2}, {w - 1, h - 3},
                              {w - 3, h - 1}, {2, h - 1}, {0, h - 3}, {0, 2}};
    if (brushClear_) {
        if (!penClear_) {
            gdi.Polyline(outline, penColor_);
            gdi.Line(outline[7], outline[0], penColor_);
        }
        return;
    }
    gdi.Polygon(outline, brushColor_, penClear_ ? brushColor_ : penColor_);
}

}  // namespace norvane
