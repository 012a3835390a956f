#pragma once
// Panels that paint their whole area: a body in `Color` inside a margin of
// `EdgeColor`, with an optional caption. `TEdgePanel` (edge_panel.h) grades its
// corners smoothly into the edge colour; `TLinePanel` (line_panel.h) outlines its body.
#include <QString>
#include <QWidget>

#include "gui/controls/control_geometry.h"
#include "gui/controls/gdi.h"

class QPainter;

namespace norvane {

// What both panels share: colours, corners, margin, caption and automatic size.
class TCustomEdgePanel : public QWidget {
    Q_OBJECT
public:
    Colour Color() const { return color_; }
    void SetColor(Colour value);
    Colour EdgeColor() const { return edgeColor_; }
    void SetEdgeColor(Colour value);
    RoundKinds EdgeRound() const { return edgeRound_; }
    void SetEdgeRound(RoundKinds value);
    int EdgeSpacing() const { return edgeSpacing_; }
    void SetEdgeSpacing(int value);

    // Horizontal placement of the caption.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Extra inset for caption placement and automatic sizing.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    // Size follows the caption in the dimensions `Align` leaves free.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    // How the parent docks the panel; the parent's layout does the docking.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign value);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);

    // Top-left of the caption text, from the widget's font metrics.
    QPoint CaptionOrigin() const;

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    TCustomEdgePanel(QWidget* parent, RoundKinds edgeRound);

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Caption in the panel's font and foreground colour, background untouched.
    void DrawCaption(Gdi& gdi) const;
    void RunAutoSize();

private:
    Colour color_ = PaletteColour(QPalette::Base);
    Colour edgeColor_ = PaletteColour(QPalette::Button);
    RoundKinds edgeRound_;
    int edgeSpacing_ = 0;
    TAlignment alignment_ = taCenter;
    int borderWidth_ = 0;
    bool autoSize_ = false;
    TAlign align_ = alNone;
    QString caption_;
};

}  // namespace norvane
