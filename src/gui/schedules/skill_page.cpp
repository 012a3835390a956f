#include "gui/schedules/skill_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "core/schedules/column_layout.h"
#include "gui/controls/number_spin.h"
#include "gui/controls/scroll_box_ex.h"
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
    BuildList(BuildChoice() + kPartGap);
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

// The job, the level with its spin, the refresh button. Returns the line's bottom.
int TSkillPage::BuildChoice() {
    cmbSkillMain = new QComboBox(this);
    cmbSkillMain->setObjectName(QStringLiteral("cmbSkillMain"));
    WheelOnlyWhenFocused(cmbSkillMain);
    for (std::string_view job : kJobNames) cmbSkillMain->addItem(FromView(job));
    cmbSkillMain->setCurrentIndex(kNoJob);
    cmbSkillMain->adjustSize();
    const int height = cmbSkillMain->height();
    shpSkillHead[1] = MakeBand(QStringLiteral("shpSkillHead1"), 0, height + 4);
    cmbSkillMain->move(2, 2);

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
    updSkillMLv->setGeometry(cmbSkillMain->x() + cmbSkillMain->width() + 6, 2, digits + 14 + kSpinArrowsWidth,
                             height);

    btnSkillRef = new QPushButton(FromView(kSkillRefCaption), this);
    btnSkillRef->setObjectName(QStringLiteral("btnSkillRef"));
    btnSkillRef->adjustSize();
    btnSkillRef->setGeometry(updSkillMLv->x() + updSkillMLv->width() + 8, 2, btnSkillRef->width(), height);
    EnableLevel(false);
    return height + 4;
}

void TSkillPage::BuildList(int y) {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    const int rowPitch = lh + 2;
    shpSkillHead[0] = MakeBand(QStringLiteral("shpSkillHead0"), y, headHeight);
    for (std::size_t i = 0; i < lblSkillHead.size(); ++i) {
        QLabel* l = MakeHeadLabel(RowName("lblSkillHead", static_cast<int>(i)), kSkillHeadCaptions[i], y + 1);
        l->move(kRowLeft, l->y());
        l->resize(l->width(), lh + 1);
        lblSkillHead[i] = l;
    }
    const int rowsTop = y + headHeight + 1;
    const int bottom = rowsTop + static_cast<int>(kRows) * rowPitch + 1;
    // The name columns are filled behind their labels and outlined.
    for (int i = 0; i < 2; ++i) {
        TShape* fill = MakeBand(RowName("shpSkillTate", i), y + headHeight, bottom - y - headHeight);
        fill->move(kRowLeft, fill->y());
        shpSkillTate[static_cast<std::size_t>(i)] = fill;
        TShape* frame = MakeFrame(RowName("shpSkillTate", i + 2), y, bottom - y);
        frame->move(kRowLeft, y);
        shpSkillTate[static_cast<std::size_t>(i + 2)] = frame;
    }
    for (std::size_t r = 0; r < kRows; ++r) {
        const int top = rowsTop + static_cast<int>(r) * rowPitch + 1;
        const int row = static_cast<int>(r);
        lblSkillLineA[r] = MakeLabel(RowName("lblSkillLineA", row), kSkillNames[r], kRowLeft, top);
        lblSkillLineC[r] = MakeLabel(RowName("lblSkillLineC", row), kSkillNames[r + kRows], kRowLeft, top);
        lblSkillLineB[r] = MakeLabel(RowName("lblSkillLineB", row), "", kRowLeft, top);
        lblSkillLineB[r + kRows] = MakeLabel(RowName("lblSkillLineB", row + static_cast<int>(kRows)), "", kRowLeft, top);
        for (QLabel* l : {lblSkillLineA[r], lblSkillLineC[r]}) {
            l->setAlignment(Qt::AlignCenter);
            l->resize(l->width(), lh);
        }
        for (QLabel* l : {lblSkillLineB[r], lblSkillLineB[r + kRows]}) {
            l->setAlignment(Qt::AlignCenter);
            l->resize(l->width(), lh);
        }
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

void TSkillPage::Layout() {
    const int width = AvailableWidth();
    for (TShape* s : shpSkillHead) s->resize(width, s->height());
    const SkillLayout l = LayoutSkillPage(shpSkillHead[0]->width(), lblSkillHead[0]->x(), shpSkillTate[0]->x(),
                                          lblSkillLineA[0]->x());
    auto setLeftWidth = [](QWidget* w, int left, int wide) { w->setGeometry(left, w->y(), wide, w->height()); };
    for (std::size_t i = 0; i < lblSkillHead.size(); ++i) setLeftWidth(lblSkillHead[i], l.headLefts[i], l.headWidths[i]);
    setLeftWidth(shpSkillTate[1], l.tate1Left, l.tateWidth);
    setLeftWidth(shpSkillTate[3], l.tate1Left, l.tateWidth);
    for (std::size_t i : {std::size_t{0}, std::size_t{2}}) setLeftWidth(shpSkillTate[i], shpSkillTate[i]->x(), l.tateWidth);
    for (std::size_t r = 0; r < kRows; ++r) {
        setLeftWidth(lblSkillLineA[r], lblSkillLineA[r]->x(), l.aWidth);
        setLeftWidth(lblSkillLineB[r], l.bLeft, l.bWidth);
        setLeftWidth(lblSkillLineC[r], l.cLeft, l.cWidth);
        setLeftWidth(lblSkillLineB[r + kRows], l.rightLeft, l.rightWidth);
    }
}

void TSkillPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpSkillHead) s->SetBrushColor(mid);
    shpSkillTate[0]->SetBrushColor(item);
    shpSkillTate[1]->SetBrushColor(item);
}

}  // namespace norvane
