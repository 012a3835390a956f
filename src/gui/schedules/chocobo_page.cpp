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
    const int y = BuildNow();
    BuildList(BuildChoice(y + kPartGap) + kPartGap);
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

// Today: headers and one line of values. Returns the part's bottom.
int TChocoboPage::BuildNow() {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    shpChocoHead[0] = MakeBand(QStringLiteral("shpChocoHead0"), 0, headHeight);
    const int valueTop = headHeight + 3;
    for (std::size_t i = 0; i < 5; ++i) {
        const char column = static_cast<char>('A' + i);
        const QString suffix = QString(QChar(column)) + u'0';
        QLabel* head = MakeHeadLabel(QStringLiteral("lblChocoHead") + suffix, kChocoHeadCaptions[i], 1);
        head->resize(head->width(), lh + 1);
        lblChocoHead[i] = head;
        QLabel* value = MakeLabel(QStringLiteral("lblChoco") + suffix, i < 4 ? "" : "00:00:00", 1, valueTop);
        value->setAlignment(Qt::AlignCenter);
        if (i == 4) {
            value->setFont(BoldArial());
            value->adjustSize();
        }
        value->resize(value->width(), lh);
        lblChocoNow[i] = value;
        Bind(now_[i], value);
    }
    const int bottom = valueTop + lh + 3;
    shpChocoTate[0] = MakeFrame(QStringLiteral("shpChocoTate0"), 0, bottom);
    shpChocoTate[1] = MakeFrame(QStringLiteral("shpChocoTate1"), 0, bottom);
    shpChocoWaku1 = MakeFrame(QStringLiteral("shpChocoWaku1"), 0, bottom);
    return bottom;
}

// The choice line: town, caption, refresh button. Returns its bottom.
int TChocoboPage::BuildChoice(int y) {
    const ChoiceLine line = MakeChoiceLine(QStringLiteral("Choco"), y, kChocoTownNames, kChocoLabelCaption, kChocoRefCaption);
    shpChocoHead[1] = line.band;
    cmbChoco = line.box;
    lblChoco = line.caption;
    btnChocoRef = line.refresh;
    return line.bottom;
}

void TChocoboPage::BuildList(int y) {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    const int rowPitch = lh + 2;
    shpChocoHead[2] = MakeBand(QStringLiteral("shpChocoHead2"), y, headHeight);
    lblChocoHeadF0 = MakeHeadLabel(QStringLiteral("lblChocoHeadF0"), kChocoHeadFCaption, y + 1);
    lblChocoHeadG0 = MakeHeadLabel(QStringLiteral("lblChocoHeadG0"), kChocoHeadGCaption, y + 1);
    for (QLabel* l : {lblChocoHeadF0, lblChocoHeadG0}) l->resize(l->width(), lh + 1);
    const int rowsTop = y + headHeight + 1;
    for (std::size_t r = 0; r < kRows; ++r) {
        const int top = rowsTop + static_cast<int>(r) * rowPitch;
        if (r % 2 == 1)
            shpChocoLineB[r / 2] = MakeBand(RowName("shpChocoLineB", static_cast<int>(r / 2)), top, rowPitch);
        lblChocoLineA[r] = MakeLabel(RowName("lblChocoLineA", static_cast<int>(r)), "", 0, top + 1);
        lblChocoLineA[r]->setAlignment(Qt::AlignCenter);
        lblChocoLineB[r] = MakeLabel(RowName("lblChocoLineB", static_cast<int>(r)), "", 0, top + 1);
        for (QLabel* l : {lblChocoLineA[r], lblChocoLineB[r]}) l->resize(l->width(), lh);
        Bind(rowDest_[r], lblChocoLineA[r]);
        Bind(rowPeriod_[r], lblChocoLineB[r]);
    }
    const int bottom = rowsTop + static_cast<int>(kRows) * rowPitch + 1;
    shpChocoTate[2] = MakeFrame(QStringLiteral("shpChocoTate2"), y, bottom - y);
    shpChocoWaku0 = MakeFrame(QStringLiteral("shpChocoWaku0"), y, bottom - y);
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

void TChocoboPage::Layout() {
    const int width = AvailableWidth();
    for (TShape* s : shpChocoHead) s->resize(width, s->height());
    for (TShape* s : shpChocoLineB) s->resize(width, s->height());
    for (TShape* s : {shpChocoWaku0, shpChocoWaku1}) s->resize(width, s->height());
    const ChocoboLayout l = LayoutChocoboPage(shpChocoHead[0]->width(), lblChocoHead[0]->x(),
                                              lblChocoNow[4]->width(), shpChocoWaku0->width());
    auto setLeftWidth = [](QWidget* w, int left, int wide) { w->setGeometry(left, w->y(), wide, w->height()); };
    for (std::size_t i = 0; i < 5; ++i)
        setLeftWidth(lblChocoHead[i], l.headLefts[i], i < 4 ? l.width : l.timeHeadWidth);
    for (std::size_t i = 0; i < 4; ++i) setLeftWidth(lblChocoNow[i], l.valueLefts[i], l.valueWidth);
    lblChocoNow[4]->move(l.e0Left, lblChocoNow[4]->y());
    setLeftWidth(lblChocoHeadF0, lblChocoHeadF0->x(), l.destHeadWidth);
    setLeftWidth(lblChocoHeadG0, l.periodHeadLeft, l.periodHeadWidth);
    setLeftWidth(shpChocoTate[0], l.headLefts[1], l.width);
    setLeftWidth(shpChocoTate[1], l.headLefts[3], l.width);
    setLeftWidth(shpChocoTate[2], lblChocoHeadF0->x(), l.destHeadWidth);
    for (std::size_t r = 0; r < kRows; ++r) {
        setLeftWidth(lblChocoLineA[r], lblChocoLineA[r]->x(), l.rowDestWidth);
        setLeftWidth(lblChocoLineB[r], l.rowPeriodLeft, l.rowPeriodWidth);
    }
}

void TChocoboPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpChocoHead) s->SetBrushColor(mid);
    for (TShape* s : shpChocoLineB) s->SetBrushColor(item);
}

}  // namespace norvane
