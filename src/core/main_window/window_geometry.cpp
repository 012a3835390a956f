#include "core/main_window/window_geometry.h"

namespace norvane {

QPoint FitToWorkArea(const QRect& wa, QPoint p, int w, int h) {
    const int right = wa.x() + wa.width(), bottom = wa.y() + wa.height();
    if (p.y() <= wa.y() - 3) p.setY(wa.y() - 3);
    if (p.y() + h >= bottom) p.setY(bottom - h);
    if (p.x() <= wa.x() - 3) p.setX(wa.x() - 3);
    if (p.x() + w >= right) p.setX(right - w);
    return p;
}

HitArea FrameHitTest(int x, int y, int cw, int ch, bool leftButtonDown) {
    const int fx = kFrameX, fy = kFrameY;
    if (x <= 2 * fx && y <= 2 * fy) return HitArea::TopLeft;
    if (x <= 2 * fx && y >= ch - 2 * fy) return HitArea::BottomLeft;
    if (x >= cw - 2 * fx && y <= 2 * fy) return HitArea::TopRight;
    if (x >= cw - 2 * fx - 8 && y >= ch - 2 * fy - 8) return HitArea::BottomRight;
    if (x <= fx) return HitArea::Left;
    if (x >= cw - fx) return HitArea::Right;
    if (y <= fy) return HitArea::Top;
    if (y >= ch - fy) return HitArea::Bottom;
    if (x > kSmallIcon + 8 && y <= kCaptionHeight && leftButtonDown) return HitArea::Caption;
    return HitArea::Default;
}

std::vector<QRect> WindowShape(int cw, int ch, bool maximized) {
    if (cw <= 0 || ch <= 0) return {};
    if (maximized || cw < 10 || ch < 10) return {QRect(0, 0, cw, ch)};
    // Inset of each of the four outermost rows, top and bottom alike.
    static const int kInset[] = {4, 2, 1, 1};
    std::vector<QRect> rows;
    for (int y = 0; y < 4; ++y) rows.push_back(QRect(kInset[y], y, cw - 2 * kInset[y], 1));
    rows.push_back(QRect(0, 4, cw, ch - 8));
    for (int y = ch - 4; y < ch; ++y) {
        int inset = kInset[ch - 1 - y];
        rows.push_back(QRect(inset, y, cw - 2 * inset, 1));
    }
    return rows;
}

bool InIconArea(int x, int y) {
    return x >= kFrameX && y >= kFrameY && x < kSmallIcon + 8 && y < kCaptionHeight;
}

bool InCaptionStrip(int x, int y, int cw) {
    return x >= kFrameX && y >= kFrameY && x < cw - kFrameY - 1 && y < kFrameY + kCaptionHeight;
}

QPoint ForecastPosition(const QRect& pic, int w, int h, const QRect& wa) {
    const int right = wa.x() + wa.width(), bottom = wa.y() + wa.height();
    QPoint p(pic.x(), pic.y() + pic.height());
    if (p.x() < wa.x()) p.setX(wa.x());
    if (right < p.x() + w) p.setX(right - w);
    if (p.y() < wa.y()) p.setY(wa.y());
    if (bottom < p.y() + h) p.setY(bottom - h);
    return p;
}

QPoint SimpleDragPosition(QPoint pos, int w, int h, QPoint mouse, QPoint origin,
                          const QRect& wa) {
    const int right = wa.x() + wa.width(), bottom = wa.y() + wa.height();
    QPoint p = pos + mouse - origin;
    if (p.x() <= wa.x()) p.setX(wa.x());
    if (p.x() + w >= right) p.setX(right - w);
    if (p.y() <= wa.y()) p.setY(wa.y());
    if (p.y() + h >= bottom) p.setY(bottom - h);
    return p;
}

QPoint SubDialogPosition(const QRect& owner, int w, int h, const QRect& workArea) {
    const int right = workArea.x() + workArea.width(), bottom = workArea.y() + workArea.height();
    QPoint p(owner.x() + owner.width() / 2 - w / 2, owner.y() + owner.height() / 2 - h / 2);
    if (p.x() < workArea.x()) p.setX(workArea.x());
    if (p.y() < workArea.y()) p.setY(workArea.y());
    if (p.x() + w > right) p.setX(right - w);
    if (p.y() + h > bottom) p.setY(bottom - h);
    return p;
}

}  // namespace norvane
