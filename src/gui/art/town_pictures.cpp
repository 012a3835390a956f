#include "gui/art/town_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <array>
#include <functional>

namespace norvane {
namespace {

using Draw = std::function<void(QPainter&)>;

QPixmap Icon(const Draw& draw) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pm;
}

// ---- Towns: a shield in the town's colour carrying a white symbol ----

void DrawShield(QPainter& p, const QColor& base) {
    QPainterPath s;
    s.moveTo(1.5, 1.5);
    s.lineTo(14.5, 1.5);
    s.lineTo(14.5, 8);
    s.cubicTo(14.5, 11.5, 11, 13.8, 8, 15);
    s.cubicTo(5, 13.8, 1.5, 11.5, 1.5, 8);
    s.closeSubpath();
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(1, base.darker(130));
    p.setPen(QPen(base.darker(170), 1.0));
    p.setBrush(g);
    p.drawPath(s);
    p.setBrush(Qt::NoBrush);
}

void DrawArch(QPainter& p) {
    QPainterPath a;
    a.moveTo(3.5, 11.5);
    a.lineTo(3.5, 7);
    a.quadTo(8, 1.8, 12.5, 7);
    a.lineTo(12.5, 11.5);
    a.lineTo(10.4, 11.5);
    a.lineTo(10.4, 8);
    a.quadTo(8, 5, 5.6, 8);
    a.lineTo(5.6, 11.5);
    a.closeSubpath();
    p.fillPath(a, Qt::white);
}

void DrawSword(QPainter& p) {
    p.fillRect(QRectF(7.2, 3, 1.6, 7), Qt::white);
    p.fillRect(QRectF(4.5, 9, 7, 1.5), Qt::white);
    p.fillRect(QRectF(7.3, 10.5, 1.4, 2), Qt::white);
    QPainterPath tip;
    tip.moveTo(7.2, 3);
    tip.lineTo(8, 1.8);
    tip.lineTo(8.8, 3);
    p.fillPath(tip, Qt::white);
}

void DrawGear(QPainter& p, const QColor& hole) {
    p.save();
    p.translate(8, 7.5);
    for (int i = 0; i < 8; ++i) {
        p.fillRect(QRectF(-0.9, -5.2, 1.8, 2.2), Qt::white);
        p.rotate(45);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 3.6, 3.6);
    p.setBrush(hole);
    p.drawEllipse(QPointF(0, 0), 1.3, 1.3);
    p.restore();
}

void DrawStar(QPainter& p) {
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const qreal a = i * M_PI / 5 - M_PI / 2;
        const qreal r = i % 2 == 0 ? 4.8 : 2.0;
        const QPointF pt(8 + r * qCos(a), 7.8 + r * qSin(a));
        i == 0 ? s.moveTo(pt) : s.lineTo(pt);
    }
    s.closeSubpath();
    p.fillPath(s, Qt::white);
}

void DrawPalm(QPainter& p) {
    QPen trunk(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(trunk);
    QPainterPath t;
    t.moveTo(7.2, 12.5);
    t.quadTo(8.6, 9, 8, 5.5);
    p.drawPath(t);
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath f;
    f.moveTo(8, 5.5);
    f.quadTo(5.5, 3.2, 3.5, 6.2);
    f.moveTo(8, 5.5);
    f.quadTo(10.5, 3.2, 12.5, 6.2);
    f.moveTo(8, 5.5);
    f.quadTo(6.5, 4.5, 6, 2.8);
    f.moveTo(8, 5.5);
    f.quadTo(9.8, 4.5, 10.5, 2.8);
    p.drawPath(f);
}

void DrawAnchor(QPainter& p) {
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(8, 3.6), 1.2, 1.2);
    p.drawLine(QPointF(8, 4.8), QPointF(8, 12.2));
    p.drawLine(QPointF(6, 6.5), QPointF(10, 6.5));
    QPainterPath hook;
    hook.moveTo(4.3, 9.2);
    hook.quadTo(5, 12.4, 8, 12.4);
    hook.quadTo(11, 12.4, 11.7, 9.2);
    p.drawPath(hook);
}

