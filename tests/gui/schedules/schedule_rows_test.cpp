// The schedule pages' rows: where the column layout puts a control, that the
// clock's writes never ask for a new layout, and that every page is laid out
// whole in each Japanese face (ctest runs the page check at scale 1.5 too).
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/controls/shape.h"
#include "gui/schedules/schedule_page.h"
#include "gui/schedules/schedule_pages.h"
#include "gui/schedules/schedule_rows.h"
#include "layout_check.h"
#include "window_fixture.h"

namespace norvane {
namespace {

// Counts the layout requests posted to any widget under `root`.
class LayoutRequests : public QObject {
public:
    explicit LayoutRequests(QWidget* root) : root_(root) { qApp->installEventFilter(this); }
    ~LayoutRequests() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::LayoutRequest && o->isWidgetType() &&
            (o == root_ || root_->isAncestorOf(static_cast<QWidget*>(o))))
            ++count;
        return false;
    }

private:
    QWidget* root_;
};

TEST(ColumnLayout, PlacesByAlignmentInTheColumnsOfTheRowWidth) {
    // Two columns: the left third, and the rest less a pixel each side.
    const ColumnRule rule = [](int width) {
        return std::vector<ColumnSpan>{{0, width / 3}, {width / 3 + 1, width - width / 3 - 2}};
    };
    QWidget row;
    auto* columns = new TColumnLayout(&row, rule);
    const struct {
        int column;
        Qt::Alignment how;
        QMargins margins;
        QRect at300, at150;
    } cases[] = {
        {0, {}, {}, {0, 0, 100, 20}, {0, 0, 50, 20}},                                   // fills
        {1, Qt::AlignTop, {2, 1, 3, 0}, {103, 1, 193, 10}, {53, 1, 93, 10}},            // fills across, less margins
        {1, Qt::AlignRight | Qt::AlignTop, {}, {259, 0, 40, 10}, {109, 0, 40, 10}},
        {0, Qt::AlignCenter, {}, {30, 5, 40, 10}, {5, 5, 40, 10}},                       // centring truncates
        {TColumnLayout::kWholeRow, {}, {}, {0, 0, 300, 20}, {0, 0, 150, 20}},
        {7, Qt::AlignLeft | Qt::AlignTop, {}, {0, 0, 40, 10}, {0, 0, 40, 10}},           // no such column
    };
    std::vector<QWidget*> placed;
    for (const auto& c : cases) {
        auto* w = new QWidget;
        w->resize(40, 10);
        columns->Add(w, c.column, c.how, c.margins);
        placed.push_back(w);
    }
    row.setFixedHeight(20);
    for (int width : {300, 150}) {
        row.resize(width, 20);
        columns->setGeometry(row.rect());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const QRect expected = width == 300 ? cases[i].at300 : cases[i].at150;
            EXPECT_EQ(placed[i]->geometry(), expected) << "case " << i << " at " << width;
            // Held at that size, so that a new text or picture asks for no layout.
            EXPECT_EQ(placed[i]->minimumSize(), expected.size());
            EXPECT_EQ(placed[i]->maximumSize(), expected.size());
        }
    }
}

TEST(ColumnLayout, ALineOfControlsAcrossTheRowSetsTheRowsWidth) {
    QWidget row;
    auto* columns = new TColumnLayout(&row, {});
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    auto* a = new QLabel(QStringLiteral("種族"));
    a->setFixedSize(60, 12);
    line->addWidget(a);
    line->addSpacing(8);
    line->addStretch(1);
    columns->Add(line, TColumnLayout::kWholeRow, {}, {2, 2, 0, 2});
    EXPECT_EQ(columns->sizeHint(), QSize(70, 16));
}

// A layout passes its request up one parent per round of the event loop.
void Settle() {
    for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

class SchedulePagesTest : public WindowFixture {};

TEST_F(SchedulePagesTest, TheClocksWritesAskForNoLayout) {
    TfrmMain& w = Show();
    w.SchedulePages()->BuildPages();
    QApplication::processEvents();
    for (Page page : {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo}) {
        w.ShowPage(page);
        Settle();
        TSchedulePage* view = w.SchedulePages()->View(page);
        const LayoutRequests requests(view);
        // A minute and a second on: every countdown of the page changes.
        clock_.advanceMs(61'000);
        w.SchedulePages()->Refresh(page, GetVanaTime());
        Settle();
        EXPECT_EQ(requests.count, 0) << static_cast<int>(page);
    }
}

class PageLayoutsTest : public testing::TestWithParam<QString> {
protected:
    PageLayoutsTest() : clockScope_(clock_) {
        qputenv("NORVANE_SETTINGS", dir_.filePath("Norvane.reg").toUtf8());
        clock_.setUtc({2024, 5, 17, 3, 4, 5, 0});
        QApplication::setFont(QFont(GetParam()));
    }
    ~PageLayoutsTest() override { QApplication::setFont(UiFont(12)); }

    QTemporaryDir dir_;
    FakeOsClock clock_;
    ScopedOsClock clockScope_;
};

// Neighbouring columns share the pixel their frame line runs on, and a shop's
// holiday picture stands two pixels into its caption's box, as designed.
constexpr int kSharedEdge = 2;

TEST_P(PageLayoutsTest, EveryPageIsWholeInTheFace) {
    TfrmMain w(std::vector<std::string>{"norvane"});
    QFont face = w.font();
    face.setFamily(GetParam());
    w.setFont(face);
    w.show();
    for (Page page : {Page::Ship, Page::Guild, Page::Racial, Page::Chocobo, Page::Skill, Page::Calendar}) {
        w.ShowPage(page);
        Settle();
        TSchedulePage* view = w.SchedulePages()->View(page);
        ASSERT_TRUE(view->IsBuilt());
        QStringList faults = LayoutFaults(view, kSharedEdge);
        // A route's two lines are each centred with their crest, the origin's
        // on its left and the destination's on its right: the destination's
        // crest comes up beside the origin's caption, its blank top corner
        // over the caption's box.
        faults.removeIf([](const QString& f) {
            static const QRegularExpression interleaved(QStringLiteral("^lblShipLineA\\d+ overlaps SubImage$"));
            return interleaved.match(f).hasMatch();
        });
        EXPECT_TRUE(faults.isEmpty()) << "page " << static_cast<int>(page) << " in " << GetParam().toStdString()
                                      << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, PageLayoutsTest, testing::ValuesIn(JapaneseFaces()), FaceTestName);

}  // namespace
}  // namespace norvane
