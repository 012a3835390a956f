#include "gui/schedules/racial_page.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/schedules/column_layout.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/shape.h"
#include "gui/main_window/app_style.h"

namespace norvane {

namespace {
constexpr int kPartGap = 6;
}  // namespace

void TRacialPage::BuildControls() {
    const int y = BuildNow();
    BuildList(BuildChoice(y + kPartGap) + kPartGap);
    // Only the user's choice runs the change handler; building shows the list itself.
    connect(cmbRacial, &QComboBox::activated, this, &TRacialPage::btnRacialRefClick);
    connect(btnRacialRef, &QPushButton::clicked, this, &TRacialPage::btnRacialRefClick);
    // A stored index the box does not have leaves it with no choice.
    cmbRacial->setCurrentIndex(ShownChoice(stored_, cmbRacial->count()));
    btnRacialRefClick();
}

void TRacialPage::LoadChoices(const StartupSettings& st) { stored_ = st.racial; }

void TRacialPage::StoreChoices(CloseState& c) const {
    c.racial = IsBuilt() ? cmbRacial->currentIndex() : ShownChoice(stored_, static_cast<int>(kRaceNames.size()));
}

void TRacialPage::Selected() {
    Build();
    Refresh(GetVanaTime());
    btnRacialRefClick();
}

void TRacialPage::btnRacialRefClick() {
    if (cmbRacial->currentIndex() >= 0) ShowSchedule(GetVanaTime(), cmbRacial->currentIndex(), GetLocalBias());
}

// This week: headers and one line of values. Returns the part's bottom.
int TRacialPage::BuildNow() {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    shpRacialHead[0] = MakeBand(QStringLiteral("shpRacialHead0"), 0, headHeight);
    const std::string_view captions[3] = {kRacialHead0Caption, kRacialHead1Caption, kRacialHead2Caption};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = MakeHeadLabel(RowName("lblRacialHead", i), captions[i], 1);
        l->resize(l->width(), lh + 1);
        lblRacialHead[static_cast<std::size_t>(i)] = l;
    }
    const int valueTop = headHeight + 3;
    lblRacialA0 = MakeLabel(QStringLiteral("lblRacialA0"), kRaceNames[0], 1, valueTop);
    lblRacialB0 = MakeLabel(QStringLiteral("lblRacialB0"), kDungeonNames[0], 1, valueTop);
    lblRacialC0 = MakeLabel(QStringLiteral("lblRacialC0"), "00:00:00", 1, valueTop);
    lblRacialC0->setFont(BoldArial());
    lblRacialC0->adjustSize();
    for (QLabel* l : {lblRacialA0, lblRacialB0, lblRacialC0}) {
        l->setAlignment(Qt::AlignCenter);
        l->resize(l->width(), lh);
    }
    QFont bold = lblRacialA0->font();
    bold.setBold(true);
    lblRacialA0->setFont(bold);
    Bind(race_, lblRacialA0);
    Bind(dungeon_, lblRacialB0);
    Bind(timeLeft_, lblRacialC0);
    const int bottom = valueTop + lh + 3;
    shpRacialTate[0] = MakeFrame(QStringLiteral("shpRacialTate0"), 0, bottom);
    shpRacialWaku1 = MakeFrame(QStringLiteral("shpRacialWaku1"), 0, bottom);
    return bottom;
}

// The choice line: race, caption, refresh button. Returns its bottom.
int TRacialPage::BuildChoice(int y) {
    const ChoiceLine line = MakeChoiceLine(QStringLiteral("Racial"), y, kRaceNames, kRacialLabelCaption, kRacialRefCaption);
    shpRacialHead[1] = line.band;
    cmbRacial = line.box;
    lblRacial = line.caption;
    btnRacialRef = line.refresh;
    return line.bottom;
}

