#pragma once
// Pixel-exact drawing for the self-drawn controls and window frame.
//
// The controls' look is defined pixel by pixel in the classic device-context
// rules, which differ from QPainter's: a line never sets its end point, a
// polygon is filled with the brush and then outlined by a one-pixel pen through
// its vertices, and nothing is antialiased. `Gdi` draws with those rules on a
// QPainter, using only integer rectangle fills, so the result does not depend on
// QPainter's pen geometry.
//
// Colours are `ColorRef`s: 0x00BBGGRR, or a system colour resolved when drawn.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

class QPainter;

namespace norvane {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RValue(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GValue(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BValue(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// System colours: the flag 0x80000000 with the colour's index in the low byte.
enum SystemColorIndex { COLOR_BACKGROUND = 1, COLOR_WINDOW = 5, COLOR_BTNFACE = 15 };
constexpr ColorRef kSystemColorFlag = 0x80000000u;
constexpr ColorRef SystemColor(SystemColorIndex index) { return kSystemColorFlag | static_cast<ColorRef>(index); }
constexpr bool IsSystemColor(ColorRef c) { return (c & kSystemColorFlag) != 0; }

constexpr ColorRef clWindow = SystemColor(COLOR_WINDOW);
constexpr ColorRef clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr ColorRef clBackground = SystemColor(COLOR_BACKGROUND);

// The one mapping of system colours onto the palette:
//   COLOR_WINDOW     -> QPalette::Base    (background of text and list areas)
//   COLOR_BTNFACE    -> QPalette::Button  (face of buttons and dialogs)
//   COLOR_BACKGROUND -> QPalette::Dark    (the desktop colour has no palette
//                                          role; the dark tone serves outlines)
// Any other system colour resolves to black. Plain colours pass through.
ColorRef ColorToRgb(ColorRef c, const QPalette& palette);
// The same against the application palette.
ColorRef ColorToRgb(ColorRef c);

// Nearest colour a drawing surface can show; every surface here is true colour.
constexpr ColorRef NearestColor(ColorRef c) { return c; }

QColor ToQColor(ColorRef c);  // resolves system colours against the application palette
ColorRef FromQColor(const QColor& c);

// A colour between `from` and `to`, per channel from + (to - from) * f / 19 with
// the division truncating toward zero: f = 0 is `from`, f = 19 is `to`. Both
// colours are resolved and matched to the device first.
ColorRef ShadeColor(ColorRef from, ColorRef to, int f);

// Pixels a line from `a` to `b` sets: every pixel of the path except `b`.
std::vector<QPoint> LinePixels(QPoint a, QPoint b);

class Gdi {
public:
    explicit Gdi(QPainter& painter);
    Gdi(const Gdi&) = delete;
    Gdi& operator=(const Gdi&) = delete;

    QPainter& Painter() { return painter_; }

    // Fills the rectangle; empty or inverted rectangles draw nothing.
    void FillRect(const QRect& r, ColorRef color);
    void SetPixel(int x, int y, ColorRef color);
    void SetPixel(QPoint p, ColorRef color) { SetPixel(p.x(), p.y(), color); }
    // Line from `a` towards `b`, `b` excluded.
    void Line(QPoint a, QPoint b, ColorRef pen);
    // Connected lines; the path's last point is not set.
    void Polyline(std::span<const QPoint> points, ColorRef pen);
    void Polyline(std::initializer_list<QPoint> points, ColorRef pen) {
        Polyline(std::span<const QPoint>(points.begin(), points.size()), pen);
    }
    // Interior filled with `brush`, then the closed outline in `pen`.
    void Polygon(std::span<const QPoint> points, ColorRef brush, ColorRef pen);
    void Polygon(std::initializer_list<QPoint> points, ColorRef brush, ColorRef pen) {
        Polygon(std::span<const QPoint>(points.begin(), points.size()), brush, pen);
    }
    // One-pixel outline of the inclusive rectangle, unfilled.
    void FrameRect(const QRect& r, ColorRef pen);

    // Text in the painter's current font on a transparent background, with
    // (x, y) the top-left of its cell. `escapement` is the baseline's angle in
    // tenths of a degree counterclockwise (900 reads upwards, 2700 downwards);
    // (x, y) is then the cell's top-left before rotation.
    void TextOut(int x, int y, const QString& text, ColorRef color, int escapement = 0);

private:
    void Pixels(std::span<const QPoint> points, const QColor& color);

    QPainter& painter_;
};

}  // namespace norvane
