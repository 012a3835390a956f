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
// Colours are `Colour`s: 0x00BBGGRR, or a palette role resolved when drawn.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "core/colour.h"

class QPainter;

namespace norvane {

// A colour that follows the palette: the flag 0x80000000 with a number in the
// low byte. Skin files may hold these numbers, so they stay as stored:
//   5  -> QPalette::Base    (background of text and list areas)
//   15 -> QPalette::Button  (face of buttons and dialogs)
//   1  -> QPalette::Dark    (the tone that serves outlines)
constexpr Colour kPaletteFlag = 0x80000000u;
constexpr bool IsPaletteColour(Colour c) { return (c & kPaletteFlag) != 0; }
// The roles above only; any other role has no stored number.
constexpr Colour PaletteColour(QPalette::ColorRole role) {
    switch (role) {
    case QPalette::Base:
        return kPaletteFlag | 5u;
    case QPalette::Button:
        return kPaletteFlag | 15u;
    case QPalette::Dark:
        return kPaletteFlag | 1u;
    default:
        return kPaletteFlag;
    }
}
// The role a palette colour names, none for a plain colour or an unknown number.
std::optional<QPalette::ColorRole> PaletteRole(Colour c);

// A palette colour resolved against the palette; an unknown number resolves
// to black. Plain colours pass through.
Colour ColorToRgb(Colour c, const QPalette& palette);
// The same against the application palette.
Colour ColorToRgb(Colour c);

// Nearest colour a drawing surface can show; every surface here is true colour.
constexpr Colour NearestColor(Colour c) { return c; }

QColor ToQColor(Colour c);  // resolves system colours against the application palette
Colour FromQColor(const QColor& c);

// A colour between `from` and `to`, per channel from + (to - from) * f / 19 with
// the division truncating toward zero: f = 0 is `from`, f = 19 is `to`. Both
// colours are resolved and matched to the device first.
Colour ShadeColor(Colour from, Colour to, int f);

// Pixels a line from `a` to `b` sets: every pixel of the path except `b`.
std::vector<QPoint> LinePixels(QPoint a, QPoint b);

class Gdi {
public:
    explicit Gdi(QPainter& painter);
    Gdi(const Gdi&) = delete;
    Gdi& operator=(const Gdi&) = delete;

    QPainter& Painter() { return painter_; }

    // Fills the rectangle; empty or inverted rectangles draw nothing.
    void FillRect(const QRect& r, Colour color);
    void SetPixel(int x, int y, Colour color);
    void SetPixel(QPoint p, Colour color) { SetPixel(p.x(), p.y(), color); }
    // Line from `a` towards `b`, `b` excluded.
    void Line(QPoint a, QPoint b, Colour pen);
    // Connected lines; the path's last point is not set.
    void Polyline(std::span<const QPoint> points, Colour pen);
    void Polyline(std::initializer_list<QPoint> points, Colour pen) {
        Polyline(std::span<const QPoint>(points.begin(), points.size()), pen);
    }
    // Interior filled with `brush`, then the closed outline in `pen`.
    void Polygon(std::span<const QPoint> points, Colour brush, Colour pen);
    void Polygon(std::initializer_list<QPoint> points, Colour brush, Colour pen) {
        Polygon(std::span<const QPoint>(points.begin(), points.size()), brush, pen);
    }
    // One-pixel outline of the inclusive rectangle, unfilled.
    void FrameRect(const QRect& r, Colour pen);

    // Text in the painter's current font on a transparent background, with
    // (x, y) the top-left of its cell. `escapement` is the baseline's angle in
    // tenths of a degree counterclockwise (900 reads upwards, 2700 downwards);
    // (x, y) is then the cell's top-left before rotation.
    void TextOut(int x, int y, const QString& text, Colour color, int escapement = 0);

private:
    void Pixels(std::span<const QPoint> points, const QColor& color);

    QPainter& painter_;
};

}  // namespace norvane
