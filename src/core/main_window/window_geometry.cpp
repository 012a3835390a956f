#include "core/main_window/window_geometry.h"

namespace norvane {

WinPoint FitToWorkArea(const WinRect& wa, WinPoint p, int w, int h) {
    if (p.y <= wa.top - 3) p.y = wa.top - 3;
    if (p.y + h >= wa.bottom) p.y = wa.bottom - h;
    if (p.x <= wa.left - 3) p.x = wa.left - 3;
    if (p.x + w >= wa.right) p.x = wa.right - w;
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

std::vector<WinRect> WindowShape(int cw, int ch, bool maximized) {
    if (cw <= 0 || ch <= 0) return {};
    if (maximized || cw < 10 || ch < 10) return {WinRect{0, 0, cw, ch}};
    // Inset of each of the four outermost rows, top and bottom alike.
    static const int kInset[] = {4, 2, 1, 1};
    std::vector<WinRect> rows;
    for (int y = 0; y < 4; ++y) rows.push_back({kInset[y], y, cw - kInset[y], y + 1});
    rows.push_back({0, 4, cw, ch - 4});
    for (int y = ch - 4; y < ch; ++y) {
        int inset = kInset[ch - 1 - y];
        rows.push_back({inset, y, cw - inset, y + 1});
    }
    return rows;
}

bool InIconArea(int x, int y) {
    return x >= kFrameX && y >= kFrameY && x < kSmallIcon + 8 && y < kCaptionHeight;
}

bool InCaptionStrip(int x, int y, int cw) {
    return x >= kFrameX && y >= kFrameY && x < cw - kFrameY - 1 && y < kFrameY + kCaptionHeight;
}

WinPoint ForecastPosition(const WinRect& pic, int w, int h, const WinRect& wa) {
    WinPoint p{pic.left, pic.bottom};
    if (p.x < wa.left) p.x = wa.left;
    if (wa.right < p.x + w) p.x = wa.right - w;
    if (p.y < wa.top) p.y = wa.top;
    if (wa.bottom < p.y + h) p.y = wa.bottom - h;
    return p;
}

WinPoint SimpleDragPosition(WinPoint pos, int w, int h, WinPoint mouse, WinPoint origin,
                            const WinRect& wa) {
    WinPoint p{pos.x + mouse.x - origin.x, pos.y + mouse.y - origin.y};
    if (p.x <= wa.left) p.x = wa.left;
    if (p.x + w >= wa.right) p.x = wa.right - w;
    if (p.y <= wa.top) p.y = wa.top;
    if (p.y + h >= wa.bottom) p.y = wa.bottom - h;
    return p;
}

}  // namespace norvane
