#include "gui/art/version_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "gui/art/pictures.h"

namespace norvane {

namespace {

QPixmap DrawTitle() {
    QImage img(180, 24, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(0, 0, 24, 24), ClockPicture());

    // The name as an outline, so it looks the same whatever fonts are installed
    // beyond the family's fallback.
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(17);
    face.setBold(true);
    face.setItalic(true);
    QPainterPath name;
    name.addText(30, 18, face, QStringLiteral("Norvane"));
    QLinearGradient ink(0, 2, 0, 22);
    ink.setColorAt(0, QColor(40, 96, 200));
    ink.setColorAt(1, QColor(16, 40, 112));
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.0));
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(name);

    // A thin underline that runs out to the right, under the subtitle.
    const qreal end = name.boundingRect().right() + 4;
    // The subtitle in the largest size that fits the space left beside the name.
    const QString subtitle = QStringLiteral("Vana'diel clock");
    QFont small(QStringLiteral("DejaVu Sans"));
    for (int px = 9; px >= 6; --px) {
        small.setPixelSize(px);
        if (QFontMetricsF(small).horizontalAdvance(subtitle) <= 178 - end) break;
    }
    p.setFont(small);
    p.setPen(QColor(96, 104, 128));
    p.drawText(QRectF(end, 8, 180 - end, 12), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    QLinearGradient rule(30, 0, 180, 0);
    rule.setColorAt(0, QColor(40, 96, 200));
    rule.setColorAt(1, QColor(40, 96, 200, 0));
    p.fillRect(QRectF(30, 22, 150, 1), rule);
    p.end();
    return QPixmap::fromImage(img);
}

}  // namespace

const QPixmap& VersionTitlePicture() {
    static const QPixmap pm = DrawTitle();
    return pm;
}

}  // namespace norvane
