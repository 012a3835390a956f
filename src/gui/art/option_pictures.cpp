#include "gui/art/option_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace norvane {
namespace {

QPixmap Blank(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

// A globe of radius r about c: sea, two meridians and three parallels.
void DrawGlobe(QPainter& p, QPointF c, qreal r) {
    QRadialGradient sea(c - QPointF(r / 3, r / 3), r * 1.4);
    sea.setColorAt(0, QColor(150, 210, 255));
    sea.setColorAt(1, QColor(20, 90, 190));
    p.setPen(QPen(QColor(10, 60, 140), 1.0));
    p.setBrush(sea);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 245, 255, 200), 0.9));
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    const qreal off = r * 0.55;
    const qreal half = r * 0.83;
    p.drawLine(QPointF(c.x() - half, c.y() - off), QPointF(c.x() + half, c.y() - off));
    p.drawLine(QPointF(c.x() - half, c.y() + off), QPointF(c.x() + half, c.y() + off));
}

// A round badge at the lower right, over whatever lies beneath.
void DrawBadge(QPainter& p, QPointF c, qreal r, const QColor& fill) {
    p.setPen(QPen(fill.darker(160), 1.0));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
}

QPixmap DrawInternetTime() {
    QPixmap pm = Blank(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DrawGlobe(p, {13.5, 13.5}, 12);
    // A clock face: the time the globe gives.
    const QPointF c(23, 23);
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(QColor(255, 255, 250));
    p.drawEllipse(c, 8, 8);
    p.setPen(QPen(QColor(40, 40, 40), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -5.5));
    p.drawLine(c, c + QPointF(4, 0));
    p.setPen(QPen(QColor(200, 30, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(c);
    return pm;
}

QPixmap DrawWheelMouse() {
    QPixmap pm = Blank(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Cable.
    p.setPen(QPen(QColor(70, 70, 70), 1.3));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(16, 5.5);
    cable.cubicTo(16, 2, 22, 3, 24, 0.5);
    p.drawPath(cable);
    // Body.
    const QRectF body(7.5, 5.5, 17, 25);
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(175, 180, 190));
    p.setPen(QPen(QColor(80, 85, 95), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(body, 8, 9);
    // Buttons' seam.
    p.drawLine(QPointF(7.8, 15.5), QPointF(24.2, 15.5));
    p.drawLine(QPointF(16, 5.5), QPointF(16, 15.5));
    // The wheel, the point of the group.
    QLinearGradient w(0, 7.5, 0, 14.5);
    w.setColorAt(0, QColor(110, 190, 255));
    w.setColorAt(1, QColor(20, 90, 190));
    p.setPen(QPen(QColor(10, 60, 140), 1.0));
    p.setBrush(w);
    p.drawRoundedRect(QRectF(14, 7.5, 4, 8), 2, 2);
    p.setPen(QPen(QColor(230, 245, 255), 0.8));
    p.drawLine(QPointF(14.8, 10), QPointF(17.2, 10));
    p.drawLine(QPointF(14.8, 12.5), QPointF(17.2, 12.5));
    return pm;
}

QPixmap DrawAccessConfirm() {
    QPixmap pm = Blank(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DrawGlobe(p, {13.5, 13.5}, 12);
    const QPointF c(23, 23);
    DrawBadge(p, c, 8, QColor(250, 200, 40));
    QFont f;
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(90, 50, 0));
    p.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    return pm;
}

QPixmap DrawNetwork() {
    QPixmap pm = Blank(32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    DrawGlobe(p, {22, 10}, 8.5);
    // The line from the computer out to the world.
    p.setPen(QPen(QColor(60, 140, 60), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 22), QPointF(19, 16));
    // A monitor on its stand.
    const QRectF frame(1.5, 14.5, 17, 13);
    p.setPen(QPen(QColor(60, 60, 70), 1.0));
    p.setBrush(QColor(205, 208, 215));
    p.drawRoundedRect(frame, 1.5, 1.5);
    QLinearGradient screen(0, 16.5, 0, 25.5);
    screen.setColorAt(0, QColor(120, 200, 255));
    screen.setColorAt(1, QColor(30, 90, 170));
    p.setBrush(screen);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(3.5, 16.5, 13, 9));
    p.setPen(QPen(QColor(60, 60, 70), 1.0));
    p.setBrush(QColor(175, 178, 186));
    p.drawRect(QRectF(7.5, 27.5, 5, 2));
    p.drawRect(QRectF(4.5, 29.5, 11, 2));
    return pm;
}

QPixmap DrawInformation() {
    QPixmap pm = Blank(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0, QColor(120, 180, 255));
    g.setColorAt(1, QColor(20, 80, 200));
    p.setPen(QPen(QColor(10, 50, 150), 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.6), 1.3, 1.3);
    p.drawRoundedRect(QRectF(6.9, 6.8, 2.2, 6.0), 0.8, 0.8);
    return pm;
}

QPixmap DrawWarning() {
    QPixmap pm = Blank(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath t;
    t.moveTo(8, 1);
    t.lineTo(15.2, 14.5);
    t.lineTo(0.8, 14.5);
    t.closeSubpath();
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, QColor(255, 235, 120));
    g.setColorAt(1, QColor(240, 180, 0));
    p.setPen(QPen(QColor(150, 100, 0), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(t);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(7.0, 5.0, 2.0, 5.5), 0.8, 0.8);
    p.drawEllipse(QPointF(8, 12.3), 1.1, 1.1);
    return pm;
}

}  // namespace

const QPixmap& OptionGroupPicture(OptionGroupIcon icon) {
    static const QPixmap time = DrawInternetTime();
    static const QPixmap wheel = DrawWheelMouse();
    static const QPixmap access = DrawAccessConfirm();
    static const QPixmap network = DrawNetwork();
    switch (icon) {
        case OptionGroupIcon::InternetTime: return time;
        case OptionGroupIcon::WheelMouse: return wheel;
        case OptionGroupIcon::AccessConfirm: return access;
        case OptionGroupIcon::Network: return network;
    }
    return time;
}

const QPixmap& InformationSmallPicture() {
    static const QPixmap pm = DrawInformation();
    return pm;
}

const QPixmap& WarningSmallPicture() {
    static const QPixmap pm = DrawWarning();
    return pm;
}

}  // namespace norvane
