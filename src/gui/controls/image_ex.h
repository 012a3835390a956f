#pragma once
// A picture control that reports the mouse entering and leaving it (the weekday
// and moon pictures and the simple-mode buttons).
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace norvane {

class TImageEx : public QWidget {
    Q_OBJECT
public:
    explicit TImageEx(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& value);
    // Picture centred in the control rather than at its top-left.
    bool Center() const { return center_; }
    void SetCenter(bool value);
    // Picture scaled to the control's size.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);

signals:
    void mouseEntered();
    void mouseLeft();
    void mousePressed(Qt::MouseButton button, QPoint pos);
    void mouseReleased(Qt::MouseButton button, QPoint pos);
    // Left button pressed and released over the picture.
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool center_ = false;
    bool stretch_ = false;
};

}  // namespace norvane