void TRacialPage::BuildList(int y) {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    const int rowPitch = lh + 2;
    shpRacialHead[2] = MakeBand(QStringLiteral("shpRacialHead2"), y, headHeight);
    const std::string_view captions[2] = {kRacialHead3Caption, kRacialHead4Caption};
    for (int i = 0; i < 2; ++i) {
        QLabel* l = MakeHeadLabel(RowName("lblRacialHead", 3 + i), captions[i], y + 1);
        l->resize(l->width(), lh + 1);
        lblRacialHead[static_cast<std::size_t>(3 + i)] = l;
    }
    const int rowsTop = y + headHeight + 1;
    for (std::size_t r = 0; r < kRows; ++r) {
        const int top = rowsTop + static_cast<int>(r) * rowPitch;
        if (r % 2 == 1)
            shpRacialLine[r / 2] = MakeBand(RowName("shpRacialLine", static_cast<int>(r / 2)), top, rowPitch);
        lblRacialLineA[r] = MakeLabel(RowName("lblRacialLineA", static_cast<int>(r)), "", 1, top + 1);
        lblRacialLineA[r]->setAlignment(Qt::AlignCenter);
        lblRacialLineB[r] = MakeLabel(RowName("lblRacialLineB", static_cast<int>(r)), "", 0, top + 1);
        for (QLabel* l : {lblRacialLineA[r], lblRacialLineB[r]}) l->resize(l->width(), lh);
        Bind(rowDungeon_[r], lblRacialLineA[r]);
        Bind(rowPeriod_[r], lblRacialLineB[r]);
    }
    const int bottom = rowsTop + static_cast<int>(kRows) * rowPitch + 1;
    shpRacialTate[1] = MakeFrame(QStringLiteral("shpRacialTate1"), y, bottom - y);
    shpRacialWaku0 = MakeFrame(QStringLiteral("shpRacialWaku0"), y, bottom - y);
}

void TRacialPage::Refresh(const VanaDateTime& now) {
    Build();
    const EarthTime localNow = GetLocalNow();
    const int bias = GetLocalBias();
    const RacialNowView view = ComputeRacialNow(now, localNow, bias);
    SetText(race_, view.raceText);
    SetText(dungeon_, view.dungeonText);
    SetText(timeLeft_, view.timeLeft);
}

void TRacialPage::ShowSchedule(const VanaDateTime& now, int race, int bias) {
    const std::vector<RacialRowView> rows = ComputeRacialSchedule(now, race, bias);
    for (std::size_t r = 0; r < rows.size() && r < kRows; ++r) {
        SetText(rowDungeon_[r], rows[r].dungeonText);
        SetText(rowPeriod_[r], rows[r].period);
    }
}

void TRacialPage::Layout() {
    const int width = AvailableWidth();
    for (TShape* s : shpRacialHead) s->resize(width, s->height());
    for (TShape* s : shpRacialLine) s->resize(width, s->height());
    for (TShape* s : {shpRacialWaku0, shpRacialWaku1}) s->resize(width, s->height());
    const RacialLayout l = LayoutRacialPage(shpRacialHead[0]->width(), lblRacialHead[0]->x(),
                                            lblRacialC0->width(), shpRacialWaku0->width());
    auto setLeftWidth = [](QWidget* w, int left, int wide) { w->setGeometry(left, w->y(), wide, w->height()); };
    setLeftWidth(lblRacialHead[0], lblRacialHead[0]->x(), l.width);
    setLeftWidth(lblRacialHead[1], l.head1Left, l.width);
    setLeftWidth(lblRacialHead[2], l.head2Left, l.width);
    setLeftWidth(lblRacialHead[3], lblRacialHead[3]->x(), l.width);
    setLeftWidth(lblRacialHead[4], l.head1Left, l.head4Width);
    setLeftWidth(shpRacialTate[0], l.head1Left, l.width);
    setLeftWidth(shpRacialTate[1], shpRacialTate[1]->x(), l.width);
    setLeftWidth(lblRacialA0, l.a0Left, l.valueWidth);
    setLeftWidth(lblRacialB0, l.b0Left, l.valueWidth);
    lblRacialC0->move(l.c0Left, lblRacialC0->y());
    for (std::size_t r = 0; r < kRows; ++r) {
        setLeftWidth(lblRacialLineA[r], lblRacialLineA[r]->x(), l.valueWidth);
        setLeftWidth(lblRacialLineB[r], l.rowBLeft, l.rowBWidth);
    }
}

void TRacialPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpRacialHead) s->SetBrushColor(mid);
    for (TShape* s : shpRacialLine) s->SetBrushColor(item);
}

}  // namespace norvane
