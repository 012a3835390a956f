#include "gui/art/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QThreadPool>
#include <QtMath>

#include <array>
#include <functional>
#include <future>
#include <iterator>
#include <memory>

#include "gui/forecast/moon_ring.h"

namespace norvane {
namespace {

using Draw = std::function<void(QPainter&)>;

// Renders `draw` into a w x h image, its coordinates multiplied by `scale`.
// Images, unlike pixmaps, may be drawn on any thread.
QImage RenderImage(int w, int h, qreal scale, const Draw& draw) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    draw(p);
    return image;
}

QPixmap Render(int w, int h, qreal scale, const Draw& draw) {
    return QPixmap::fromImage(RenderImage(w, h, scale, draw));
}

// Square pictures are designed on a 32 x 32 grid and drawn at any size.
QImage SquareImage(int size, const Draw& draw) { return RenderImage(size, size, size / 32.0, draw); }
QPixmap Square(int size, const Draw& draw) { return Render(size, size, size / 32.0, draw); }

// ---- Weekday badges: a shaded disc in the element's colour, a white symbol ----

QPainterPath FlamePath() {
    QPainterPath f;
    f.moveTo(16, 25.5);
    f.cubicTo(11, 25.5, 8.5, 21.5, 9.8, 17.5);
    f.cubicTo(10.6, 15, 12.6, 13.6, 12.6, 10.8);
    f.cubicTo(14.6, 12.2, 15.4, 14, 15.2, 15.8);
    f.cubicTo(16.8, 13.4, 17.8, 10, 17.2, 6.2);
    f.cubicTo(21.2, 9.2, 23.6, 13.8, 22.9, 18.6);
    f.cubicTo(22.4, 22.6, 19.6, 25.5, 16, 25.5);
    return f;
}

QPainterPath DropPath(qreal top, qreal bottom, qreal halfWidth) {
    QPainterPath d;
    const qreal cy = bottom - halfWidth;
    d.moveTo(16, top);
    d.cubicTo(16, top, 16 - halfWidth, cy - halfWidth * 0.9, 16 - halfWidth, cy);
    d.arcTo(16 - halfWidth, cy - halfWidth, 2 * halfWidth, 2 * halfWidth, 180, 180);
    d.cubicTo(16 + halfWidth, cy - halfWidth * 0.9, 16, top, 16, top);
    return d;
}

// A four-pointed star.
QPainterPath Sparkle(QPointF c, qreal r) {
    QPainterPath s;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4 - M_PI / 2;
        const qreal len = i % 2 == 0 ? r : r * 0.3;
        const QPointF pt(c.x() + len * qCos(a), c.y() + len * qSin(a));
        i == 0 ? s.moveTo(pt) : s.lineTo(pt);
    }
    s.closeSubpath();
    return s;
}

