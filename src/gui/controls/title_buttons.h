#pragma once
// The minimize, maximize/restore and close buttons of a window that draws its
// own caption: a bar (`TTitleButtons`) holding three `TTitleButton`s that act
// on a given window (`Form`).
#include <QFlags>
#include <QPointer>
#include <QWidget>

#include "gui/controls/control_geometry.h"
#include "gui/controls/gdi.h"
#include "gui/controls/title_button.h"

namespace norvane {

enum TWindowButton { wbMini = 0x1, wbMaxi = 0x2, wbClose = 0x4 };
Q_DECLARE_FLAGS(TWindowButtons, TWindowButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWindowButtons)

// The bar: places the three buttons as one 51-pixel group by `Alignment` and
// `Layout`, and paints the space around them.
class TTitleButtons : public QWidget {
    Q_OBJECT
public:
    explicit TTitleButtons(QWidget* parent = nullptr);
    ~TTitleButtons() override;

    // The window the buttons act on. Its resizes and state changes repaint the
    // bar, so the maximize button follows the window's state.
    QWidget* Form() const { return form_; }
    void SetForm(QWidget* value);

    Colour Color() const { return color_; }
    void SetColor(Colour value);
    Colour LineColor() const { return lineColor_; }
    void SetLineColor(Colour value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    // Buttons shown; hidden ones keep their place in the group.
    TWindowButtons WindowButtons() const { return windowButtons_; }
    void SetWindowButtons(TWindowButtons value);

    TTitleButton* MiniButton() const { return btnMini_; }
    TTitleButton* MaxiButton() const { return btnMaxi_; }
    TTitleButton* CloseButton() const { return btnClose_; }

    // Repaints the bar and its buttons and re-applies their visibility.
    void Repaint();

signals:
    void mouseLeft();
    // A button's hint for a hint line (empty when the mouse leaves it).
    void hintChanged(const QString& hint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TTitleButton* MakeButton(TWindowButtonType type);
    void PlaceButtons();

    QPointer<QWidget> form_;
    Colour color_ = PaletteColour(QPalette::Button);
    Colour lineColor_ = Rgb(255, 255, 255);
    TAlignment alignment_ = taLeftJustify;
    TButtonLayout layout_ = blsCenter;
    TWindowButtons windowButtons_ = TWindowButtons(wbMini | wbMaxi | wbClose);
    TTitleButton* btnMini_;
    TTitleButton* btnMaxi_;
    TTitleButton* btnClose_;
};

}  // namespace norvane
