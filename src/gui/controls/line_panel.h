#pragma once
// A panel whose body is outlined by a one-pixel line with optionally cut
// corners (the clock panel, whose corners change with the window mode).
#include "gui/controls/custom_edge_panel.h"

namespace norvane {

class TLinePanel : public TCustomEdgePanel {
    Q_OBJECT
public:
    explicit TLinePanel(QWidget* parent = nullptr);

    Colour LineColor() const { return lineColor_; }
    void SetLineColor(Colour value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour lineColor_ = PaletteColour(QPalette::Dark);
};

}  // namespace norvane
