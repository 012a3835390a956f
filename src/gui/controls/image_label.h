#pragma once
// A text label that carries a picture beside it (the row captions of the
// schedule pages). The picture is a separate control named "SubImage" that the
// label creates, owns and keeps on its own parent, next to itself.
#include <QLabel>
#include <QPointer>

#include "gui/controls/control_geometry.h"
#include "gui/controls/image_ex.h"

namespace norvane {

class TImageLabel : public QLabel {
    Q_OBJECT
public:
    explicit TImageLabel(QWidget* parent = nullptr);
    explicit TImageLabel(const QString& text, QWidget* parent = nullptr);
    ~TImageLabel() override;

    // The attached picture; null once it has been destroyed. Its position is the
    // label's business; its size may be set freely and keeps its position.
    TImageEx* LabelImage() const { return image_; }

    TImagePosition ImagePosition() const { return imagePosition_; }
    void SetImagePosition(TImagePosition value);
    int ImageSpacing() const { return imageSpacing_; }
    void SetImageSpacing(int value);

    // Re-places the picture beside the label.
    void PlaceImage();

    // Showing or hiding the label does the same to its picture.
    void setVisible(bool visible) override;

    // A text too long for the label ends in "…" where it is cut, and its tool
    // tip shows it whole (when the label has no tip of its own). Off by default.
    void SetElideRight(bool value);
    // What the label draws of its text.
    QString ShownText() const;
    // What its tool tip shows.
    QString ToolTipText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AdoptParent();

    QPointer<TImageEx> image_;
    TImagePosition imagePosition_ = ipLeft;
    int imageSpacing_ = 2;
    bool elideRight_ = false;
};

}  // namespace norvane
