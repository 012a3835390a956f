#include "gui/schedules/chocobo_page.h"

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

void TChocoboPage::BuildControls() {
    BuildNow();
    BuildChoice();
    BuildList();
    // Only the user's choice runs the change handler; building shows the list itself.
    connect(cmbChoco, &QComboBox::activated, this, &TChocoboPage::btnChocoRefClick);
    connect(btnChocoRef, &QPushButton::clicked, this, &TChocoboPage::btnChocoRefClick);
    // A stored index the box does not have leaves it with no choice.
    cmbChoco->setCurrentIndex(ShownChoice(stored_, cmbChoco->count()));
    btnChocoRefClick();
}

void TChocoboPage::LoadChoices(const StartupSettings& st) { stored_ = st.chocobo; }

void TChocoboPage::StoreChoices(CloseState& c) const {
    c.chocobo = IsBuilt() ? cmbChoco->currentIndex() : ShownChoice(stored_, static_cast<int>(kChocoTownNames.size()));
}

void TChocoboPage::Selected() {
    Build();
    Refresh(GetVanaTime());
    btnChocoRefClick();
}

void TChocoboPage::btnChocoRefClick() {
    if (cmbChoco->currentIndex() >= 0) ShowSchedule(GetVanaTime(), cmbChoco->currentIndex(), GetLocalBias());
}

namespace {

// The page's columns, all from the width of the bands: the five headers of
// today, the four destinations, the list's two headers and its two values.
enum ChocoboColumn { kHeadA, kHeadE = kHeadA + 4, kValueA, kDestHead = kValueA + 4, kPeriodHead, kRowDest, kRowPeriod };

ColumnRule ChocoboColumns() {
    return [](int width) {
        const ChocoboLayout l = LayoutChocoboPage(width, 0, 0, width);
        std::vector<ColumnSpan> spans;
        for (std::size_t i = 0; i < 5; ++i) spans.push_back({l.headLefts[i], i < 4 ? l.width : l.timeHeadWidth});
        for (int left : l.valueLefts) spans.push_back({left, l.valueWidth});
        spans.push_back({0, l.destHeadWidth});
        spans.push_back({l.periodHeadLeft, l.periodHeadWidth});
        spans.push_back({0, l.rowDestWidth});
        spans.push_back({l.rowPeriodLeft, l.rowPeriodWidth});
        return spans;
    };
}

}  // namespace

// Today: headers and one line of values, the second and fourth towns and the part framed.
void TChocoboPage::BuildNow() {
    const int lh = LineHeight();
    const ColumnRule columns = ChocoboColumns();
    TScheduleSection* part = AddSection(columns, 0);
    TScheduleRow* head = AddRow(part, lh + 3, columns, QStringLiteral("shpChocoHead0"));
    shpChocoHead[0] = head->Band();
    TScheduleRow* values = AddRow(part, lh + 6, columns);
    const QMargins headTop(0, 1, 0, 0), below(0, 3, 0, 0);
    for (std::size_t i = 0; i < 5; ++i) {
        const int column = static_cast<int>(i);
        const QString suffix = QString(QChar(static_cast<char>('A' + i))) + u'0';
        QLabel* caption = RowLabel(QStringLiteral("lblChocoHead") + suffix, kChocoHeadCaptions[i], lh + 1);
        caption->setAlignment(Qt::AlignCenter);
        head->Columns()->Add(caption, kHeadA + column, Qt::AlignTop, headTop);
        lblChocoHead[i] = caption;
        QLabel* value = RowLabel(QStringLiteral("lblChoco") + suffix, i < 4 ? "" : "00:00:00", lh);
        value->setAlignment(Qt::AlignCenter);
        if (i < 4) {
            values->Columns()->Add(value, kValueA + column, Qt::AlignTop, below);
        } else {
            // The time left keeps its own width, centred under its header.
            value->setFont(BoldArial());
            value->resize(value->sizeHint().width(), lh);
            values->Columns()->Add(value, kHeadE, Qt::AlignHCenter | Qt::AlignTop, below);
        }
        lblChocoNow[i] = value;
        Bind(now_[i], value);
    }
    shpChocoTate[0] = AddFrame(part, QStringLiteral("shpChocoTate0"), kHeadA + 1);
    shpChocoTate[1] = AddFrame(part, QStringLiteral("shpChocoTate1"), kHeadA + 3);
    shpChocoWaku1 = AddFrame(part, QStringLiteral("shpChocoWaku1"), TColumnLayout::kWholeRow);
}

