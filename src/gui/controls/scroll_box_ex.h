#pragma once
// The scrolling container of each page: takes the keyboard focus when clicked,
// scrolls with the arrow and page keys, and reports gaining and losing focus.
// Tab and Ctrl+Tab keep their usual meaning (next control, next page).
//
// Child controls go on Contents(); with AutoScroll on, the scrolled area grows
// to hold them all, and never shrinks below the visible area.
#include <QPoint>
#include <QScrollArea>

class QWheelEvent;

namespace norvane {

class TScrollBoxEx : public QScrollArea {
    Q_OBJECT
public:
    // One line of the arrow keys, in pixels.
    static constexpr int kLineStep = 8;

    explicit TScrollBoxEx(QWidget* parent = nullptr);

    // The widget that holds the scrolled controls.
    QWidget* Contents() const { return widget(); }

    // Scroll ranges follow the children; off, the contents keep the visible size.
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value);
    // Re-sizes the contents to their children (done automatically on changes).
    void UpdateScrollRange();

    // Holds the scroll range while it lives: when hundreds of children move at
    // once, the range is worked out once at the end instead of after each.
    class RangeHold {
    public:
        explicit RangeHold(TScrollBoxEx* box) : box_(box) { ++box_->rangeHolds_; }
        ~RangeHold() {
            if (--box_->rangeHolds_ == 0 && box_->rangePending_) box_->UpdateScrollRange();
        }
        RangeHold(const RangeHold&) = delete;
        RangeHold& operator=(const RangeHold&) = delete;

    private:
        TScrollBoxEx* box_;
    };

    // Scroll positions (what a child's contents coordinate is offset by).
    QPoint ScrollPosition() const;

signals:
    void focusEntered();
    void focusLeft();
    // The wheel turned toward the user, offered first to the owner; setting
    // `handled` stops the box's own scrolling.
    void mouseWheelDown(QWheelEvent* event, bool& handled);
    void clicked();
    void doubleClicked();
    void resized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool autoScroll_ = true;
    int rangeHolds_ = 0;
    bool rangePending_ = false;
    bool pressed_ = false;
};

}  // namespace norvane
