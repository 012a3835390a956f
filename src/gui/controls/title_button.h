#pragma once
// One of the minimize, maximize/restore and close buttons of a window that draws
// its own caption; `TTitleButtons` (title_buttons.h) holds three of them.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "gui/controls/gdi.h"

namespace norvane {

enum TWindowButtonType { wbtMini, wbtMaxi, wbtClose };

// One 15 x 15 button. Hot while the mouse is over it, pressed while a mouse
// button that went down on it is held.
class TTitleButton : public QWidget {
    Q_OBJECT
public:
    explicit TTitleButton(QWidget* parent = nullptr);

    TWindowButtonType ButtonType() const { return buttonType_; }
    void SetButtonType(TWindowButtonType value);
    // The window whose state picks the maximize or restore symbol, and that the
    // maximize and close buttons act on.
    QWidget* Form() const { return form_; }
    void SetForm(QWidget* value);

    // Face colour: the bar's `Color` while ParentColor is on (the default).
    Colour Color() const;
    void SetColor(Colour value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    // Frame and symbol colour: the bar's `LineColor`, white outside a bar.
    Colour LineColor() const;

    bool Hot() const { return hot_; }
    // The mouse is taken to have left: the window went to the taskbar or out of
    // sight, where no leave event comes. Nothing when the button is not hot.
    void DropHot();
    bool Pressed() const { return pressed_; }
    // The window is maximized: the maximize button offers to restore it.
    bool ShowsRestore() const;
    // "最小化", "最大化" or "元のサイズに戻す", "閉じる"; also the tool tip.
    QString Hint() const;

    // Carries out the button's command: minimize the application's windows,
    // maximize or restore `Form`, or close `Form` through its normal close path.
    void Click();

signals:
    void mouseEntered();
    void mouseLeft();
    void clicked();
    // The hint to show in a hint line: on entering, and empty on leaving.
    void hintChanged(const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void RefreshHint();

    TWindowButtonType buttonType_ = wbtClose;
    QPointer<QWidget> form_;
    Colour color_ = PaletteColour(QPalette::Button);
    bool parentColor_ = true;
    bool hot_ = false;
    bool pressed_ = false;
};

}  // namespace norvane
