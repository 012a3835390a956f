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
    BuildNow();
    BuildChoice();
    BuildList();
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

namespace {

// The page's columns, all from the width of the bands.
enum RacialColumn { kHead0, kHead1, kHead2, kHead4, kValueA, kValueB, kRowB };

ColumnRule RacialColumns() {
    return [](int width) {
        const RacialLayout l = LayoutRacialPage(width, 0, 0, width);
        return std::vector<ColumnSpan>{{0, l.width},          {l.head1Left, l.width}, {l.head2Left, l.width},
                                       {l.head1Left, l.head4Width}, {l.a0Left, l.valueWidth},
                                       {l.b0Left, l.valueWidth}, {l.rowBLeft, l.rowBWidth}};
    };
}

}  // namespace

// This week: headers and one line of values, the dungeon column and the part framed.
void TRacialPage::BuildNow() {
    const int lh = LineHeight();
    const ColumnRule columns = RacialColumns();
    TScheduleSection* part = AddSection(columns, 0);
    TScheduleRow* head = AddRow(part, lh + 3, columns, QStringLiteral("shpRacialHead0"));
    shpRacialHead[0] = head->Band();
    const std::string_view captions[3] = {kRacialHead0Caption, kRacialHead1Caption, kRacialHead2Caption};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = RowLabel(RowName("lblRacialHead", i), captions[i], lh + 1);
        l->setAlignment(Qt::AlignCenter);
        head->Columns()->Add(l, kHead0 + i, Qt::AlignTop, {0, 1, 0, 0});
        lblRacialHead[static_cast<std::size_t>(i)] = l;
    }
    TScheduleRow* values = AddRow(part, lh + 6, columns);
    lblRacialA0 = RowLabel(QStringLiteral("lblRacialA0"), kRaceNames[0], lh);
    lblRacialB0 = RowLabel(QStringLiteral("lblRacialB0"), kDungeonNames[0], lh);
    lblRacialC0 = RowLabel(QStringLiteral("lblRacialC0"), "00:00:00", lh);
    lblRacialC0->setFont(BoldArial());
    lblRacialC0->resize(lblRacialC0->sizeHint().width(), lh);
    for (QLabel* l : {lblRacialA0, lblRacialB0, lblRacialC0}) l->setAlignment(Qt::AlignCenter);
    QFont bold = lblRacialA0->font();
    bold.setBold(true);
    lblRacialA0->setFont(bold);
    const QMargins below(0, 3, 0, 0);
    values->Columns()->Add(lblRacialA0, kValueA, Qt::AlignTop, below);
    values->Columns()->Add(lblRacialB0, kValueB, Qt::AlignTop, below);
    values->Columns()->Add(lblRacialC0, kHead2, Qt::AlignHCenter | Qt::AlignTop, below);
    Bind(race_, lblRacialA0);
    Bind(dungeon_, lblRacialB0);
    Bind(timeLeft_, lblRacialC0);
    shpRacialTate[0] = AddFrame(part, QStringLiteral("shpRacialTate0"), kHead1);
    shpRacialWaku1 = AddFrame(part, QStringLiteral("shpRacialWaku1"), TColumnLayout::kWholeRow);
}

// The choice line: race, caption, refresh button.
void TRacialPage::BuildChoice() {
    const ChoiceLine line = MakeChoiceLine(AddSection({}, kPartGap), QStringLiteral("Racial"), kRaceNames,
                                           kRacialLabelCaption, kRacialRefCaption);
    shpRacialHead[1] = line.band;
    cmbRacial = line.box;
    lblRacial = line.caption;
    btnRacialRef = line.refresh;
}

void TRacialPage::BuildList() {
    const int lh = LineHeight();
    const ColumnRule columns = RacialColumns();
    TScheduleSection* part = AddSection(columns, kPartGap);
    TScheduleRow* head = AddRow(part, lh + 3, columns, QStringLiteral("shpRacialHead2"));
    shpRacialHead[2] = head->Band();
    const std::string_view captions[2] = {kRacialHead3Caption, kRacialHead4Caption};
    for (int i = 0; i < 2; ++i) {
        QLabel* l = RowLabel(RowName("lblRacialHead", 3 + i), captions[i], lh + 1);
        l->setAlignment(Qt::AlignCenter);
        head->Columns()->Add(l, i == 0 ? kHead0 : kHead4, Qt::AlignTop, {0, 1, 0, 0});
        lblRacialHead[static_cast<std::size_t>(3 + i)] = l;
    }
    part->AddSpacing(1);
    for (std::size_t r = 0; r < kRows; ++r) {
        const QString stripe = r % 2 == 1 ? RowName("shpRacialLine", static_cast<int>(r / 2)) : QString();
        TScheduleRow* row = AddRow(part, lh + 2, columns, stripe);
        if (r % 2 == 1) shpRacialLine[r / 2] = row->Band();
        lblRacialLineA[r] = RowLabel(RowName("lblRacialLineA", static_cast<int>(r)), "", lh);
        lblRacialLineA[r]->setAlignment(Qt::AlignCenter);
        lblRacialLineB[r] = RowLabel(RowName("lblRacialLineB", static_cast<int>(r)), "", lh);
        row->Columns()->Add(lblRacialLineA[r], kValueA, Qt::AlignTop, {0, 1, 0, 0});
        row->Columns()->Add(lblRacialLineB[r], kRowB, Qt::AlignTop, {0, 1, 0, 0});
        Bind(rowDungeon_[r], lblRacialLineA[r]);
        Bind(rowPeriod_[r], lblRacialLineB[r]);
    }
    part->AddSpacing(1);
    shpRacialTate[1] = AddFrame(part, QStringLiteral("shpRacialTate1"), kHead0);
    shpRacialWaku0 = AddFrame(part, QStringLiteral("shpRacialWaku0"), TColumnLayout::kWholeRow);
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

void TRacialPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpRacialHead) s->SetBrushColor(mid);
    for (TShape* s : shpRacialLine) s->SetBrushColor(item);
}

}  // namespace norvane
