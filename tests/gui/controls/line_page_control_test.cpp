// The line page control: page list, activation, keys, mouse and painting.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "gui/controls/line_page.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/line_tab_panel.h"
#include "gui/controls/tab_style.h"
#include "render_support.h"

namespace norvane {
namespace {

using test::PixelAt;
using test::Render;

constexpr Colour kBody = Rgb(255, 255, 255);
constexpr Colour kEdge = Rgb(200, 200, 200);
constexpr Colour kLine = Rgb(0, 0, 128);
constexpr Colour kActiveTab = Rgb(250, 250, 210);
constexpr Colour kPassiveTab = Rgb(255, 251, 240);

class LinePageTest : public ::testing::Test {
protected:
    LinePageTest() {
        host.resize(400, 260);
        pcl = new TLinePageControl(&host);
        pcl->setFont(test::TestFont());
        pcl->SetColor(kBody);
        pcl->SetEdgeColor(kEdge);
        pcl->SetLineColor(kLine);
        pcl->TabStyle()->SetActiveTabColor(kActiveTab);
        pcl->TabStyle()->SetPassiveTabColor(kPassiveTab);
    }
    TLinePage* AddPage(const QString& caption) {
        auto* page = new TLinePage(pcl);
        page->SetCaption(caption);
        return page;
    }
    void ShowAndFocus(QWidget* w) {
        host.show();
        host.activateWindow();
        QApplication::setActiveWindow(&host);
        w->setFocus();
        test::ProcessEvents();
    }
    int TabLength(const QString& caption) const {
        return QFontMetrics(pcl->TabFont()).horizontalAdvance(caption) + 16;
    }
    QWidget host;
    TLinePageControl* pcl;
};

TEST_F(LinePageTest, PageListFollowsParentingRules) {
    TLinePage* a = AddPage("a");
    TLinePage* b = AddPage("b");
    auto* c = new TLinePage(b);  // goes before b, into the control
    EXPECT_EQ(c->parentWidget(), pcl);
    EXPECT_EQ(pcl->PageCount(), 3);
    EXPECT_EQ(pcl->Pages(1), c);
    EXPECT_EQ(b->PageIndex(), 2);

    QWidget elsewhere;
    auto* d = new TLinePage(&elsewhere);  // refused
    EXPECT_EQ(d->parentWidget(), nullptr);
    EXPECT_FALSE(c->SetParent(&elsewhere));
    EXPECT_EQ(c->parentWidget(), pcl);

    EXPECT_TRUE(a->SetParent(nullptr));
    EXPECT_EQ(pcl->PageCount(), 2);
    EXPECT_EQ(a->PageControl(), nullptr);
    a->setParent(pcl);  // plain reparenting appends too
    EXPECT_EQ(pcl->Pages(2), a);

    pcl->SetChildOrder(a, 0);
    EXPECT_EQ(pcl->Pages(0), a);
    EXPECT_TRUE(a->SetParent(b));  // a member moves before b
    EXPECT_EQ(pcl->Pages(0), c);
    EXPECT_EQ(pcl->Pages(1), a);
    EXPECT_EQ(pcl->Pages(2), b);

    delete c;
    EXPECT_EQ(pcl->PageCount(), 2);
    EXPECT_EQ(pcl->Pages(0), a);
    delete d;
}

TEST_F(LinePageTest, PageByOutOfRangeIndexThrows) {
    AddPage("a");
    EXPECT_THROW(pcl->Pages(1), ELinePageError);
    try {
        pcl->Pages(-1);
        FAIL();
    } catch (const ELinePageError& e) {
        EXPECT_STREQ(e.what(), "TLinePageControl.GetPages: Index is Out of Range");
    }
}

TEST_F(LinePageTest, ActivePageIgnoresBadIndexesAndAlwaysSignalsGoodOnes) {
    EXPECT_EQ(pcl->ActivePage(), -1);
    TLinePage* a = AddPage("a");
    TLinePage* b = AddPage("b");
    EXPECT_EQ(pcl->ActivePage(), 0);  // the first page shows by itself
    QSignalSpy changes(pcl, &TLinePageControl::changed);
    pcl->SetActivePage(2);
    pcl->SetActivePage(-1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(pcl->ActivePage(), 0);
    pcl->SetActivePage(0);
    EXPECT_EQ(changes.count(), 1);
    pcl->SetActivePage(1);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(a->isHidden());
    EXPECT_FALSE(b->isHidden());

    // Removing the active page activates the one that takes its place.
    delete b;
    EXPECT_EQ(pcl->ActivePage(), 0);
    EXPECT_FALSE(a->isHidden());
}

TEST_F(LinePageTest, LoadingDefersTheActivePage) {
    pcl->BeginLoad();
    AddPage("a");
    pcl->SetActivePage(1);
    EXPECT_EQ(pcl->ActivePage(), -1);
    AddPage("b");
    pcl->EndLoad();
    EXPECT_EQ(pcl->ActivePage(), 1);
}

TEST_F(LinePageTest, CtrlTabWrapsBothWaysAndFocusFollows) {
    std::vector<QLineEdit*> edits;
    for (const char* caption : {"a", "b", "c"}) edits.push_back(new QLineEdit(AddPage(caption)));
    ShowAndFocus(edits[0]);
    pcl->SetActivePage(2);
    EXPECT_EQ(QApplication::focusWidget(), edits[2]);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pcl->ActivePage(), 0);
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pcl->ActivePage(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pcl->ActivePage(), 1);
}

TEST_F(LinePageTest, CtrlTabOutsideTheControlIsNotTaken) {
    AddPage("a");
    AddPage("b");
    auto* outside = new QLineEdit(&host);
    outside->move(0, 220);
    ShowAndFocus(outside);
    QTest::keyClick(outside, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pcl->ActivePage(), 0);
}

TEST_F(LinePageTest, AnyMouseButtonOnAPassiveTabActivatesIt) {
    AddPage("first");
    AddPage("second");
    const QRect tab = pcl->TabPanel()->TabRects()[1];
    test::SendMouse(pcl->TabPanel(), QEvent::MouseButtonPress, Qt::RightButton, tab.center());
    EXPECT_EQ(pcl->ActivePage(), 1);
    // Borders count: the shared column belongs to the first tab.
    test::SendMouse(pcl->TabPanel(), QEvent::MouseButtonPress, Qt::LeftButton, tab.topLeft());
    EXPECT_EQ(pcl->ActivePage(), 0);
}

TEST_F(LinePageTest, TabsAreCaptionPlusSixteenSharingOneColumn) {
    const QString first = QStringLiteral("タイマー");
    const QString second = QStringLiteral("船・飛空挺");
    AddPage(first);
    AddPage(second);
    const int l0 = TabLength(first);
    const int l1 = TabLength(second);
    const QImage img = Render(*pcl->TabPanel());
    ASSERT_EQ(img.height(), 19);
    for (int y = 1; y < 18; ++y) {
        EXPECT_EQ(PixelAt(img, 0, y), kLine) << y;
        EXPECT_EQ(PixelAt(img, l0 - 1, y), kLine) << y;  // shared
        EXPECT_EQ(PixelAt(img, l0 + l1 - 2, y), kLine) << y;
        EXPECT_EQ(PixelAt(img, l0 + l1 - 1, y), kEdge) << y;
    }
    EXPECT_EQ(PixelAt(img, 2, 9), kActiveTab);
    EXPECT_EQ(PixelAt(img, l0 + 1, 9), kPassiveTab);
    // The active tab opens into the page; the passive one is closed.
    EXPECT_EQ(PixelAt(img, 0, 0), kLine);
    EXPECT_EQ(test::CountPixels(img, QRect(1, 0, l0 - 2, 1), kActiveTab), l0 - 2);
    EXPECT_EQ(PixelAt(img, l0 - 1, 0), kLine);
    EXPECT_EQ(test::CountPixels(img, QRect(l0, 0, l1 - 2, 1), kLine), l1 - 2);
    // The body's outline runs on along the strip.
    EXPECT_EQ(PixelAt(img, l0 + l1 + 20, 0), kLine);
}

TEST_F(LinePageTest, MainWindowStyleKeepsFirstTabCornerSquare) {
    pcl->SetEdgeRound(rkBottomLeft | rkBottomRight);
    AddPage("one");
    AddPage("two");
    const int l0 = TabLength("one");
    const QImage body = Render(*pcl, false);
    const int bottom = 200 - 19;  // the body's last row, under the strip
    EXPECT_EQ(PixelAt(body, 0, bottom), kLine);  // square
    EXPECT_EQ(PixelAt(body, 349, bottom), kEdge);  // cut
    EXPECT_EQ(PixelAt(body, 344, bottom), kLine);
    EXPECT_EQ(PixelAt(body, 349, bottom - 5), kLine);

    const QImage strip = Render(*pcl->TabPanel());
    EXPECT_EQ(PixelAt(strip, 349, 0), kEdge);  // the strip stops short of the cut
    EXPECT_EQ(PixelAt(strip, 344, 0), kLine);
    // Every tab has cut bottom corners.
    EXPECT_EQ(PixelAt(strip, 0, 18), kEdge);
    EXPECT_EQ(PixelAt(strip, 5, 18), kLine);
    EXPECT_EQ(PixelAt(strip, 0, 13), kLine);
    EXPECT_EQ(PixelAt(strip, l0 - 1, 18), kEdge);
    EXPECT_EQ(PixelAt(strip, l0 - 1 + TabLength("two") - 1, 18), kEdge);
}

struct PositionCase {
    TTabPosition position;
    QRect page;   // from the placement table, 350 x 200, border 5, tabs 19
    QRect strip;
    QPoint bodyEdge;  // a pixel of the body's tab-side outline
    QPoint outside;   // its neighbour under the strip
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << "tab position " << c.position; }

std::string PositionName(const ::testing::TestParamInfo<PositionCase>& param) {
    static const char* const kNames[] = {"Top", "Bottom", "Left", "Right"};
    return kNames[param.param.position];
}

class TabPositionTest : public LinePageTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(TabPositionTest, PagesStripAndBodyOutline) {
    const PositionCase& c = GetParam();
    pcl->SetEdgeRound(kAllCorners);
    pcl->SetTabPosition(c.position);
    TLinePage* page = AddPage("page");
    EXPECT_EQ(page->geometry(), c.page);
    EXPECT_EQ(pcl->TabPanel()->geometry(), c.strip);
    host.show();
    page->move(0, 0);  // pages stay anchored
    EXPECT_EQ(page->geometry(), c.page);

