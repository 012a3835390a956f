#include "gui/art/timer_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace norvane {
namespace {

// A bell on the 15 x 15 pixel grid: body, rim, clapper and two sound strokes.
// The active face is warmer and brighter, like the simple-mode buttons.
QPixmap DrawBell(bool active) {
    QPixmap pm(15, 15);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath body;
    body.moveTo(7.5, 1.5);
    body.cubicTo(10.6, 1.5, 11.2, 4.5, 11.2, 7.0);
    body.cubicTo(11.2, 8.8, 12.0, 9.8, 13.0, 10.6);
    body.lineTo(2.0, 10.6);
    body.cubicTo(3.0, 9.8, 3.8, 8.8, 3.8, 7.0);
    body.cubicTo(3.8, 4.5, 4.4, 1.5, 7.5, 1.5);
    body.closeSubpath();

    QLinearGradient g(0, 1, 0, 11);
    g.setColorAt(0, active ? QColor(255, 236, 150) : QColor(250, 228, 150));
    g.setColorAt(1, active ? QColor(255, 150, 20) : QColor(204, 160, 40));
    const QColor outline = active ? QColor(170, 80, 0) : QColor(120, 92, 20);
    p.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(body);

    // Rim and clapper.
    p.drawLine(QPointF(1.5, 11.0), QPointF(13.5, 11.0));
    p.setBrush(outline);
    p.drawEllipse(QPointF(7.5, 12.6), 1.3, 1.3);

    // Highlight on the body's shoulder.
    p.setPen(QPen(QColor(255, 255, 255, active ? 230 : 170), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.6, 4.2), QPointF(5.2, 7.6));

    if (active) {
        // Sound strokes: the bell rings under the mouse.
        p.setPen(QPen(QColor(200, 90, 0), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(11.0, 1.5, 3.5, 5.0), -60 * 16, 120 * 16);
        p.drawArc(QRectF(0.5, 1.5, 3.5, 5.0), 120 * 16, 120 * 16);
    }
    return pm;
}

}  // namespace

const QPixmap& AlarmIconPicture(bool active) {
    static const QPixmap normal = DrawBell(false);
    static const QPixmap hot = DrawBell(true);
    return active ? hot : normal;
}

}  // namespace norvane