// The choice line: town, caption, refresh button.
void TChocoboPage::BuildChoice() {
    const ChoiceLine line = MakeChoiceLine(AddSection({}, kPartGap), QStringLiteral("Choco"), kChocoTownNames,
                                           kChocoLabelCaption, kChocoRefCaption);
    shpChocoHead[1] = line.band;
    cmbChoco = line.box;
    lblChoco = line.caption;
    btnChocoRef = line.refresh;
}

void TChocoboPage::BuildList() {
    const int lh = LineHeight();
    const ColumnRule columns = ChocoboColumns();
    TScheduleSection* part = AddSection(columns, kPartGap);
    TScheduleRow* head = AddRow(part, lh + 3, columns, QStringLiteral("shpChocoHead2"));
    shpChocoHead[2] = head->Band();
    lblChocoHeadF0 = RowLabel(QStringLiteral("lblChocoHeadF0"), kChocoHeadFCaption, lh + 1);
    lblChocoHeadG0 = RowLabel(QStringLiteral("lblChocoHeadG0"), kChocoHeadGCaption, lh + 1);
    for (QLabel* l : {lblChocoHeadF0, lblChocoHeadG0}) l->setAlignment(Qt::AlignCenter);
    head->Columns()->Add(lblChocoHeadF0, kDestHead, Qt::AlignTop, {0, 1, 0, 0});
    head->Columns()->Add(lblChocoHeadG0, kPeriodHead, Qt::AlignTop, {0, 1, 0, 0});
    part->AddSpacing(1);
    for (std::size_t r = 0; r < kRows; ++r) {
        const QString stripe = r % 2 == 1 ? RowName("shpChocoLineB", static_cast<int>(r / 2)) : QString();
        TScheduleRow* row = AddRow(part, lh + 2, columns, stripe);
        if (r % 2 == 1) shpChocoLineB[r / 2] = row->Band();
        lblChocoLineA[r] = RowLabel(RowName("lblChocoLineA", static_cast<int>(r)), "", lh);
        lblChocoLineA[r]->setAlignment(Qt::AlignCenter);
        lblChocoLineB[r] = RowLabel(RowName("lblChocoLineB", static_cast<int>(r)), "", lh);
        row->Columns()->Add(lblChocoLineA[r], kRowDest, Qt::AlignTop, {0, 1, 0, 0});
        row->Columns()->Add(lblChocoLineB[r], kRowPeriod, Qt::AlignTop, {0, 1, 0, 0});
        Bind(rowDest_[r], lblChocoLineA[r]);
        Bind(rowPeriod_[r], lblChocoLineB[r]);
    }
    part->AddSpacing(1);
    shpChocoTate[2] = AddFrame(part, QStringLiteral("shpChocoTate2"), kDestHead);
    shpChocoWaku0 = AddFrame(part, QStringLiteral("shpChocoWaku0"), TColumnLayout::kWholeRow);
}

void TChocoboPage::Refresh(const VanaDateTime& now) {
    Build();
    const EarthTime localNow = GetLocalNow();
    const int bias = GetLocalBias();
    const ChocoboNowView view = ComputeChocoboNow(now, localNow, bias);
    for (std::size_t t = 0; t < kChocoTownCount; ++t) SetText(now_[t], view.towns[t]);
    SetText(now_[4], view.timeLeft);
}

void TChocoboPage::ShowSchedule(const VanaDateTime& now, int town, int bias) {
    const std::vector<ChocoboRowView> rows = ComputeChocoboSchedule(now, town, bias);
    for (std::size_t r = 0; r < rows.size() && r < kRows; ++r) {
        SetText(rowDest_[r], rows[r].destination);
        SetText(rowPeriod_[r], rows[r].period);
    }
}

void TChocoboPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpChocoHead) s->SetBrushColor(mid);
    for (TShape* s : shpChocoLineB) s->SetBrushColor(item);
}

}  // namespace norvane
