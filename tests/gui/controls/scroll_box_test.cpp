// The page scroll box: focus on click, scrolling keys, focus signals, wheel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "gui/controls/scroll_box_ex.h"
#include "render_support.h"

namespace norvane {
namespace {

class ScrollBoxTest : public ::testing::Test {
protected:
    ScrollBoxTest() {
        window.resize(300, 200);
        box = new TScrollBoxEx(&window);
        box->setGeometry(0, 0, 200, 100);
        far = new QLabel(QStringLiteral("far"), box->Contents());
        far->setGeometry(500, 600, 40, 20);
        edit = new QLineEdit(&window);
        edit->setGeometry(0, 150, 100, 20);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        test::ProcessEvents();
    }
    QWidget window;
    TScrollBoxEx* box;
    QLabel* far;
    QLineEdit* edit;
};

TEST_F(ScrollBoxTest, RangeFollowsTheChildren) {
    EXPECT_GE(box->Contents()->width(), 540);
    EXPECT_GE(box->Contents()->height(), 620);
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    far->move(10, 10);
    test::ProcessEvents();
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
    far->move(10, 300);
    box->SetAutoScroll(false);
    test::ProcessEvents();
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
}

TEST_F(ScrollBoxTest, AHeldRangeFollowsTheChildrenWhenReleased) {
    {
        const TScrollBoxEx::RangeHold outer(box);
        {
            const TScrollBoxEx::RangeHold inner(box);
            far->move(10, 900);
            new QLabel(QStringLiteral("new"), box->Contents());
        }
        EXPECT_LT(box->Contents()->minimumHeight(), 920);  // still held by the outer hold
    }
    EXPECT_EQ(box->Contents()->minimumHeight(), 920);
    // Nothing moved under a hold: the range stays.
    { const TScrollBoxEx::RangeHold idle(box); }
    EXPECT_EQ(box->Contents()->minimumHeight(), 920);
}

TEST_F(ScrollBoxTest, ArrowAndPageKeysScroll) {
    box->setFocus();
    QScrollBar* v = box->verticalScrollBar();
    QScrollBar* h = box->horizontalScrollBar();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(v->value(), TScrollBoxEx::kLineStep);
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), TScrollBoxEx::kLineStep + v->pageStep());
    QTest::keyClick(box, Qt::Key_PageUp);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(v->value(), 0);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Right);
    EXPECT_EQ(h->value(), 2 * TScrollBoxEx::kLineStep);
    QTest::keyClick(box, Qt::Key_Left);
    EXPECT_EQ(h->value(), TScrollBoxEx::kLineStep);
}

TEST_F(ScrollBoxTest, TabStillMovesTheFocus) {
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
}

TEST_F(ScrollBoxTest, ClickingGivesFocusAndFocusChangesAreSignalled) {
    edit->setFocus();
    QSignalSpy entered(box, &TScrollBoxEx::focusEntered);
    QSignalSpy left(box, &TScrollBoxEx::focusLeft);
    // A press on the background, even with the right button, reaches the box.
    test::SendMouse(box->Contents(), QEvent::MouseButtonPress, Qt::RightButton, QPoint(20, 20));
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(entered.count(), 1);
    edit->setFocus();
    EXPECT_EQ(left.count(), 1);

    box->setEnabled(false);
    test::SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(20, 20));
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(ScrollBoxTest, OwnerCanTakeOverTheWheel) {
    int downs = 0;
    bool take = true;
    QObject::connect(box, &TScrollBoxEx::mouseWheelDown, [&](QWheelEvent*, bool& handled) {
        ++downs;
        handled = take;
    });
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(20, 20), QPointF(box->mapToGlobal(QPoint(20, 20))), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(box->viewport(), &e);
    };
    wheel(-120);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    take = false;
    wheel(-120);
    EXPECT_EQ(downs, 2);
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace norvane
