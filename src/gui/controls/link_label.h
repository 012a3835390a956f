#pragma once
// A clickable label (text or picture) that looks pressed while the left button
// is down, can change its text colour under the mouse, and can carry a pop-up
// menu for the right button.
#include <QColor>
#include <QLabel>

class QMenu;

namespace norvane {

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(QWidget* parent = nullptr);

    // Text colours away from and under the mouse; without them the colour stays.
    void SetHoverColours(const QColor& normal, const QColor& hover);
    // Shown at the mouse by the context-menu request (the right button). Not owned.
    void SetPopupMenu(QMenu* menu) { popup_ = menu; }
    QMenu* PopupMenu() const { return popup_; }
    bool IsPressed() const { return pressed_; }

signals:
    // The left button pressed and released over the label.
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SetColour(const QColor& colour);

    QMenu* popup_ = nullptr;
    QColor normal_, hover_;
    bool pressed_ = false;
};

}  // namespace norvane
