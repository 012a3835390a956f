#include "gui/schedules/skill_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "core/schedules/column_layout.h"
#include "gui/controls/number_spin.h"
#include "gui/controls/shape.h"
#include "gui/main_window/app_style.h"

namespace norvane {

namespace {
constexpr int kPartGap = 6;
// Rows start two pixels in, where the name columns' fill begins.
constexpr int kRowLeft = 2;
}  // namespace

namespace {
// The level the spin shows for a stored one: its position stays within 1-75.
int ShownLevel(int stored) { return std::clamp(stored, kMinSkillLevel, kMaxSkillLevel); }
}  // namespace

void TSkillPage::BuildControls() {
    BuildChoice();
    BuildList();
    cmbSkillMain->setCurrentIndex(ShownChoice(storedJob_, cmbSkillMain->count()));
    {
        // The stored level and job are shown once both are in place.
        const QSignalBlocker quiet(updSkillMLv);
        updSkillMLv->setValue(ShownLevel(storedLevel_));
    }
    cmbSkillMainChange();
    connect(cmbSkillMain, &QComboBox::currentIndexChanged, this, &TSkillPage::cmbSkillMainChange);
    connect(updSkillMLv, &QSpinBox::valueChanged, this, &TSkillPage::edtSkillMLvChange);
    connect(btnSkillRef, &QPushButton::clicked, this, &TSkillPage::btnSkillRefClick);
}

void TSkillPage::LoadChoices(const StartupSettings& st) {
    storedJob_ = st.skillJob;
    storedLevel_ = st.skillLv;
}

void TSkillPage::StoreChoices(CloseState& c) const {
    c.skillJob = IsBuilt() ? Job() : ShownChoice(storedJob_, static_cast<int>(kJobNames.size()));
    c.skillLv = IsBuilt() ? updSkillMLv->value() : ShownLevel(storedLevel_);
}

void TSkillPage::cmbSkillMainChange() {
    const int job = Job();
    EnableLevel(job >= 0);
    if (job >= 0) ShowCaps(ComputeSkillPage(skillIni_, job, Level()));
}

void TSkillPage::edtSkillMLvChange() { btnSkillRefClick(); }

void TSkillPage::btnSkillRefClick() {
    if (Job() >= 0) ShowCaps(ComputeSkillPage(skillIni_, Job(), Level()));
}

namespace {

// The page's columns, all from the width of the bands.
enum SkillColumn { kHead0, kHead1, kHead2, kHead3, kTate0, kTate1, kLineA, kLineB, kLineC, kLineRight };

ColumnRule SkillColumns() {
    return [](int width) {
        const SkillLayout l = LayoutSkillPage(width, kRowLeft, kRowLeft, kRowLeft);
        std::vector<ColumnSpan> spans;
        for (std::size_t i = 0; i < l.headLefts.size(); ++i) spans.push_back({l.headLefts[i], l.headWidths[i]});
        spans.insert(spans.end(), {{kRowLeft, l.tateWidth}, {l.tate1Left, l.tateWidth}, {kRowLeft, l.aWidth},
                                   {l.bLeft, l.bWidth}, {l.cLeft, l.cWidth}, {l.rightLeft, l.rightWidth}});
        return spans;
    };
}

}  // namespace

// The job, the level with its spin, the refresh button, from the left.
void TSkillPage::BuildChoice() {
    TScheduleSection* part = AddSection({}, 0);
    cmbSkillMain = new QComboBox(this);
    cmbSkillMain->setObjectName(QStringLiteral("cmbSkillMain"));
    WheelOnlyWhenFocused(cmbSkillMain);
    for (std::string_view job : kJobNames) cmbSkillMain->addItem(FromView(job));
    cmbSkillMain->setCurrentIndex(kNoJob);
    cmbSkillMain->adjustSize();
    const int height = cmbSkillMain->height();
    TScheduleRow* row = AddRow(part, height + 4, {}, QStringLiteral("shpSkillHead1"));
    shpSkillHead[1] = row->Band();

    // Any text reads as a level: not a number is the first, and it is held within the range.
    updSkillMLv = new TNumberSpin(
        kMinSkillLevel, kMaxSkillLevel, 2,
        [](const QString& text) { return SkillLevelOfText(text.toStdString()); }, this);
    updSkillMLv->setObjectName(QStringLiteral("updSkillMLv"));
    QLineEdit* edtSkillMLv = updSkillMLv->lineEdit();
    edtSkillMLv->setObjectName(QStringLiteral("edtSkillMLv"));
    updSkillMLv->setValue(kMinSkillLevel);
    // Two digits' room in the edit, the arrows beside it.
    const int digits = edtSkillMLv->fontMetrics().horizontalAdvance(QStringLiteral("00"));
    updSkillMLv->setFixedSize(digits + 14 + kSpinArrowsWidth, height);

    btnSkillRef = new QPushButton(FromView(kSkillRefCaption), this);
    btnSkillRef->setObjectName(QStringLiteral("btnSkillRef"));
    btnSkillRef->setFixedHeight(height);
    auto* line = new QHBoxLayout;
    line->setContentsMargins(2, 2, 0, 2);
    line->setSpacing(0);
    line->addWidget(cmbSkillMain);
    line->addSpacing(6);
    line->addWidget(updSkillMLv);
    line->addSpacing(8);
    line->addWidget(btnSkillRef);
    line->addStretch(1);
    row->Columns()->Add(line, TColumnLayout::kWholeRow, {});
    EnableLevel(false);
}

// The column headers and the thirty skills, the name columns filled and framed.
void TSkillPage::BuildList() {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    const ColumnRule columns = SkillColumns();
    TScheduleSection* part = AddSection(columns, kPartGap);
    TScheduleRow* head = AddRow(part, headHeight, columns, QStringLiteral("shpSkillHead0"));
    shpSkillHead[0] = head->Band();
    for (std::size_t i = 0; i < lblSkillHead.size(); ++i) {
        QLabel* l = RowLabel(RowName("lblSkillHead", static_cast<int>(i)), kSkillHeadCaptions[i], lh + 1);
        l->setAlignment(Qt::AlignCenter);
        head->Columns()->Add(l, kHead0 + static_cast<int>(i), Qt::AlignTop, {0, 1, 0, 0});
        lblSkillHead[i] = l;
    }
    part->AddSpacing(1);
    const QMargins below(0, 1, 0, 0);
    for (std::size_t r = 0; r < kRows; ++r) {
        TScheduleRow* row = AddRow(part, lh + 2, columns);
        const int n = static_cast<int>(r);
        lblSkillLineA[r] = RowLabel(RowName("lblSkillLineA", n), kSkillNames[r], lh);
        lblSkillLineB[r] = RowLabel(RowName("lblSkillLineB", n), "", lh);
        lblSkillLineC[r] = RowLabel(RowName("lblSkillLineC", n), kSkillNames[r + kRows], lh);
        lblSkillLineB[r + kRows] = RowLabel(RowName("lblSkillLineB", n + static_cast<int>(kRows)), "", lh);
        const std::pair<QLabel*, SkillColumn> cells[] = {{lblSkillLineA[r], kLineA},
                                                         {lblSkillLineB[r], kLineB},
                                                         {lblSkillLineC[r], kLineC},
                                                         {lblSkillLineB[r + kRows], kLineRight}};
        for (const auto& [label, column] : cells) {
            label->setAlignment(Qt::AlignCenter);
            row->Columns()->Add(label, column, Qt::AlignTop, below);
        }
    }
    part->AddSpacing(1);
    // The name columns are filled behind their labels under the headers, and
    // outlined with the headers.
    for (int i = 0; i < 2; ++i) {
        shpSkillTate[static_cast<std::size_t>(i)] =
            AddFill(part, RowName("shpSkillTate", i), kTate0 + i, {0, headHeight, 0, 0});
        shpSkillTate[static_cast<std::size_t>(i + 2)] = AddFrame(part, RowName("shpSkillTate", i + 2), kTate0 + i);
    }
    for (std::size_t s = 0; s < kSkillSlotCount; ++s) Bind(caps_[s], lblSkillLineB[s]);
}

int TSkillPage::Job() const { return cmbSkillMain->currentIndex(); }

int TSkillPage::Level() const { return updSkillMLv->value(); }

void TSkillPage::ShowCaps(const SkillPageView& view) {
    for (std::size_t s = 0; s < kSkillSlotCount; ++s) {
        SetText(caps_[s], view[s].value);
        SetColour(caps_[s], view[s].colour);
    }
}

void TSkillPage::EnableLevel(bool enabled) { updSkillMLv->setEnabled(enabled); }

void TSkillPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpSkillHead) s->SetBrushColor(mid);
    shpSkillTate[0]->SetBrushColor(item);
    shpSkillTate[1]->SetBrushColor(item);
}

}  // namespace norvane
