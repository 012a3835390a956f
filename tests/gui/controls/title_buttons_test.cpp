// Title buttons: placement, symbols, hot and pressed states, clicks, window state.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QEnterEvent>
#include <QSignalSpy>

#include "gui/controls/title_button.h"
#include "gui/controls/title_buttons.h"
#include "render_support.h"

namespace norvane {
namespace {

using test::PixelAt;
using test::Render;
using test::SendMouse;

constexpr Colour kFace = Rgb(60, 80, 120);
constexpr Colour kLineWhite = Rgb(255, 255, 255);

class TitleButtonsTest : public ::testing::Test {
protected:
    TitleButtonsTest() {
        form.resize(300, 200);
        bar = new TTitleButtons(&form);
        bar->SetColor(kFace);
        bar->SetForm(&form);
    }
    static Colour Shade(int f) { return ShadeColor(kLineWhite, kFace, f); }
    static void Enter(QWidget* w) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(w, &e);
    }
    QWidget form;
    TTitleButtons* bar;
};

TEST_F(TitleButtonsTest, GroupPlacementKeepsHiddenButtonsPlaces) {
    EXPECT_EQ(bar->size(), QSize(51, 25));
    bar->SetAlignment(taRightJustify);  // 51 wide: same as left
    EXPECT_EQ(bar->MiniButton()->geometry(), QRect(0, 5, 15, 15));
    EXPECT_EQ(bar->MaxiButton()->pos(), QPoint(17, 5));
    EXPECT_EQ(bar->CloseButton()->pos(), QPoint(36, 5));

    bar->resize(100, 30);
    bar->SetLayout(blsBottom);
    EXPECT_EQ(bar->MiniButton()->pos(), QPoint(49, 15));
    bar->SetWindowButtons(wbClose);
    EXPECT_TRUE(bar->MiniButton()->isHidden());
    EXPECT_TRUE(bar->MaxiButton()->isHidden());
    EXPECT_FALSE(bar->CloseButton()->isHidden());
    EXPECT_EQ(bar->CloseButton()->pos(), QPoint(85, 15));
    // A button hidden from outside comes back at the next repaint of the bar.
    bar->CloseButton()->hide();
    bar->Repaint();
    EXPECT_FALSE(bar->CloseButton()->isHidden());
}

TEST_F(TitleButtonsTest, FrameCornersAndMinimizeSymbolInEachState) {
    TTitleButton* b = bar->MiniButton();
    QImage img = Render(*b);
    EXPECT_EQ(PixelAt(img, 7, 0), kLineWhite);
    EXPECT_EQ(PixelAt(img, 14, 7), kLineWhite);
    EXPECT_EQ(PixelAt(img, 0, 0), Shade(16));
    EXPECT_EQ(PixelAt(img, 2, 1), Shade(16));
    EXPECT_EQ(PixelAt(img, 14, 14), Shade(16));
    EXPECT_EQ(PixelAt(img, 1, 1), Shade(10));
    EXPECT_EQ(PixelAt(img, 13, 13), Shade(10));
    EXPECT_EQ(PixelAt(img, 4, 9), kLineWhite);
    EXPECT_EQ(PixelAt(img, 7, 9), kLineWhite);
    EXPECT_EQ(PixelAt(img, 4, 10), Shade(4));
    EXPECT_EQ(PixelAt(img, 8, 9), Shade(4));
    EXPECT_EQ(PixelAt(img, 8, 8), kFace);  // polylines stop short of their end

    Enter(b);  // hot: raised by (-1, -1) over a shade-10 shadow
    img = Render(*b);
    EXPECT_EQ(PixelAt(img, 3, 8), kLineWhite);
    EXPECT_EQ(PixelAt(img, 7, 8), Shade(4));
    EXPECT_EQ(PixelAt(img, 5, 10), Shade(10));
    EXPECT_EQ(PixelAt(img, 8, 9), Shade(10));

    SendMouse(b, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5));  // pressed: sunk by (1, 1)
    img = Render(*b);
    EXPECT_EQ(PixelAt(img, 5, 10), kLineWhite);
    EXPECT_EQ(PixelAt(img, 8, 10), kLineWhite);
    EXPECT_EQ(PixelAt(img, 9, 10), Shade(4));
    EXPECT_EQ(PixelAt(img, 4, 9), kFace);  // no shadow while pressed
}

