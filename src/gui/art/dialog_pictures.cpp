#include "gui/art/dialog_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace norvane {
namespace {

QPixmap Blank() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap DrawAlarm() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(8, 2);
    body.cubicTo(11.5, 2, 12, 5, 12, 7.5);
    body.cubicTo(12, 9.5, 13, 10.6, 14, 11.4);
    body.lineTo(2, 11.4);
    body.cubicTo(3, 10.6, 4, 9.5, 4, 7.5);
    body.cubicTo(4, 5, 4.5, 2, 8, 2);
    p.setPen(QPen(QColor(120, 92, 20), 1.0));
    p.setBrush(QColor(240, 200, 60));
    p.drawPath(body);
    p.setBrush(QColor(120, 92, 20));
    p.drawEllipse(QPointF(8, 13.3), 1.4, 1.4);
    return pm;
}

// A folder, open (expanded) or shut.
QPixmap DrawFolder(bool open) {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(235, 190, 80));
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
    if (open) {
        QPolygon flap;
        flap << QPoint(3, 7) << QPoint(15, 7) << QPoint(13, 13) << QPoint(1, 13);
        p.setBrush(QColor(255, 222, 120));
        p.drawPolygon(flap);
    }
    return pm;
}

QPixmap DrawHourglass() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 1.2));
    p.drawLine(QPointF(3, 1.5), QPointF(13, 1.5));
    p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
    QPainterPath glass;
    glass.moveTo(4, 2);
    glass.lineTo(12, 2);
    glass.lineTo(8.8, 8);
    glass.lineTo(12, 14);
    glass.lineTo(4, 14);
    glass.lineTo(7.2, 8);
    glass.closeSubpath();
    p.setPen(QPen(QColor(60, 90, 140), 1.0));
    p.setBrush(QColor(220, 235, 250));
    p.drawPath(glass);
    QPainterPath sand;
    sand.moveTo(5.5, 13.5);
    sand.lineTo(10.5, 13.5);
    sand.lineTo(8, 10);
    sand.closeSubpath();
    sand.moveTo(6, 4);
    sand.lineTo(10, 4);
    sand.lineTo(8, 7);
    sand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 170, 60));
    p.drawPath(sand);
    return pm;
}

QPixmap DrawStopwatch() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(6.5, 0.5, 3, 2));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(8, 9.5), 5.8, 5.8);
    p.setPen(QPen(QColor(200, 30, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 9.5), QPointF(8, 5.2));
    p.drawLine(QPointF(8, 9.5), QPointF(10.8, 11));
    return pm;
}

QPixmap DrawChain() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 110, 120), 2.0));
    p.translate(8, 8);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-7.5, -2.5, 8, 5), 2.5, 2.5);
    p.setPen(QPen(QColor(70, 110, 170), 2.0));
    p.drawRoundedRect(QRectF(-0.5, -2.5, 8, 5), 2.5, 2.5);
    return pm;
}

}  // namespace

const QPixmap& DialogPicture(int index) {
    static const std::array<QPixmap, kDialogPictureCount> pictures{
        DrawAlarm(), DrawFolder(true), DrawFolder(false), DrawHourglass(), DrawStopwatch(), DrawChain()};
    return pictures.at(static_cast<std::size_t>(index < 0 || index >= kDialogPictureCount ? 0 : index));
}

QIcon DialogIconPicture(int index) { return QIcon(DialogPicture(index)); }

}  // namespace norvane
