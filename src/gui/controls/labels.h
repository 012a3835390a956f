#pragma once
// Making the program's named labels, one way for every window and page.
#include <QPoint>
#include <QSize>
#include <QString>

class QColor;
class QLabel;
class QWidget;

namespace norvane {

// A label named `name` at `pos` on `parent`. Without a size it is sized to its
// text; with one it keeps that size, plain and left-aligned, so that a new text
// never asks the parent for a relayout (the ticks stay cheap).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QPoint pos,
                  QSize fixedSize = {});

// Sets the text colour only when it differs: every palette change repaints.
void SetTextColour(QLabel* label, const QColor& colour);

}  // namespace norvane
