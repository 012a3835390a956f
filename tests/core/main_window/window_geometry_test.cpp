#include "core/main_window/window_geometry.h"

#include <gtest/gtest.h>

#include "support/geometry_print.h"

#include <set>

namespace norvane {
namespace {

const QRect kWork = Edges(0, 0, 1024, 738);

TEST(FitToWorkArea, KeepsTheWindowInside) {
    EXPECT_EQ(FitToWorkArea(kWork, {10, 700}, 514, 324), QPoint(10, 414));
    EXPECT_EQ(FitToWorkArea(kWork, {-50, 10}, 514, 324), QPoint(-3, 10));
    EXPECT_EQ(FitToWorkArea(kWork, {10, -3}, 514, 324), QPoint(10, -3));
    EXPECT_EQ(FitToWorkArea(kWork, {10, -2}, 514, 324), QPoint(10, -2));
    EXPECT_EQ(FitToWorkArea(kWork, {600, 10}, 514, 324), QPoint(510, 10));
    // Larger than the work area: the far edge wins.
    EXPECT_EQ(FitToWorkArea(kWork, {0, 0}, 2000, 900), QPoint(-976, -162));
    // Huge stored values never overflow into a visible mess.
    EXPECT_EQ(FitToWorkArea(kWork, {1'000'000, -1'000'000}, 514, 324), QPoint(510, -3));
    // A work area that does not start at the origin.
    const QRect second = Edges(1920, 30, 3840, 1080);
    EXPECT_EQ(FitToWorkArea(second, {10, 10}, 514, 324), QPoint(1917, 27));
}

TEST(FrameHitTest, TableOrder) {
    const int cw = 514, ch = 324;
    EXPECT_EQ(FrameHitTest(8, 8, cw, ch, false), HitArea::TopLeft);
    EXPECT_EQ(FrameHitTest(8, ch - 8, cw, ch, false), HitArea::BottomLeft);
    EXPECT_EQ(FrameHitTest(cw - 8, 8, cw, ch, false), HitArea::TopRight);
    EXPECT_EQ(FrameHitTest(cw - 16, ch - 16, cw, ch, false), HitArea::BottomRight);
    EXPECT_EQ(FrameHitTest(cw - 17, ch - 16, cw, ch, false), HitArea::Default);
    EXPECT_EQ(FrameHitTest(4, 100, cw, ch, false), HitArea::Left);
    EXPECT_EQ(FrameHitTest(5, 100, cw, ch, false), HitArea::Default);
    EXPECT_EQ(FrameHitTest(cw - 4, 100, cw, ch, false), HitArea::Right);
    EXPECT_EQ(FrameHitTest(100, 4, cw, ch, true), HitArea::Top);
    EXPECT_EQ(FrameHitTest(100, ch - 4, cw, ch, false), HitArea::Bottom);
    // The caption strip drags only while the left button is down, right of the icon.
    EXPECT_EQ(FrameHitTest(100, 27, cw, ch, true), HitArea::Caption);
    EXPECT_EQ(FrameHitTest(100, 28, cw, ch, true), HitArea::Default);
    EXPECT_EQ(FrameHitTest(100, 20, cw, ch, false), HitArea::Default);
    EXPECT_EQ(FrameHitTest(24, 20, cw, ch, true), HitArea::Default);
    EXPECT_EQ(FrameHitTest(25, 20, cw, ch, true), HitArea::Caption);
}

TEST(WindowShape, RoundedCornersFollowTheFrameStaircase) {
    auto rows = WindowShape(100, 50, false);
    std::set<std::pair<int, int>> inside;
    for (const auto& r : rows)
        for (int y = r.y(); y < r.y() + r.height(); ++y)
            for (int x = r.x(); x < r.x() + r.width(); ++x) inside.insert({x, y});
    // The frame's outer outline pixels are inside, the pixels beyond the staircase not.
    for (auto [x, y] : {std::pair{4, 0}, {3, 1}, {2, 1}, {1, 2}, {1, 3}, {0, 4}, {0, 45},
                        {95, 0}, {97, 1}, {98, 3}, {99, 4}, {95, 49}, {99, 45}, {4, 49}})
        EXPECT_TRUE(inside.count({x, y})) << x << "," << y;
    for (auto [x, y] : {std::pair{3, 0}, {0, 0}, {1, 1}, {0, 3}, {96, 0}, {98, 1}, {99, 3},
                        {0, 46}, {3, 49}, {96, 49}, {99, 49}})
        EXPECT_FALSE(inside.count({x, y})) << x << "," << y;
    EXPECT_EQ(WindowShape(100, 50, true), (std::vector<QRect>{Edges(0, 0, 100, 50)}));
    EXPECT_TRUE(WindowShape(0, 50, false).empty());
}

TEST(Areas, IconAndCaptionStrip) {
    EXPECT_TRUE(InIconArea(4, 4));
    EXPECT_TRUE(InIconArea(23, 26));
    EXPECT_FALSE(InIconArea(24, 10));
    EXPECT_FALSE(InIconArea(10, 27));
    EXPECT_FALSE(InIconArea(3, 10));
    EXPECT_TRUE(InCaptionStrip(500, 30, 514));
    EXPECT_FALSE(InCaptionStrip(509, 30, 514));
    EXPECT_FALSE(InCaptionStrip(100, 31, 514));
}

TEST(ForecastPosition, UnderThePictureInsideTheWorkArea) {
    EXPECT_EQ(ForecastPosition(Edges(300, 100, 332, 132), 298, 74, kWork), QPoint(300, 132));
    EXPECT_EQ(ForecastPosition(Edges(900, 100, 932, 132), 298, 74, kWork), QPoint(726, 132));
    EXPECT_EQ(ForecastPosition(Edges(300, 700, 332, 732), 222, 167, kWork), QPoint(300, 571));
    EXPECT_EQ(ForecastPosition(Edges(-40, -60, -8, -28), 222, 167, kWork), QPoint(0, 0));
}

TEST(SimpleDrag, StopsAtTheWorkAreaEdges) {
    const QPoint pos(100, 100);
    EXPECT_EQ(SimpleDragPosition(pos, 426, 56, {60, 30}, {50, 20}, kWork), QPoint(110, 110));
    EXPECT_EQ(SimpleDragPosition(pos, 426, 56, {-500, 30}, {50, 20}, kWork), QPoint(0, 110));
    EXPECT_EQ(SimpleDragPosition(pos, 426, 56, {900, 900}, {50, 20}, kWork), QPoint(598, 682));
    EXPECT_EQ(SimpleDragPosition(pos, 426, 56, {50, -500}, {50, 20}, kWork), QPoint(100, 0));
}

}  // namespace
}  // namespace norvane
