// Edge panel, line panel and image control.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>

#include "gui/controls/edge_panel.h"
#include "gui/controls/image_ex.h"
#include "gui/controls/line_panel.h"
#include "render_support.h"

namespace norvane {
namespace {

using test::PixelAt;
using test::Render;

constexpr Colour kBody = Rgb(255, 255, 255);
constexpr Colour kEdge = Rgb(0, 64, 128);
constexpr Colour kLine = Rgb(200, 0, 0);

TEST(EdgePanel, RoundedCornersGradeIntoTheEdgeOverFivePixels) {
    TEdgePanel panel;
    panel.resize(40, 30);
    panel.SetColor(kBody);
    panel.SetEdgeColor(kEdge);
    const QImage img = Render(panel);
    auto shade = [](int f) { return ShadeColor(kBody, kEdge, f); };
    // Along the top edge from each top corner, and down the left edge.
    const int fs[] = {19, 18, 14, 8, 4};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(PixelAt(img, i, 0), shade(fs[i])) << i;
        EXPECT_EQ(PixelAt(img, 0, i), shade(fs[i])) << i;
        EXPECT_EQ(PixelAt(img, 39 - i, 0), shade(fs[i])) << i;
        EXPECT_EQ(PixelAt(img, 39 - i, 29), shade(fs[i])) << i;
        EXPECT_EQ(PixelAt(img, 0, 29 - i), shade(fs[i])) << i;
    }
    EXPECT_EQ(PixelAt(img, 0, 0), kEdge);
    EXPECT_EQ(PixelAt(img, 5, 0), kBody);
    // (1, 1) is first shade 14, then overwritten by shade 10.
    EXPECT_EQ(PixelAt(img, 1, 1), shade(10));
    EXPECT_EQ(PixelAt(img, 38, 28), shade(10));
    EXPECT_EQ(PixelAt(img, 2, 1), kBody);
}

TEST(EdgePanel, MarginAndUnroundedCorners) {
    TEdgePanel panel;
    panel.resize(40, 30);
    panel.SetColor(kBody);
    panel.SetEdgeColor(kEdge);
    panel.SetEdgeSpacing(3);
    panel.SetEdgeRound(rkTopLeft);
    const QImage img = Render(panel);
    EXPECT_EQ(PixelAt(img, 2, 10), kEdge);
    EXPECT_EQ(PixelAt(img, 3, 3), kEdge);  // the rounded corner's own pixel
    EXPECT_EQ(PixelAt(img, 4, 3), ShadeColor(kBody, kEdge, 18));
    EXPECT_EQ(PixelAt(img, 36, 3), kBody);  // top-right not rounded
    EXPECT_EQ(PixelAt(img, 36, 26), kBody);
    EXPECT_EQ(PixelAt(img, 37, 27), kEdge);
}

class LinePanelTest : public ::testing::Test {
protected:
    LinePanelTest() {
        panel.resize(60, 30);
        panel.SetColor(kBody);
        panel.SetEdgeColor(kEdge);
        panel.SetLineColor(kLine);
    }
    TLinePanel panel;
};

TEST_F(LinePanelTest, SquareOutlineByDefault) {
    const QImage img = Render(panel);
    EXPECT_EQ(PixelAt(img, 0, 0), kLine);
    EXPECT_EQ(PixelAt(img, 59, 29), kLine);
    EXPECT_EQ(PixelAt(img, 30, 29), kLine);
    EXPECT_EQ(PixelAt(img, 1, 1), kBody);
    EXPECT_EQ(PixelAt(img, 58, 28), kBody);
}

TEST_F(LinePanelTest, SwitchingToAllCornersCutsTheBottomCorners) {
    panel.SetEdgeRound(rkTopLeft | rkTopRight);
    QImage img = Render(panel);
    EXPECT_EQ(PixelAt(img, 0, 0), kEdge);
    EXPECT_EQ(PixelAt(img, 0, 29), kLine);

    panel.SetEdgeRound(kAllCorners);
    img = Render(panel);
    // Bottom-left corner (0, 29): the cut runs (5,29) (4,28) (3,28) (2,27) (1,26) (1,25) (0,24).
    for (const QPoint p : {QPoint(5, 29), QPoint(4, 28), QPoint(3, 28), QPoint(2, 27), QPoint(1, 26),
                           QPoint(1, 25), QPoint(0, 24), QPoint(54, 29), QPoint(59, 24), QPoint(57, 27)})
        EXPECT_EQ(PixelAt(img, p), kLine) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(0, 29), QPoint(1, 28), QPoint(0, 25), QPoint(2, 28), QPoint(59, 29), QPoint(58, 28)})
        EXPECT_EQ(PixelAt(img, p), kEdge) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(2, 26), QPoint(3, 27), QPoint(57, 26)})
        EXPECT_EQ(PixelAt(img, p), kBody) << p.x() << "," << p.y();
}