void DrawSymbol(QPainter& p, int weekday) {
    const QColor white(255, 255, 255);
    QPen line(white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (weekday) {
    case 0:  // 火 fire
        p.fillPath(FlamePath(), white);
        p.fillPath(DropPath(15.5, 24.5, 3.2), QColor(255, 196, 80));
        break;
    case 1: {  // 土 earth: two peaks over the ground line
        QPainterPath m;
        m.moveTo(5.5, 23);
        m.lineTo(12.5, 10.5);
        m.lineTo(16.5, 17.5);
        m.lineTo(19.5, 13);
        m.lineTo(26.5, 23);
        m.closeSubpath();
        p.fillPath(m, white);
        p.setPen(QPen(QColor(150, 100, 40), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(10.2, 14.6), QPointF(12.5, 16.5), QPointF(14.7, 14.4)}));
        break;
    }
    case 2:  // 水 water
        p.fillPath(DropPath(5.5, 25.5, 6.8), white);
        p.setPen(QPen(QColor(60, 130, 230), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(11.6, 15.4, 8.8, 8.8), 190 * 16, 70 * 16);
        break;
    case 3: {  // 風 wind: three gusts, two curling
        p.setPen(line);
        QPainterPath g;
        g.moveTo(5.5, 12.5);
        g.lineTo(18.5, 12.5);
        g.cubicTo(23.5, 12.5, 23.5, 6.5, 19.5, 6.8);
        g.cubicTo(17.5, 7, 17, 9.5, 18.6, 10);
        g.moveTo(5.5, 17);
        g.lineTo(22, 17);
        g.cubicTo(27.5, 17, 27.5, 24, 23, 23.6);
        g.cubicTo(21, 23.4, 20.6, 21, 22.2, 20.5);
        g.moveTo(8, 21.5);
        g.lineTo(15.5, 21.5);
        p.drawPath(g);
        break;
    }
    case 4: {  // 氷 ice: six-armed snowflake
        p.save();
        p.setPen(QPen(white, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.translate(16, 16);
        for (int arm = 0; arm < 6; ++arm) {
            p.drawLine(QPointF(0, 0), QPointF(0, -10));
            p.drawLine(QPointF(0, -6), QPointF(-3.2, -9));
            p.drawLine(QPointF(0, -6), QPointF(3.2, -9));
            p.rotate(60);
        }
        p.restore();
        break;
    }
    case 5: {  // 雷 lightning
        QPolygonF bolt({QPointF(19, 4.5), QPointF(10, 17.5), QPointF(15, 17.5), QPointF(12.5, 27.5),
                        QPointF(22.5, 13.5), QPointF(17.2, 13.5), QPointF(21.5, 4.5)});
        QPainterPath b;
        b.addPolygon(bolt);
        b.closeSubpath();
        p.fillPath(b, QColor(255, 240, 120));
        p.setPen(QPen(white, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(b);
        break;
    }
    case 6:  // 光 light: a sun
        p.setPen(QPen(white, 2.0, Qt::SolidLine, Qt::RoundCap));
        for (int ray = 0; ray < 8; ++ray) {
            const qreal a = ray * M_PI / 4;
            p.drawLine(QPointF(16 + 7.5 * qCos(a), 16 + 7.5 * qSin(a)), QPointF(16 + 10.5 * qCos(a), 16 + 10.5 * qSin(a)));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawEllipse(QPointF(16, 16), 5, 5);
        break;
    case 7: {  // 闇 dark: a crescent with a small star
        QPainterPath disc, bite;
        disc.addEllipse(QPointF(15, 16.5), 8.5, 8.5);
        bite.addEllipse(QPointF(19.5, 13.5), 7.5, 7.5);
        p.fillPath(disc.subtracted(bite), QColor(214, 196, 255));
        p.fillPath(Sparkle(QPointF(20.5, 11.5), 3.6), QColor(214, 196, 255));
        break;
    }
    default:
        break;
    }
}

// Element colours: fire, earth, water, wind, ice, lightning, light, dark.
const QColor kElement[8] = {{214, 52, 38},  {166, 112, 44}, {36, 104, 214}, {40, 160, 72},
                            {52, 176, 214}, {132, 72, 204}, {226, 178, 30}, {52, 40, 84}};

void DrawWeekBadge(QPainter& p, int weekday) {
    const QColor base = kElement[weekday];
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(0.55, base);
    g.setColorAt(1, base.darker(150));
    p.setPen(QPen(base.darker(180), 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    // A soft gloss on the upper half.
    QLinearGradient gloss(0, 2, 0, 16);
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(5, 2.5, 22, 14));
    p.setBrush(Qt::NoBrush);
    DrawSymbol(p, weekday);
}

QPixmap Greyed(const QPixmap& source) {
    QImage img = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int grey = qGray(row[x]);
            // Lifted and flattened, so the marked weekdays stand out beside them.
            const int v = 150 + grey * 90 / 255;
            row[x] = qRgba(v, v, v, qAlpha(row[x]));
        }
    }
    return QPixmap::fromImage(img);
}

// ---- Moon phases: 12 evenly spaced phases, new moon at index 2 ----

void DrawMoon(QPainter& p, int phase) {
    const QPointF c(16, 16);
    const qreal r = 13;
    // Phase angle from new moon; waxing (right side lit) for the first half.
    const qreal theta = ((phase - 2 + 12) % 12) * M_PI / 6;
    // Squaring the terminator's offset widens the thin crescents, which would
    // otherwise vanish at 16 pixels; new, quarter and full stay exact.
    const qreal k = qCos(theta) * qAbs(qCos(theta));
    const bool waxing = theta < M_PI;
    const qreal side = waxing ? 1 : -1;

    QRadialGradient dark(QPointF(13, 12), 18);
    dark.setColorAt(0, QColor(84, 94, 122));
    dark.setColorAt(1, QColor(40, 46, 66));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(c, r, r);

    QPainterPath lit;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {  // the limb, top to bottom
        const qreal t = M_PI * i / steps;
        const QPointF pt(c.x() + side * r * qSin(t), c.y() - r * qCos(t));
        i == 0 ? lit.moveTo(pt) : lit.lineTo(pt);
    }
    for (int i = steps; i >= 0; --i) {  // the terminator, bottom to top
        const qreal t = M_PI * i / steps;
        lit.lineTo(c.x() + side * k * r * qSin(t), c.y() - r * qCos(t));
    }
    lit.closeSubpath();
    QRadialGradient light(QPointF(13, 11), 19);
    light.setColorAt(0, QColor(255, 250, 214));
    light.setColorAt(1, QColor(232, 206, 112));
    p.fillPath(lit, light);

    // A few maria, only where the disc is lit.
    p.save();
    p.setClipPath(lit);
    p.setBrush(QColor(196, 170, 90, 110));
    p.drawEllipse(QPointF(12, 11), 3.2, 2.6);
    p.drawEllipse(QPointF(19.5, 19), 2.6, 2.2);
    p.drawEllipse(QPointF(14, 21.5), 1.8, 1.5);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 160, 190, 170), 0.9));
    p.drawEllipse(c, r, r);
}

// ---- Other pictures ----

void DrawClockFace(QPainter& p) {
    QRadialGradient rim(QPointF(11, 9), 24);
    rim.setColorAt(0, QColor(86, 148, 214));
    rim.setColorAt(1, QColor(22, 62, 128));
    p.setPen(QPen(QColor(16, 44, 96), 1.0));
    p.setBrush(rim);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    QRadialGradient face(QPointF(13, 12), 16);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(222, 230, 242));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(QPointF(16, 16), 11.5, 11.5);
    p.save();
    p.translate(16, 16);
    for (int h = 0; h < 12; ++h) {
        p.setPen(QPen(QColor(40, 56, 90), h % 3 == 0 ? 1.6 : 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -10), QPointF(0, h % 3 == 0 ? -7.5 : -8.6));
        p.rotate(30);
    }
    p.setPen(QPen(QColor(30, 40, 64), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(-4.6, -3.2));  // hour, near ten
    p.setPen(QPen(QColor(30, 40, 64), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(6.4, -5.2));  // minute, near two
    p.setPen(QPen(QColor(214, 60, 40), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.rotate(160);
    p.drawLine(QPointF(0, 2.5), QPointF(0, -9));  // second
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 60, 40));
    p.drawEllipse(QPointF(0, 0), 1.4, 1.4);
    p.restore();
}

void DrawLogo(QPainter& p) {
    // Drawn on a 46 x 32 grid: a night-blue plate, a bold N and a crescent.
    QLinearGradient plate(0, 0, 0, 32);
    plate.setColorAt(0, QColor(52, 92, 164));
    plate.setColorAt(1, QColor(18, 36, 84));
    p.setPen(QPen(QColor(12, 26, 64), 1.0));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(0.5, 0.5, 45, 31), 6, 6);
    QPainterPath n;
    n.addPolygon(QPolygonF({QPointF(6, 26), QPointF(6, 6), QPointF(10.5, 6), QPointF(19, 18.5), QPointF(19, 6),
                            QPointF(23, 6), QPointF(23, 26), QPointF(18.5, 26), QPointF(10, 13.5), QPointF(10, 26)}));
    n.closeSubpath();
    p.fillPath(n, QColor(245, 248, 255));
    QPainterPath disc, bite;
    disc.addEllipse(QPointF(34, 14), 8, 8);
    bite.addEllipse(QPointF(37.5, 11.5), 7, 7);
    p.fillPath(disc.subtracted(bite), QColor(250, 222, 120));
    p.fillPath(Sparkle(QPointF(38.5, 9.5), 3.4), QColor(250, 222, 120));
}

void DrawArrow(QPainter& p, int position) {
    // Point from the ring's centre towards marker `position` and its moon.
    const RingPlace& at = kMoonRing[position];
    const qreal cx = (kMoonRing[5].checkLeft + kMoonRing[11].checkLeft) / 2.0 + 8;
    const qreal cy = (kMoonRing[8].checkTop + kMoonRing[2].checkTop) / 2.0 + 8;
    const qreal angle = qRadiansToDegrees(qAtan2(at.checkTop + 8 - cy, at.checkLeft + 8 - cx));
    p.translate(16, 16);
    p.rotate(angle);
    QPainterPath tri;
    tri.moveTo(14, 0);
    tri.lineTo(-9, -12);
    tri.lineTo(-4, 0);
    tri.lineTo(-9, 12);
    tri.closeSubpath();
    QLinearGradient g(0, -10, 0, 10);
    g.setColorAt(0, QColor(255, 176, 64));
    g.setColorAt(1, QColor(232, 96, 0));
    p.setPen(QPen(QColor(150, 60, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(tri);
}

void DrawCheck(QPainter& p) {
    p.setPen(QPen(QColor(32, 140, 56), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(13, 24), QPointF(26, 8)}));
}

const QColor kNation[3] = {{196, 36, 44}, {36, 84, 196}, {36, 148, 68}};  // San d'Oria, Bastok, Windurst
const char* const kNationInitial[3] = {"S", "B", "W"};

void DrawBallista(QPainter& p, int match) {
    // Drawn on the 50 x 15 pixel grid itself.
    static const int kSides[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    const int a = kSides[match][0], b = kSides[match][1];
    QPainterPath plate;
    plate.addRoundedRect(QRectF(0.5, 0.5, 49, 14), 3, 3);
    QPainterPath left, right;
    left.addPolygon(QPolygonF({QPointF(0, 0), QPointF(27.5, 0), QPointF(22.5, 15), QPointF(0, 15)}));
    right.addPolygon(QPolygonF({QPointF(27.5, 0), QPointF(50, 0), QPointF(50, 15), QPointF(22.5, 15)}));
    p.fillPath(plate.intersected(left), kNation[a]);
    p.fillPath(plate.intersected(right), kNation[b]);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(27.5, 0.5), QPointF(22.5, 14.5));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(plate);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 0, 21, 15), Qt::AlignCenter, QString::fromLatin1(kNationInitial[a]));
    p.drawText(QRectF(28, 0, 21, 15), Qt::AlignCenter, QString::fromLatin1(kNationInitial[b]));
}

void DrawSimpleButton(QPainter& p, SimpleButton button, bool highlighted) {
    // Drawn on the 15 x 15 pixel grid itself.
    QLinearGradient g(0, 0, 0, 15);
    g.setColorAt(0, highlighted ? QColor(255, 214, 160) : QColor(250, 250, 250));
    g.setColorAt(1, highlighted ? QColor(255, 150, 40) : QColor(214, 214, 214));
    p.setPen(QPen(highlighted ? QColor(200, 100, 0) : QColor(140, 140, 140), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 14, 14), 3, 3);
    const QColor ink = highlighted ? QColor(110, 40, 0) : QColor(64, 64, 64);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (button) {
    case SimpleButton::Exit:
        p.drawLine(QPointF(4.5, 4.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 4.5), QPointF(4.5, 10.5));
        break;
    case SimpleButton::Return:  // a full window: back to normal mode
        p.setPen(QPen(ink, 1.0));
        p.drawRect(QRectF(3.5, 3.5, 8, 8));
        p.fillRect(QRectF(3.5, 3.5, 8, 2.5), ink);
        break;
    case SimpleButton::Menu: {
        QPainterPath tri;
        tri.addPolygon(QPolygonF({QPointF(3.5, 5.5), QPointF(11.5, 5.5), QPointF(7.5, 10.5)}));
        tri.closeSubpath();
        p.fillPath(tri, ink);
        break;
    }
    }
}

void DrawHand(QPainter& p) {
    QPainterPath hand;
    auto add = [&hand](const QRectF& r, qreal radius) {
        QPainterPath part;
        part.addRoundedRect(r, radius, radius);
        hand = hand.united(part);
    };
    add(QRectF(8.5, 1.5, 4, 17), 2);     // index finger
    add(QRectF(12.5, 9.5, 4, 9), 2);     // middle
    add(QRectF(16.5, 10.5, 4, 8), 2);    // ring
    add(QRectF(20.5, 12, 3.5, 7), 1.75); // little finger
    add(QRectF(8.5, 14, 15.5, 13), 4);   // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2, -1.75, 9.5, 3.5), 1.75, 1.75);
    QTransform t;
    t.translate(9.5, 21.5);
    t.rotate(-130);
    hand = hand.united(t.map(thumb));
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    p.drawLine(QPointF(12.5, 12), QPointF(12.5, 15.5));
    p.drawLine(QPointF(16.5, 12.5), QPointF(16.5, 15.5));
    p.drawLine(QPointF(20.5, 14), QPointF(20.5, 16.5));
}

QVector<QPixmap> Series(int count, int size, const std::function<void(QPainter&, int)>& draw) {
    QVector<QPixmap> list;
    for (int i = 0; i < count; ++i) list.append(Square(size, [&](QPainter& p) { draw(p, i); }));
    return list;
}

// The pictures of the first window, drawn ahead on another thread (see
// PrepareStartupPictures).
constexpr int kIconSizes[] = {16, 24, 32, 48};

struct StartupImages {
    int weekday = -1, moon = -1;
    QImage week, moonImage, clock, logo, hand;
    QImage icon[std::size(kIconSizes)];
    QImage simple[6];
};

std::shared_future<StartupImages>& StartupJob() {
    static std::shared_future<StartupImages> job;
    return job;
}

// The images drawn ahead, once they are done; null when none were asked for.
const StartupImages* Startup() {
    auto& job = StartupJob();
    return job.valid() ? &job.get() : nullptr;
}

// One picture of a 32 x 32 series, drawn the first time it is asked for (or
// taken from the ones drawn ahead): the clock panel shows one weekday and one
// moon, and start-up should not pay for the other eighteen.
template <std::size_t N>
const QPixmap& OneOf(std::array<QPixmap, N>& cache, int index, void (*draw)(QPainter&, int),
                     const QImage* ahead) {
    static const QPixmap none;
    if (index < 0 || index >= static_cast<int>(N)) return none;
    QPixmap& pm = cache[static_cast<std::size_t>(index)];
    if (pm.isNull()) pm = ahead ? QPixmap::fromImage(*ahead) : Square(32, [&](QPainter& p) { draw(p, index); });
    return pm;
}

// The whole series, from the one-at-a-time accessor.
QVector<QPixmap> Collect(int count, const QPixmap& (*one)(int)) {
    QVector<QPixmap> all;
    for (int i = 0; i < count; ++i) all.append(one(i));
    return all;
}

}  // namespace

const QPixmap& WeekPicture(int weekday) {
    static std::array<QPixmap, 8> cache;
    const StartupImages* s = Startup();
    return OneOf(cache, weekday, DrawWeekBadge, s && s->weekday == weekday ? &s->week : nullptr);
}

const QPixmap& MoonPicture(int moon) {
    static std::array<QPixmap, 12> cache;
    const StartupImages* s = Startup();
    return OneOf(cache, moon, DrawMoon, s && s->moon == moon ? &s->moonImage : nullptr);
}

const QVector<QPixmap>& WeekPictures() {
    static const QVector<QPixmap> list = Collect(8, WeekPicture);
    return list;
}

const QVector<QPixmap>& WeekGreyPictures() {
    static const QVector<QPixmap> list = [] {
        QVector<QPixmap> grey;
        for (const QPixmap& pm : WeekPictures()) grey.append(Greyed(pm));
        return grey;
    }();
    return list;
}

const QVector<QPixmap>& MoonPictures() {
    static const QVector<QPixmap> list = Collect(12, MoonPicture);
    return list;
}

const QVector<QPixmap>& WeekSmallPictures() {
    static const QVector<QPixmap> list = Series(8, 16, DrawWeekBadge);
    return list;
}

const QVector<QPixmap>& MoonSmallPictures() {
    static const QVector<QPixmap> list = Series(12, 16, DrawMoon);
    return list;
}

const QVector<QPixmap>& BallistaPictures() {
    static const QVector<QPixmap> list = [] {
        QVector<QPixmap> out;
        for (int m = 0; m < 3; ++m) out.append(Render(50, 15, 1, [m](QPainter& p) { DrawBallista(p, m); }));
        return out;
    }();
    return list;
}

const QVector<QPixmap>& ArrowPictures() {
    static const QVector<QPixmap> list = Series(12, 16, DrawArrow);
    return list;
}

const QPixmap& CheckPicture() {
    static const QPixmap pm = Square(16, DrawCheck);
    return pm;
}

// ---- Pictures of the first window ----

namespace {

QImage SimpleButtonImage(int face) {
    const auto button = static_cast<SimpleButton>(face / 2);
    const bool hi = face % 2 == 1;
    return RenderImage(15, 15, 1, [button, hi](QPainter& p) { DrawSimpleButton(p, button, hi); });
}

QPixmap FromStartup(QImage StartupImages::*image, const std::function<QPixmap()>& draw) {
    const StartupImages* s = Startup();
    return s ? QPixmap::fromImage(s->*image) : draw();
}

}  // namespace

void PrepareStartupPictures(int weekday, int moon) {
    auto& job = StartupJob();
    if (job.valid()) return;
    auto promise = std::make_shared<std::promise<StartupImages>>();
    job = promise->get_future().share();
    // A thread of the pool draws them: there the raster engine fills serially
    // instead of handing every small shape to other threads.
    QThreadPool::globalInstance()->start([promise, weekday, moon] {
        StartupImages s;
        s.clock = SquareImage(32, DrawClockFace);
        for (std::size_t i = 0; i < std::size(kIconSizes); ++i)
            s.icon[i] = kIconSizes[i] == 32 ? s.clock : SquareImage(kIconSizes[i], DrawClockFace);
        s.logo = RenderImage(46, 32, 1, DrawLogo);
        s.hand = SquareImage(32, DrawHand);
        for (int face = 0; face < 6; ++face) s.simple[face] = SimpleButtonImage(face);
        if (weekday >= 0 && weekday < 8) {
            s.weekday = weekday;
            s.week = SquareImage(32, [weekday](QPainter& p) { DrawWeekBadge(p, weekday); });
        }
        if (moon >= 0 && moon < 12) {
            s.moon = moon;
            s.moonImage = SquareImage(32, [moon](QPainter& p) { DrawMoon(p, moon); });
        }
        promise->set_value(std::move(s));
    });
}

const QPixmap& ClockPicture() {
    static const QPixmap pm = FromStartup(&StartupImages::clock, [] { return Square(32, DrawClockFace); });
    return pm;
}

const QPixmap& LogoPicture() {
    static const QPixmap pm = FromStartup(&StartupImages::logo, [] { return Render(46, 32, 1, DrawLogo); });
    return pm;
}

const QIcon& WindowIcon() {
    static const QIcon icon = [] {
        QIcon i;
        const StartupImages* s = Startup();
        for (std::size_t k = 0; k < std::size(kIconSizes); ++k)
            i.addPixmap(s ? QPixmap::fromImage(s->icon[k]) : Square(kIconSizes[k], DrawClockFace));
        return i;
    }();
    return icon;
}

QImage WindowIconImage(int size) { return SquareImage(size, DrawClockFace); }

const QPixmap& SimpleButtonPicture(SimpleButton button, bool highlighted) {
    static const QVector<QPixmap> faces = [] {
        QVector<QPixmap> out;
        const StartupImages* s = Startup();
        for (int face = 0; face < 6; ++face)
            out.append(QPixmap::fromImage(s ? s->simple[face] : SimpleButtonImage(face)));
        return out;
    }();
    return faces[static_cast<int>(button) * 2 + (highlighted ? 1 : 0)];
}

const QCursor& PointCursor() {
    static const QCursor cursor(FromStartup(&StartupImages::hand, [] { return Square(32, DrawHand); }), 10, 1);
    return cursor;
}

}  // namespace norvane