    const QImage body = Render(*pcl, false);
    EXPECT_EQ(PixelAt(body, c.bodyEdge), kLine);
    EXPECT_EQ(PixelAt(body, c.outside), kEdge);
    EXPECT_EQ(PixelAt(body, 175, 100), kBody);
}

INSTANTIATE_TEST_SUITE_P(
    AllSides, TabPositionTest,
    ::testing::Values(
        PositionCase{tpTop, QRect(5, 23, 340, 172), QRect(0, 0, 350, 19), QPoint(175, 18), QPoint(175, 17)},
        PositionCase{tpBottom, QRect(5, 5, 340, 172), QRect(0, 181, 350, 19), QPoint(175, 181), QPoint(175, 182)},
        PositionCase{tpLeft, QRect(23, 5, 322, 190), QRect(0, 0, 19, 200), QPoint(18, 100), QPoint(17, 100)},
        PositionCase{tpRight, QRect(5, 5, 322, 190), QRect(331, 0, 19, 200), QPoint(331, 100), QPoint(332, 100)}),
    PositionName);

TEST_F(LinePageTest, HoveredTabUsesActiveFontColourAndTabCursor) {
    AddPage("Active");
    AddPage("Hover");
    pcl->TabStyle()->SetCursor(QCursor(Qt::PointingHandCursor));
    TLineTabPanel* strip = pcl->TabPanel();
    const std::vector<QRect> tabs = strip->TabRects();
    test::SendMouse(strip, QEvent::MouseMove, Qt::NoButton, tabs[1].center());
    EXPECT_EQ(strip->HotTab(), 1);
    EXPECT_EQ(strip->cursor().shape(), Qt::PointingHandCursor);

    const QImage img = Render(*strip);
    const Colour hot = pcl->TabStyle()->ActiveFontColor();
    const Colour normal = pcl->TabStyle()->PassiveFontColor();
    EXPECT_GT(test::CountPixels(img, tabs[1], hot), 0);
    EXPECT_EQ(test::CountPixels(img, tabs[1], normal), 0);
    EXPECT_GT(test::CountPixels(img, tabs[0], normal), 0);
    EXPECT_EQ(test::CountPixels(img, tabs[0], hot), 0);

    test::SendMouse(strip, QEvent::MouseMove, Qt::NoButton, QPoint(300, 5));
    EXPECT_EQ(strip->HotTab(), -1);
    EXPECT_FALSE(strip->testAttribute(Qt::WA_SetCursor));  // the control's own cursor
    test::SendMouse(strip, QEvent::MouseMove, Qt::NoButton, tabs[1].center());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(strip, &leave);
    EXPECT_EQ(strip->HotTab(), -1);
}

TEST_F(LinePageTest, SideTabCaptionsAreRotatedIntoTheirTab) {
    const QString caption = QStringLiteral("Abcdef");
    AddPage(QStringLiteral("x"));
    AddPage(caption);
    const QFontMetrics fm(pcl->TabFont());
    const int tw = fm.horizontalAdvance(caption);
    const int th = fm.height();
    const int o = TabLength("x") - 1;
    const Colour ink = pcl->TabStyle()->PassiveFontColor();
    for (TTabPosition pos : {tpLeft, tpRight}) {
        pcl->SetTabPosition(pos);
        const QImage img = Render(*pcl->TabPanel());
        // Upright text would be tw wide across a 19-pixel strip; rotated it
        // runs along the tab from o + 8, within the text height across.
        const QRect band(QPoint((19 - th) / 2, o + 8), QSize(th, tw));
        const int inside = test::CountPixels(img, band, ink);
        EXPECT_GT(inside, 0) << pos;
        EXPECT_EQ(test::CountPixels(img, QRect(0, o, 19, TabLength(caption)), ink), inside) << pos;
        EXPECT_GT(test::CountPixels(img, QRect(0, o + 8 + tw / 2, 19, tw / 2), ink), 0) << pos;
    }
}

}  // namespace
}  // namespace norvane