TEST_F(TitleButtonsTest, CloseAndMaximizeSymbols) {
    QImage img = Render(*bar->CloseButton());
    for (const QPoint p : {QPoint(4, 4), QPoint(10, 10), QPoint(10, 4), QPoint(4, 10)})
        EXPECT_EQ(PixelAt(img, p), kLineWhite) << p.x() << "," << p.y();
    EXPECT_EQ(PixelAt(img, 4, 5), Shade(4));
    EXPECT_EQ(PixelAt(img, 9, 4), Shade(4));
    EXPECT_EQ(PixelAt(img, 11, 11), kFace);
    EXPECT_EQ(PixelAt(img, 3, 10), kFace);

    img = Render(*bar->MaxiButton());
    EXPECT_EQ(PixelAt(img, 4, 4), kLineWhite);
    EXPECT_EQ(PixelAt(img, 10, 10), kLineWhite);
    EXPECT_EQ(PixelAt(img, 10, 5), kLineWhite);
    EXPECT_EQ(PixelAt(img, 5, 5), Shade(4));
    EXPECT_EQ(PixelAt(img, 7, 7), kFace);  // filled with the face colour
}

TEST_F(TitleButtonsTest, MaximizeButtonFollowsTheWindowState) {
    TTitleButton* b = bar->MaxiButton();
    EXPECT_EQ(b->Hint(), QStringLiteral("最大化"));
    form.setWindowState(Qt::WindowMaximized);
    EXPECT_EQ(b->Hint(), QStringLiteral("元のサイズに戻す"));
    QImage img = Render(*b);
    EXPECT_EQ(b->toolTip(), QStringLiteral("元のサイズに戻す"));
    EXPECT_EQ(PixelAt(img, 10, 4), kLineWhite);  // back window
    EXPECT_EQ(PixelAt(img, 4, 10), kLineWhite);  // front window
    EXPECT_EQ(PixelAt(img, 6, 7), Shade(4));
    EXPECT_EQ(PixelAt(img, 9, 6), kFace);

    SendMouse(b, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(7, 7));
    SendMouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(7, 7));
    EXPECT_FALSE(form.isMaximized());
    img = Render(*b);
    EXPECT_EQ(b->toolTip(), QStringLiteral("最大化"));
    EXPECT_EQ(PixelAt(img, 4, 4), kLineWhite);
    EXPECT_EQ(PixelAt(img, 5, 5), Shade(4));

    SendMouse(b, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(7, 7));
    SendMouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(7, 7));
    EXPECT_TRUE(form.isMaximized());
}

TEST_F(TitleButtonsTest, ClickNeedsALeftReleaseInsideOrOneRowBelow) {
    TTitleButton* b = bar->MiniButton();
    int clicks = 0;
    QObject::connect(b, &TTitleButton::clicked, [&] { ++clicks; });
    form.show();
    auto pressRelease = [&](Qt::MouseButton button, QPoint at) {
        SendMouse(b, QEvent::MouseButtonPress, button, QPoint(5, 5));
        EXPECT_TRUE(b->Pressed());
        SendMouse(b, QEvent::MouseButtonRelease, button, at);
        EXPECT_FALSE(b->Pressed());
    };
    pressRelease(Qt::LeftButton, QPoint(15, 5));
    pressRelease(Qt::LeftButton, QPoint(5, 16));
    pressRelease(Qt::RightButton, QPoint(5, 5));
    EXPECT_EQ(clicks, 0);
    pressRelease(Qt::LeftButton, QPoint(14, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);
}

TEST_F(TitleButtonsTest, CloseGoesThroughTheWindowsClosePathOnlyOnARealClick) {
    form.show();
    TTitleButton* b = bar->CloseButton();
    SendMouse(b, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(7, 7));
    SendMouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(30, 7));
    EXPECT_TRUE(form.isVisible());
    SendMouse(b, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(7, 7));
    SendMouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(7, 7));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TitleButtonsTest, HintsReachTheBarOnEnterAndClearOnLeave) {
    QSignalSpy hints(bar, &TTitleButtons::hintChanged);
    Enter(bar->CloseButton());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar->CloseButton(), &leave);
    ASSERT_EQ(hints.count(), 2);
    EXPECT_EQ(hints[0][0].toString(), QStringLiteral("閉じる"));
    EXPECT_TRUE(hints[1][0].toString().isEmpty());
    EXPECT_EQ(bar->MiniButton()->toolTip(), QStringLiteral("最小化"));
}

TEST(TitleButtonsNoForm, MaximizeAndCloseDoNothing) {
    TTitleButtons bar;
    bar.MaxiButton()->Click();
    bar.CloseButton()->Click();
    EXPECT_EQ(bar.MaxiButton()->Hint(), QStringLiteral("最大化"));
}

}  // namespace
}  // namespace norvane
