#pragma once
// A panel with smoothly rounded corners (the menu panel and the forecast windows).
#include "gui/controls/custom_edge_panel.h"

namespace norvane {

// Body with smoothly rounded corners graded into the edge colour.
class TEdgePanel : public TCustomEdgePanel {
    Q_OBJECT
public:
    explicit TEdgePanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace norvane
