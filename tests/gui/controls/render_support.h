#pragma once
// Rendering controls into images for pixel checks, independent of the screen.
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QWidget>

#include "gui/controls/gdi.h"

namespace norvane::test {

// A pixel-sized font without antialiasing: glyph pixels take the pen colour exactly.
QFont TestFont();

// The widget (with its children unless `children` is false) at ratio 1.
QImage Render(QWidget& widget, bool children = true);

inline Colour PixelAt(const QImage& image, int x, int y) {
    return FromQColor(image.pixelColor(x, y));
}
inline Colour PixelAt(const QImage& image, QPoint p) { return PixelAt(image, p.x(), p.y()); }

// Number of pixels of exactly `color` inside `area`.
int CountPixels(const QImage& image, const QRect& area, Colour color);

// Counts paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget);
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Sends a mouse event straight to `widget` (no window system, no cursor).
void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint pos);

// Lets posted events (updates, deferred deletes) run.
void ProcessEvents();

}  // namespace norvane::test
