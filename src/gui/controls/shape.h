#pragma once
// A plain shape: a rectangle filled with its brush and outlined by a one-pixel
// pen (the header bands, row lines and frames of the pages).
#include <QWidget>

#include "gui/controls/gdi.h"

namespace norvane {

enum TShapeType { stRectangle, stRoundRect };

class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    Colour BrushColor() const { return brushColor_; }
    void SetBrushColor(Colour value);
    // The brush may be clear: only the outline is drawn.
    bool BrushClear() const { return brushClear_; }
    void SetBrushClear(bool value);
    Colour PenColor() const { return penColor_; }
    void SetPenColor(Colour value);
    // The outline may be left out.
    bool PenClear() const { return penClear_; }
    void SetPenClear(bool value);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour brushColor_ = Rgb(255, 255, 255);
    Colour penColor_ = Rgb(0, 0, 0);
    bool brushClear_ = false;
    bool penClear_ = false;
    TShapeType shape_ = stRectangle;
};

}  // namespace norvane
