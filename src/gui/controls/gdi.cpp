#include "gui/controls/gdi.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace norvane {

std::optional<QPalette::ColorRole> PaletteRole(Colour c) {
    if (!IsPaletteColour(c)) return std::nullopt;
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Dark})
        if ((c & 0xFF) == (PaletteColour(role) & 0xFF)) return role;
    return std::nullopt;
}

Colour ColorToRgb(Colour c, const QPalette& palette) {
    if (!IsPaletteColour(c)) return c & 0x00FFFFFFu;
    const std::optional<QPalette::ColorRole> role = PaletteRole(c);
    return role ? FromQColor(palette.color(*role)) : Rgb(0, 0, 0);
}

Colour ColorToRgb(Colour c) {
    if (!IsPaletteColour(c)) return c & 0x00FFFFFFu;
    return ColorToRgb(c, QGuiApplication::palette());
}

QColor ToQColor(Colour c) {
    const Colour rgb = ColorToRgb(c);
    return QColor(RValue(rgb), GValue(rgb), BValue(rgb));
}

Colour FromQColor(const QColor& c) {
    return Rgb(c.red(), c.green(), c.blue());
}

Colour ShadeColor(Colour from, Colour to, int f) {
    const Colour a = NearestColor(ColorToRgb(from));
    const Colour b = NearestColor(ColorToRgb(to));
    // Integer division truncates toward zero, as the shades are defined.
    auto mix = [f](int x, int y) { return x + (y - x) * f / 19; };
    return Rgb(mix(RValue(a), RValue(b)), mix(GValue(a), GValue(b)), mix(BValue(a), BValue(b)));
}

std::vector<QPoint> LinePixels(QPoint a, QPoint b) {
    std::vector<QPoint> pixels;
    const int dx = std::abs(b.x() - a.x());
    const int dy = std::abs(b.y() - a.y());
    const int sx = b.x() < a.x() ? -1 : 1;
    const int sy = b.y() < a.y() ? -1 : 1;
    int x = a.x();
    int y = a.y();
    if (dx >= dy) {
        int err = dx / 2;
        pixels.reserve(static_cast<std::size_t>(dx));
        for (int i = 0; i < dx; ++i) {
            pixels.emplace_back(x, y);
            x += sx;
            err -= dy;
            if (err < 0) {
                y += sy;
                err += dx;
            }
        }
    } else {
        int err = dy / 2;
        pixels.reserve(static_cast<std::size_t>(dy));
        for (int i = 0; i < dy; ++i) {
            pixels.emplace_back(x, y);
            y += sy;
            err -= dx;
            if (err < 0) {
                x += sx;
                err += dy;
            }
        }
    }
    return pixels;
}

Gdi::Gdi(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void Gdi::FillRect(const QRect& r, Colour color) {
    if (r.width() <= 0 || r.height() <= 0) return;
    painter_.fillRect(r, ToQColor(color));
}

void Gdi::SetPixel(int x, int y, Colour color) {
    painter_.fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

void Gdi::Pixels(std::span<const QPoint> points, const QColor& color) {
    for (const QPoint& p : points) painter_.fillRect(QRect(p.x(), p.y(), 1, 1), color);
}

void Gdi::Line(QPoint a, QPoint b, Colour pen) {
    if (a == b) return;
    const QColor color = ToQColor(pen);
    // Straight runs are one rectangle each; only slanted lines go pixel by pixel.
    if (a.y() == b.y()) {
        const int x1 = a.x() < b.x() ? a.x() : b.x() + 1;
        const int x2 = a.x() < b.x() ? b.x() - 1 : a.x();
        painter_.fillRect(QRect(x1, a.y(), x2 - x1 + 1, 1), color);
    } else if (a.x() == b.x()) {
        const int y1 = a.y() < b.y() ? a.y() : b.y() + 1;
        const int y2 = a.y() < b.y() ? b.y() - 1 : a.y();
        painter_.fillRect(QRect(a.x(), y1, 1, y2 - y1 + 1), color);
    } else {
        const std::vector<QPoint> pixels = LinePixels(a, b);
        Pixels(pixels, color);
    }
}

void Gdi::Polyline(std::span<const QPoint> points, Colour pen) {
    for (std::size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i], pen);
}

void Gdi::Polygon(std::span<const QPoint> points, Colour brush, Colour pen) {
    if (points.empty()) return;
    if (points.size() >= 3) {
        // Even-odd scanline fill of the pixels whose centres lie inside. Rows with
        // the same spans are merged into one rectangle; the outline drawn next
        // covers the boundary pixels.
        int top = points[0].y();
        int bottom = top;
        for (const QPoint& p : points) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        const QColor fill = ToQColor(brush);
        std::vector<double> crossings;
        std::vector<std::pair<int, int>> spans;
        std::vector<std::pair<int, int>> pending;
        int pendingTop = top;
        auto flush = [&](int endRow) {
            for (const auto& [x1, x2] : pending)
                painter_.fillRect(QRect(x1, pendingTop, x2 - x1 + 1, endRow - pendingTop), fill);
            pending.clear();
        };
        const std::size_t n = points.size();
        for (int y = top; y <= bottom; ++y) {
            crossings.clear();
            for (std::size_t i = 0; i < n; ++i) {
                const QPoint& a = points[i];
                const QPoint& b = points[(i + 1) % n];
                if (a.y() == b.y()) continue;
                const int lo = std::min(a.y(), b.y());
                const int hi = std::max(a.y(), b.y());
                if (y < lo || y >= hi) continue;
                crossings.push_back(a.x() + static_cast<double>(y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
            }
            std::sort(crossings.begin(), crossings.end());
            spans.clear();
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                const int x1 = static_cast<int>(std::ceil(crossings[i]));
                const int x2 = static_cast<int>(std::floor(crossings[i + 1]));
                if (x1 <= x2) spans.emplace_back(x1, x2);
            }
            if (spans != pending) {
                flush(y);
                pending = spans;
                pendingTop = y;
            }
        }
        flush(bottom + 1);
    }
    const std::size_t n = points.size();
    if (n == 1) return;
    for (std::size_t i = 0; i < n; ++i) Line(points[i], points[(i + 1) % n], pen);
}

void Gdi::FrameRect(const QRect& r, Colour pen) {
    Polyline({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()}, pen);
}

void Gdi::TextOut(int x, int y, const QString& text, Colour color, int escapement) {
    if (text.isEmpty()) return;
    painter_.save();
    painter_.setPen(ToQColor(color));
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.translate(x, y);
    // The painter turns clockwise on screen; escapement counts counterclockwise.
    if (escapement != 0) painter_.rotate(-escapement / 10.0);
    painter_.drawText(QPoint(0, painter_.fontMetrics().ascent()), text);
    painter_.restore();
}

}  // namespace norvane
