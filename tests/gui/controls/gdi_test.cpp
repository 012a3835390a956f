// The drawing rules every control relies on.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "gui/controls/gdi.h"
#include "render_support.h"

namespace norvane {
namespace {

using test::PixelAt;

TEST(GdiColor, LayoutAndConversionRoundTrip) {
    EXPECT_EQ(Rgb(255, 16, 0), 0x0010FFu);  // red in 0x00BBGGRR
    const QColor c = ToQColor(Rgb(1, 2, 3));
    EXPECT_EQ(c, QColor(1, 2, 3));
    EXPECT_EQ(FromQColor(c), Rgb(1, 2, 3));
}

TEST(GdiColor, SystemColoursResolveThroughThePalette) {
    QPalette pal;
    pal.setColor(QPalette::Base, QColor(10, 20, 30));
    pal.setColor(QPalette::Button, QColor(40, 50, 60));
    pal.setColor(QPalette::Dark, QColor(70, 80, 90));
    EXPECT_EQ(ColorToRgb(PaletteColour(QPalette::Base), pal), Rgb(10, 20, 30));
    EXPECT_EQ(ColorToRgb(PaletteColour(QPalette::Button), pal), Rgb(40, 50, 60));
    EXPECT_EQ(ColorToRgb(PaletteColour(QPalette::Dark), pal), Rgb(70, 80, 90));
    EXPECT_EQ(ColorToRgb(Rgb(1, 2, 3), pal), Rgb(1, 2, 3));
    // The numbers a skin file may hold keep their meaning; others are black.
    EXPECT_EQ(ColorToRgb(0x8000000Fu, pal), Rgb(40, 50, 60));
    EXPECT_EQ(ColorToRgb(0x80000005u, pal), Rgb(10, 20, 30));
    EXPECT_EQ(ColorToRgb(0x80000007u, pal), Rgb(0, 0, 0));
}

TEST(GdiColor, ShadesTruncateTowardZeroInBothDirections) {
    // 255 + (0 - 255) * 4 / 19 = 255 - 53 (floor division would give 201).
    EXPECT_EQ(ShadeColor(Rgb(255, 0, 100), Rgb(0, 255, 100), 4), Rgb(202, 53, 100));
    EXPECT_EQ(ShadeColor(Rgb(10, 20, 30), Rgb(200, 100, 0), 0), Rgb(10, 20, 30));
    EXPECT_EQ(ShadeColor(Rgb(10, 20, 30), Rgb(200, 100, 0), 19), Rgb(200, 100, 0));
}

TEST(GdiLine, EndPointIsNeverSet) {
    EXPECT_EQ(LinePixels({2, 3}, {5, 3}), (std::vector<QPoint>{{2, 3}, {3, 3}, {4, 3}}));
    EXPECT_EQ(LinePixels({5, 3}, {2, 3}), (std::vector<QPoint>{{5, 3}, {4, 3}, {3, 3}}));
    EXPECT_EQ(LinePixels({10, 4}, {7, 7}), (std::vector<QPoint>{{10, 4}, {9, 5}, {8, 6}}));
    EXPECT_TRUE(LinePixels({1, 1}, {1, 1}).empty());
    // Steep lines step once per row.
    const std::vector<QPoint> steep = LinePixels({0, 0}, {2, 6});
    ASSERT_EQ(steep.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(steep[static_cast<std::size_t>(i)].y(), i);
}

class GdiCanvas : public ::testing::Test {
protected:
    GdiCanvas() : image(20, 20, QImage::Format_RGB32) { image.fill(Qt::black); }
    QImage image;
};

TEST_F(GdiCanvas, PolylineSetsCornersButNotItsLastPoint) {
    {
        QPainter p(&image);
        Gdi gdi(p);
        gdi.Polyline({QPoint(2, 2), QPoint(8, 2), QPoint(8, 8)}, Rgb(255, 255, 255));
    }
    const Colour white = Rgb(255, 255, 255);
    EXPECT_EQ(PixelAt(image, 2, 2), white);
    EXPECT_EQ(PixelAt(image, 8, 2), white);  // the bend
    EXPECT_EQ(PixelAt(image, 8, 7), white);
    EXPECT_EQ(PixelAt(image, 8, 8), Rgb(0, 0, 0));  // the end
}

TEST_F(GdiCanvas, PolygonIsFilledThenOutlined) {
    const Colour pen = Rgb(255, 0, 0);
    const Colour brush = Rgb(0, 0, 255);
    {
        QPainter p(&image);
        Gdi gdi(p);
        // A diamond: slanted edges exercise the span fill.
        gdi.Polygon({QPoint(10, 2), QPoint(17, 9), QPoint(10, 16), QPoint(3, 9)}, brush, pen);
    }
    for (const QPoint p : {QPoint(10, 2), QPoint(17, 9), QPoint(10, 16), QPoint(3, 9), QPoint(13, 5), QPoint(6, 12)})
        EXPECT_EQ(PixelAt(image, p), pen) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(10, 3), QPoint(10, 9), QPoint(16, 9), QPoint(4, 9), QPoint(10, 15)})
        EXPECT_EQ(PixelAt(image, p), brush) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(9, 2), QPoint(18, 9), QPoint(3, 8), QPoint(14, 5)})
        EXPECT_EQ(PixelAt(image, p), Rgb(0, 0, 0)) << p.x() << "," << p.y();
}

TEST_F(GdiCanvas, FrameRectLeavesTheInsideAlone) {
    {
        QPainter p(&image);
        Gdi gdi(p);
        gdi.FrameRect(QRect(0, 0, 15, 15), Rgb(255, 255, 255));
    }
    EXPECT_EQ(PixelAt(image, 14, 14), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 0, 14), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 7, 7), Rgb(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 15, 15), Rgb(0, 0, 0));
}

}  // namespace
}  // namespace norvane
