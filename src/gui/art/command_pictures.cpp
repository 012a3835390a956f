#include "gui/art/command_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace norvane {

namespace {

constexpr int kSize = 16;
const QColor kInk(40, 56, 96);
const QColor kAccent(1, 72, 178);

void DrawMenu(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int y : {3, 7, 11}) p.drawRoundedRect(QRectF(2, y, 12, 2), 1, 1);
}

void DrawSync(QPainter& p) {
    // A clock face with two arrows round it.
    p.setPen(QPen(kAccent, 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(8, 8), QPointF(8, 5.5));
    p.drawLine(QPointF(8, 8), QPointF(10, 9));
    p.setPen(QPen(kAccent, 1.2));
    p.drawArc(QRectF(1, 1, 14, 14), 30 * 16, 120 * 16);
    p.drawArc(QRectF(1, 1, 14, 14), 210 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({QPointF(14.5, 2.5), QPointF(14.5, 6.5), QPointF(10.8, 5.2)}));
    p.drawPolygon(QPolygonF({QPointF(1.5, 13.5), QPointF(1.5, 9.5), QPointF(5.2, 10.8)}));
}

void DrawSimple(QPainter& p) {
    // A large window shrinking into a small one.
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 12, 9));
    p.setBrush(kAccent);
    p.drawRect(QRectF(1.5, 1.5, 12, 2));
    p.setBrush(QColor(214, 222, 247));
    p.drawRect(QRectF(6.5, 9.5, 8, 5));
}

void DrawPin(QPainter& p, bool on) {
    const QColor head = on ? QColor(220, 40, 40) : QColor(150, 150, 150);
    p.save();
    if (!on) {
        p.translate(8, 8);
        p.rotate(40);
        p.translate(-8, -8);
    }
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(QPointF(8, 9), QPointF(8, 15));
    p.setPen(QPen(head.darker(140), 1));
    p.setBrush(head);
    p.drawRect(QRectF(5.5, 1.5, 5, 5));
    p.drawRect(QRectF(3.5, 6.5, 9, 2.5));
    p.restore();
}

QPixmap Draw(int index) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
        case 0: DrawMenu(p); break;
        case 1: DrawSync(p); break;
        case 2: DrawSimple(p); break;
        case 3: DrawPin(p, false); break;
        case 4: DrawPin(p, true); break;
        default: break;
    }
    return pm;
}

}  // namespace

QIcon CommandIcon(int index) {
    if (index < 0 || index > 4) return QIcon();
    static std::array<QIcon, 5> icons;
    QIcon& icon = icons[static_cast<std::size_t>(index)];
    if (icon.isNull()) icon = QIcon(Draw(index));
    return icon;
}

}  // namespace norvane