QPixmap Town(TownPicture town) {
    return Icon([town](QPainter& p) {
        switch (town) {
            case TownPicture::Jeuno: DrawShield(p, QColor(200, 146, 28)); DrawArch(p); break;
            case TownPicture::SandOria: DrawShield(p, QColor(196, 36, 44)); DrawSword(p); break;
            case TownPicture::Bastok:
                DrawShield(p, QColor(36, 84, 196));
                DrawGear(p, QColor(36, 84, 196));
                break;
            case TownPicture::Windurst: DrawShield(p, QColor(36, 148, 68)); DrawStar(p); break;
            case TownPicture::Kazham: DrawShield(p, QColor(214, 110, 30)); DrawPalm(p); break;
            case TownPicture::Ship: DrawShield(p, QColor(28, 58, 120)); DrawAnchor(p); break;
        }
    });
}

// ---- Guild crafts: the tool or the work of the craft ----

void Outlined(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setPen(QPen(fill.darker(170), 0.9));
    p.setBrush(fill);
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
}

void DrawFish(QPainter& p) {
    QPainterPath f;
    f.addEllipse(QRectF(1.5, 4.5, 10, 7));
    QPainterPath tail;
    tail.moveTo(10.5, 8);
    tail.lineTo(14.8, 4.2);
    tail.lineTo(14.8, 11.8);
    tail.closeSubpath();
    Outlined(p, f.united(tail), QColor(64, 128, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(4.4, 7.2), 1.1, 1.1);
}

void DrawLog(QPainter& p) {
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 4.5, 11, 7), 2, 2);
    Outlined(p, body, QColor(150, 96, 44));
    QPainterPath end;
    end.addEllipse(QRectF(9.5, 4.5, 5, 7));
    Outlined(p, end, QColor(226, 186, 120));
    p.setPen(QPen(QColor(150, 96, 44), 0.8));
    p.drawEllipse(QRectF(11, 6.5, 2, 3));
}

void DrawHammer(QPainter& p) {
    QPainterPath handle;
    handle.addRect(QRectF(7, 6.5, 2.2, 8));
    Outlined(p, handle, QColor(160, 104, 50));
    QPainterPath head;
    head.addRoundedRect(QRectF(2, 2.5, 12, 4.5), 1, 1);
    Outlined(p, head, QColor(150, 156, 170));
}

void DrawRing(QPainter& p) {
    p.setPen(QPen(QColor(212, 160, 24), 2.0));
    p.drawEllipse(QRectF(3.5, 6.5, 9, 8));
    QPainterPath gem;
    gem.moveTo(8, 1.2);
    gem.lineTo(10.8, 4.2);
    gem.lineTo(8, 7.2);
    gem.lineTo(5.2, 4.2);
    gem.closeSubpath();
    Outlined(p, gem, QColor(220, 48, 96));
}

void DrawSpool(QPainter& p) {
    QPainterPath thread;
    thread.addRect(QRectF(4.5, 4.5, 7, 7));
    Outlined(p, thread, QColor(200, 64, 160));
    p.setPen(QPen(QColor(240, 160, 220), 0.8));
    for (qreal y = 6; y < 11; y += 1.6) p.drawLine(QPointF(5, y), QPointF(11, y));
    QPainterPath ends;
    ends.addRoundedRect(QRectF(2.5, 2, 11, 2.6), 1, 1);
    ends.addRoundedRect(QRectF(2.5, 11.4, 11, 2.6), 1, 1);
    Outlined(p, ends, QColor(190, 140, 80));
}

void DrawHide(QPainter& p) {
    const QPointF pts[] = {{2, 4},   {5, 2},    {8, 3.5},  {11, 2},  {14, 4},  {12.8, 8},
                           {14, 12}, {11, 14},  {8, 12.5}, {5, 14},  {2, 12},  {3.2, 8}};
    QPainterPath h;
    h.addPolygon(QPolygonF(QVector<QPointF>(std::begin(pts), std::end(pts))));
    h.closeSubpath();
    Outlined(p, h, QColor(196, 138, 76));
    p.setPen(QPen(QColor(236, 196, 140), 0.8, Qt::DashLine));
    p.drawRoundedRect(QRectF(5, 5.5, 6, 5), 1, 1);
}

