#pragma once
// The tab strip of a `TLinePageControl`, created by the control for itself.
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <vector>

namespace norvane {

class TLinePageControl;

// The tab strip. Keeps the tab under the mouse for the captions' colour.
class TLineTabPanel : public QWidget {
    Q_OBJECT
public:
    explicit TLineTabPanel(TLinePageControl* owner);

    // Index of the tab under the mouse, -1 for none.
    int HotTab() const { return hotTab_; }
    // Inclusive rectangles of the tabs, in list order, in strip coordinates.
    std::vector<QRect> TabRects() const;
    // First tab whose rectangle holds `pos` (borders included), else -1.
    int TabAt(QPoint pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class TLinePageControl;
    void SetHotTab(int index);

    TLinePageControl* owner_;
    int hotTab_ = -1;
};

}  // namespace norvane
