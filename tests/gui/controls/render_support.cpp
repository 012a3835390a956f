#include "render_support.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>

namespace norvane::test {

QFont TestFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QImage Render(QWidget& widget, bool children) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::magenta);
    QWidget::RenderFlags flags = QWidget::DrawWindowBackground;
    if (children) flags |= QWidget::DrawChildren;
    widget.render(&image, QPoint(), QRegion(), flags);
    return image;
}

int CountPixels(const QImage& image, const QRect& area, Colour color) {
    int n = 0;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (PixelAt(image, x, y) == color) ++n;
    return n;
}

PaintCounter::PaintCounter(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) ++count;
    return false;
}

void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint pos) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::MouseButtons()
                                      : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace norvane::test
