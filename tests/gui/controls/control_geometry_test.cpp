// Layout rules of the controls, checked without painting.
#include <gtest/gtest.h>

#include "gui/controls/control_geometry.h"

namespace norvane {
namespace {

using Points = std::vector<QPoint>;

TEST(CutCornerOutline, EachCornerIsShavedByItsMirroredSixVertices) {
    const QRect r(QPoint(0, 0), QPoint(20, 10));
    EXPECT_EQ(CutCornerOutline(r, {}), (Points{{0, 0}, {20, 0}, {20, 10}, {0, 10}}));
    EXPECT_EQ(CutCornerOutline(r, kAllCorners),
              (Points{{0, 5}, {1, 4}, {1, 3}, {3, 1}, {4, 1}, {5, 0},            // top-left
                      {15, 0}, {16, 1}, {17, 1}, {19, 3}, {19, 4}, {20, 5},      // top-right
                      {20, 5}, {19, 6}, {19, 7}, {17, 9}, {16, 9}, {15, 10},     // bottom-right
                      {5, 10}, {4, 9}, {3, 9}, {1, 7}, {1, 6}, {0, 5}}));        // bottom-left
    EXPECT_EQ(CutCornerOutline(r, rkBottomRight),
              (Points{{0, 0}, {20, 0}, {20, 5}, {19, 6}, {19, 7}, {17, 9}, {16, 9}, {15, 10}, {0, 10}}));
}

TEST(PanelCaption, LeftAndRightKeepClearOfRoundedCorners) {
    const QSize client(200, 40);
    const QSize text(50, 12);
    // es 3 + border 1: 2 in without rounding on the left, 9 with.
    EXPECT_EQ(PanelCaptionOrigin(taLeftJustify, client, text, 3, 1, rkTopRight).x(), 6);
    EXPECT_EQ(PanelCaptionOrigin(taLeftJustify, client, text, 3, 1, rkBottomLeft).x(), 13);
    EXPECT_EQ(PanelCaptionOrigin(taRightJustify, client, text, 3, 1, rkTopLeft).x(), 200 - 50 - 4 - 1);
    EXPECT_EQ(PanelCaptionOrigin(taRightJustify, client, text, 3, 1, rkBottomRight).x(), 200 - 50 - 4 - 7);
    EXPECT_EQ(PanelCaptionOrigin(taCenter, client, text, 3, 1, {}), QPoint(76, 15));
    // Odd differences truncate toward zero, also when the text is larger than the panel.
    EXPECT_EQ(PanelCaptionOrigin(taCenter, QSize(10, 5), QSize(13, 12), 0, 0, {}), QPoint(0, -2));
}

TEST(PanelAutoSize, FollowsTheCaptionInTheFreeDimensionsWithMinimums) {
    const QSize current(100, 100);
    // s = 2*2 + 2*1 = 6
    EXPECT_EQ(PanelAutoSize(current, alNone, QSize(40, 12), 2, 1), QSize(6 + 40 + 16, 6 + 12 + 7));
    EXPECT_EQ(PanelAutoSize(current, alNone, QSize(0, 8), 2, 1), QSize(6 + 24, 6 + 19));
    EXPECT_EQ(PanelAutoSize(current, alLeft, QSize(40, 12), 2, 1), QSize(62, 100));
    EXPECT_EQ(PanelAutoSize(current, alTop, QSize(40, 12), 2, 1), QSize(100, 25));
    EXPECT_EQ(PanelAutoSize(current, alClient, QSize(40, 12), 2, 1), current);
}

TEST(SubImagePosition, SidesCentreOnePixelHigh) {
    const QRect label(50, 40, 60, 12);
    const QSize image(16, 16);
    EXPECT_EQ(SubImagePosition(ipLeft, label, image, 2), QPoint(32, 37));  // T - 3
    EXPECT_EQ(SubImagePosition(ipRight, label, image, 2), QPoint(112, 37));
    EXPECT_EQ(SubImagePosition(ipAbove, label, image, 2), QPoint(50, 22));
    EXPECT_EQ(SubImagePosition(ipBelow, label, image, 2), QPoint(50, 54));
    EXPECT_EQ(SubImagePosition(ipLeft, QRect(0, 0, 10, 15), QSize(4, 4), 0).y(), 4);
}

TEST(PageGeometry, BodyAndStripForEveryTabPosition) {
    // Page placement is checked on the control itself (TabPositionTest).
    const QSize c(350, 200);
    EXPECT_EQ(PageBodyRect(tpBottom, c, 19), QRect(QPoint(0, 0), QPoint(349, 181)));
    EXPECT_EQ(PageBodyRect(tpTop, c, 19), QRect(QPoint(0, 18), QPoint(349, 199)));
    EXPECT_EQ(PageBodyRect(tpLeft, c, 19), QRect(QPoint(18, 0), QPoint(349, 199)));
    EXPECT_EQ(PageBodyRect(tpRight, c, 19), QRect(QPoint(0, 0), QPoint(331, 199)));
    // Body and strip share exactly one row or column.
    for (TTabPosition p : {tpTop, tpBottom, tpLeft, tpRight}) {
        const QRect shared = PageBodyRect(p, c, 19) & TabStripRect(p, c, 19);
        EXPECT_EQ(std::min(shared.width(), shared.height()), 1) << p;
    }
    // Too small for its borders: empty pages, never negative sizes.
    EXPECT_EQ(PageRect(tpBottom, QSize(6, 10), 5, 19).size(), QSize(0, 0));
}

TEST(PageGeometry, CornersLeftSquareByTheTabs) {
    const RoundKinds all = kAllCorners;
    EXPECT_EQ(BodyCutCorners(tpBottom, false, all), rkTopLeft | rkTopRight | rkBottomRight);
    EXPECT_EQ(BodyCutCorners(tpTop, false, all), rkTopRight | rkBottomLeft | rkBottomRight);
    EXPECT_EQ(BodyCutCorners(tpLeft, false, all), rkTopRight | rkBottomLeft | rkBottomRight);
    EXPECT_EQ(BodyCutCorners(tpRight, false, all), rkTopLeft | rkBottomLeft | rkBottomRight);
    EXPECT_EQ(BodyCutCorners(tpBottom, true, all), rkTopLeft | rkTopRight);
    EXPECT_EQ(BodyCutCorners(tpRight, true, all), rkTopLeft | rkBottomLeft);
    EXPECT_EQ(BodyCutCorners(tpBottom, false, rkBottomLeft | rkBottomRight), RoundKinds(rkBottomRight));

    EXPECT_EQ(StripCutCorners(tpLeft, all), rkTopLeft | rkBottomLeft);
    EXPECT_EQ(TabCutCorners(tpBottom, false, false, all), rkBottomLeft | rkBottomRight);
    EXPECT_EQ(TabCutCorners(tpRight, false, true, all), rkTopRight | rkBottomRight);
    EXPECT_EQ(TabCutCorners(tpRight, true, true, all), RoundKinds(rkTopRight));
    EXPECT_EQ(TabCutCorners(tpBottom, true, true, all), RoundKinds(rkBottomLeft));
    EXPECT_EQ(TabCutCorners(tpTop, true, false, all), RoundKinds());
}

TEST(TabGeometry, TabsAreTextPlusSixteenAndShareOnePixel) {
    const std::vector<QRect> tabs = TabRects(tpBottom, {40, 50}, 19);
    ASSERT_EQ(tabs.size(), 2u);
    EXPECT_EQ(tabs[0], QRect(QPoint(0, 0), QPoint(55, 18)));
    EXPECT_EQ(tabs[1], QRect(QPoint(55, 0), QPoint(120, 18)));
    const std::vector<QRect> side = TabRects(tpLeft, {40, 50}, 19);
    EXPECT_EQ(side[1], QRect(QPoint(0, 55), QPoint(18, 120)));

    // The opening spans the body-side edge less its end pixels.
    const LineSegment open = TabOpening(tpBottom, tabs[1]);
    EXPECT_EQ(open.from, QPoint(56, 0));
    EXPECT_EQ(open.to, QPoint(120, 0));
    EXPECT_EQ(TabOpening(tpTop, tabs[1]).from, QPoint(56, 18));
    EXPECT_EQ(TabOpening(tpRight, side[1]).from, QPoint(0, 56));
    EXPECT_EQ(TabOpening(tpLeft, side[1]).to, QPoint(18, 120));

    EXPECT_EQ(TabCaptionOrigin(tpBottom, tabs[1], 19, QSize(50, 14)), QPoint(63, 3));
    EXPECT_EQ(TabCaptionOrigin(tpLeft, side[1], 19, QSize(50, 14)), QPoint(2, 55 + 50 + 8));
    EXPECT_EQ(TabCaptionOrigin(tpRight, side[1], 19, QSize(50, 14)), QPoint(16, 63));

    EXPECT_EQ(StripBodyLine(tpBottom, QSize(300, 19), 19, rkBottomRight).to, QPoint(295, 0));
    EXPECT_EQ(StripBodyLine(tpTop, QSize(300, 19), 19, rkBottomRight).to, QPoint(300, 18));
    EXPECT_EQ(StripBodyLine(tpLeft, QSize(19, 200), 19, rkBottomLeft).to, QPoint(18, 195));
}

TEST(TitleGeometry, GroupPlacementAndClickArea) {
    EXPECT_EQ(TitleGroupOrigin(taRightJustify, blsTop, QSize(51, 25)), QPoint(0, 0));
    EXPECT_EQ(TitleGroupOrigin(taRightJustify, blsBottom, QSize(80, 25)), QPoint(29, 10));
    EXPECT_EQ(TitleGroupOrigin(taCenter, blsCenter, QSize(80, 26)), QPoint(14, 5));
    EXPECT_EQ(TitleGroupOrigin(taLeftJustify, blsCenter, QSize(10, 10)), QPoint(0, -2));

    const QSize b(15, 15);
    EXPECT_TRUE(TitleButtonHit({0, 0}, b));
    EXPECT_TRUE(TitleButtonHit({14, 15}, b));  // the row below still counts
    EXPECT_FALSE(TitleButtonHit({15, 5}, b));
    EXPECT_FALSE(TitleButtonHit({5, 16}, b));
    EXPECT_FALSE(TitleButtonHit({-1, 5}, b));
    EXPECT_FALSE(TitleButtonHit({5, -1}, b));
}

}  // namespace
}  // namespace norvane