TEST_F(LinePanelTest, CaptionStartsByAlignmentAndCorners) {
    panel.setFont(test::TestFont());
    panel.SetEdgeSpacing(3);
    panel.SetAlignment(taLeftJustify);
    panel.SetCaption(QStringLiteral("Abc"));
    const QFontMetrics fm(test::TestFont());
    const Colour ink = FromQColor(panel.palette().color(QPalette::WindowText));

    // The same text drawn by QPainter where the caption belongs, compared
    // inside the body away from the outline and its cut corners.
    auto matches = [&](int x, const QRect& area) {
        QImage ref(panel.size(), QImage::Format_RGB32);
        ref.fill(ToQColor(kBody));
        QPainter p(&ref);
        p.setFont(test::TestFont());
        p.setPen(ToQColor(ink));
        p.drawText(QPoint(x, (30 - fm.height()) / 2 + 1 + fm.ascent()), QStringLiteral("Abc"));
        p.end();
        return Render(panel).copy(area) == ref.copy(area);
    };
    EXPECT_TRUE(matches(3 + 2, QRect(4, 4, 52, 22)));
    EXPECT_FALSE(matches(3 + 3, QRect(4, 4, 52, 22)));
    panel.SetEdgeRound(rkBottomLeft);
    EXPECT_TRUE(matches(3 + 9, QRect(9, 4, 47, 22)));
}

TEST_F(LinePanelTest, AutoSizeFollowsCaptionSpacingAndFont) {
    panel.setFont(test::TestFont());
    panel.SetAutoSize(true);
    panel.SetCaption(QStringLiteral("A long caption"));
    const QFontMetrics fm(test::TestFont());
    EXPECT_EQ(panel.size(), QSize(fm.horizontalAdvance(QStringLiteral("A long caption")) + 16, fm.height() + 7));
    panel.SetEdgeSpacing(4);
    EXPECT_EQ(panel.width(), 8 + fm.horizontalAdvance(QStringLiteral("A long caption")) + 16);
    QFont big = test::TestFont();
    big.setPixelSize(30);
    panel.setFont(big);
    EXPECT_EQ(panel.height(), 8 + QFontMetrics(big).height() + 7);
}

TEST(PanelRepaint, SettersRepaintOnlyOnChange) {
    TLinePanel panel;
    panel.resize(50, 30);
    panel.show();
    test::ProcessEvents();
    test::PaintCounter counter(&panel);
    panel.SetEdgeColor(panel.EdgeColor());
    panel.SetColor(panel.Color());
    panel.SetLineColor(panel.LineColor());
    panel.SetEdgeRound(panel.EdgeRound());
    test::ProcessEvents();
    EXPECT_EQ(counter.count, 0);
    panel.SetEdgeColor(Rgb(1, 2, 3));
    test::ProcessEvents();
    EXPECT_GT(counter.count, 0);
}

TEST(PanelEvents, EnterAndLeaveAreSignalled) {
    TEdgePanel panel;
    TImageEx image;
    QSignalSpy panelEnter(&panel, &TEdgePanel::mouseEntered);
    QSignalSpy panelLeave(&panel, &TEdgePanel::mouseLeft);
    QSignalSpy imageExit(&image, &TImageEx::mouseLeft);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&panel, &enter);
    QCoreApplication::sendEvent(&panel, &leave);
    QCoreApplication::sendEvent(&image, &leave);
    EXPECT_EQ(panelEnter.count(), 1);
    EXPECT_EQ(panelLeave.count(), 1);
    EXPECT_EQ(imageExit.count(), 1);
}

}  // namespace
}  // namespace norvane