void DrawBone(QPainter& p) {
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    QPainterPath b;
    b.addRect(QRectF(-4.5, -1.2, 9, 2.4));
    for (qreal x : {-4.6, 4.6})
        for (qreal y : {-1.5, 1.5}) {
            QPainterPath knob;
            knob.addEllipse(QPointF(x, y), 1.9, 1.9);
            b = b.united(knob);
        }
    Outlined(p, b, QColor(236, 226, 200));
    p.restore();
}

void DrawFlask(QPainter& p) {
    QPainterPath f;
    f.moveTo(6.3, 1.5);
    f.lineTo(9.7, 1.5);
    f.lineTo(9.7, 6);
    f.lineTo(14, 13.2);
    f.quadTo(14.3, 14.5, 13, 14.5);
    f.lineTo(3, 14.5);
    f.quadTo(1.7, 14.5, 2, 13.2);
    f.lineTo(6.3, 6);
    f.closeSubpath();
    Outlined(p, f, QColor(226, 236, 242));
    QPainterPath liquid;
    liquid.addRect(QRectF(0, 9.5, 16, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(72, 184, 96));
    p.drawPath(f.intersected(liquid));
    p.setPen(QPen(QColor(90, 110, 120), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(f);
}

void DrawPot(QPainter& p) {
    QPainterPath body;
    body.moveTo(2.5, 7);
    body.lineTo(13.5, 7);
    body.lineTo(12.5, 13);
    body.quadTo(12.3, 14, 11.3, 14);
    body.lineTo(4.7, 14);
    body.quadTo(3.7, 14, 3.5, 13);
    body.closeSubpath();
    Outlined(p, body, QColor(96, 100, 112));
    QPainterPath rim;
    rim.addEllipse(QRectF(2.2, 5.6, 11.6, 3));
    Outlined(p, rim, QColor(232, 140, 56));
    p.setPen(QPen(QColor(150, 160, 176), 1.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath steam;
    steam.moveTo(6, 4.5);
    steam.quadTo(5, 3, 6, 1.5);
    steam.moveTo(10, 4.5);
    steam.quadTo(9, 3, 10, 1.5);
    p.drawPath(steam);
}

void DrawCrystal(QPainter& p) {
    QPainterPath c;
    c.moveTo(8, 1);
    c.lineTo(12.8, 5);
    c.lineTo(8, 15);
    c.lineTo(3.2, 5);
    c.closeSubpath();
    Outlined(p, c, QColor(120, 170, 236));
    QPainterPath facet;
    facet.moveTo(8, 1);
    facet.lineTo(10, 5);
    facet.lineTo(8, 15);
    facet.lineTo(6, 5);
    facet.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 226, 255));
    p.drawPath(facet);
    p.setPen(QPen(QColor(70, 110, 180), 0.7));
    p.drawLine(QPointF(3.2, 5), QPointF(12.8, 5));
}

QPixmap Guild(GuildPicture guild) {
    return Icon([guild](QPainter& p) {
        switch (guild) {
            case GuildPicture::Fishing: DrawFish(p); break;
            case GuildPicture::Woodworking: DrawLog(p); break;
            case GuildPicture::Smithing: DrawHammer(p); break;
            case GuildPicture::Goldsmithing: DrawRing(p); break;
            case GuildPicture::Clothcraft: DrawSpool(p); break;
            case GuildPicture::Leathercraft: DrawHide(p); break;
            case GuildPicture::Bonecraft: DrawBone(p); break;
            case GuildPicture::Alchemy: DrawFlask(p); break;
            case GuildPicture::Cooking: DrawPot(p); break;
            case GuildPicture::TradingHouse: DrawCrystal(p); break;
        }
    });
}

}  // namespace

const QPixmap& TownIcon(TownPicture town) {
    static const std::array<QPixmap, 6> icons = [] {
        std::array<QPixmap, 6> a;
        for (int i = 0; i < 6; ++i) a[static_cast<std::size_t>(i)] = Town(static_cast<TownPicture>(i));
        return a;
    }();
    return icons[static_cast<std::size_t>(town)];
}

const QPixmap& GuildIcon(GuildPicture guild) {
    static const std::array<QPixmap, 10> icons = [] {
        std::array<QPixmap, 10> a;
        for (int i = 0; i < 10; ++i) a[static_cast<std::size_t>(i)] = Guild(static_cast<GuildPicture>(i));
        return a;
    }();
    return icons[static_cast<std::size_t>(guild)];
}

}  // namespace norvane
