#include "gui/schedules/schedule_page.h"

#include <QFontMetrics>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/controls/labels.h"
#include "gui/main_window/app_style.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/shape.h"
#include "platform_gui/ui_font.h"

namespace norvane {

namespace {
// Column frames keep this outline whatever the window colours.
constexpr Colour kFrameColour = Rgb(184, 190, 204);
}  // namespace

Colour MidColour(Colour item, Colour base) {
    const Colour i = NearestColor(ColorToRgb(item));
    const Colour b = NearestColor(ColorToRgb(base));
    auto mid = [](int from, int to) { return from + (to - from) * 2 / 4; };
    return Rgb(mid(RValue(i), RValue(b)), mid(GValue(i), GValue(b)), mid(BValue(i), BValue(b)));
}

QString RowName(const char* prefix, int row) { return QString::fromLatin1(prefix) + QString::number(row); }

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TSchedulePage::TSchedulePage(TScrollBoxEx* box) : QWidget(box->Contents()), box_(box) {
    // Nothing of the page counts for the scrolled area until it is built.
    hide();
    resize(0, 0);
    connect(box_, &TScrollBoxEx::resized, this, &TSchedulePage::Relayout);
}

TSchedulePage::~TSchedulePage() = default;

void TSchedulePage::Build() {
    if (built_) return;
    built_ = true;
    // The rows follow the face the page has when it is built.
    lineHeight_ = QFontMetrics(font()).height();
    {
        // Hundreds of controls: the scroll range is worked out once they are all in.
        const TScrollBoxEx::RangeHold hold(box_);
        BuildControls();
        ApplyColours(item_, base_);
        FitToControls();
        show();
    }
    Relayout();
}

void TSchedulePage::SetColours(Colour item, Colour base) {
    item_ = item;
    base_ = base;
    if (built_) ApplyColours(item_, base_);
}

void TSchedulePage::Relayout() {
    if (!built_ || !normalMode_) return;
    FitToControls();
}

void TSchedulePage::FitToControls() {
    if (!sections_) {
        resize(0, 0);
        return;
    }
    // The bands as wide as the box leaves; a section whose line of controls
    // asks for more is that wide, and the box scrolls to it.
    const int bands = SectionWidth();
    int width = bands;
    for (auto* section : findChildren<TScheduleSection*>(Qt::FindDirectChildrenOnly)) {
        section->setFixedWidth(std::max(bands, section->sizeHint().width()));
        width = std::max(width, section->width());
    }
    // A page may stand its sections in from its edges.
    const QMargins inset = sections_->contentsMargins();
    resize(width + inset.left() + inset.right(), sections_->sizeHint().height());
    // A page on a hidden tab lays out now, not when first shown, so that
    // its geometry is right as soon as it is built. Parents come first.
    for (QLayout* l : findChildren<QLayout*>()) l->activate();
}

int TSchedulePage::AvailableWidth() const {
    const bool scrolls = sections_ && sections_->sizeHint().height() > box_->height();
    // Two pixels spare at the right, as the bands were designed.
    return box_->width() - (scrolls ? box_->verticalScrollBar()->sizeHint().width() : 0) - 2;
}

void TSchedulePage::SetText(TLabelSlot& slot, std::string_view text) {
    if (slot.text == text) return;
    slot.text.assign(text);
    slot.label->setText(FromView(text));
}

void TSchedulePage::SetColour(TLabelSlot& slot, Colour colour) {
    if (slot.colour == colour) return;
    slot.colour = colour;
    QPalette pal = slot.label->palette();
    pal.setColor(QPalette::WindowText, ToQColor(colour));
    slot.label->setPalette(pal);
}

void TSchedulePage::Bind(TLabelSlot& slot, QLabel* label) {
    slot.label = label;
    slot.text = label->text().toStdString();
    slot.colour = FromQColor(label->palette().color(QPalette::WindowText));
}

QLabel* TSchedulePage::MakeLabel(const QString& name, std::string_view text) {
    QLabel* l = norvane::MakeLabel(this, name, FromView(text), QPoint());
    norvane::SetTextColour(l, Qt::black);
    return l;
}

TScheduleSection* TSchedulePage::AddSection(ColumnRule frameRule, int gap) {
    if (!sections_) {
        sections_ = new QVBoxLayout(this);
        sections_->setContentsMargins(0, 0, 0, 0);
        sections_->setSpacing(0);
        sections_->setSizeConstraint(QLayout::SetNoConstraint);
    } else if (gap > 0) {
        sections_->addSpacing(gap);
    }
    auto* section = new TScheduleSection(this, std::move(frameRule));
    sections_->addWidget(section, 0, Qt::AlignLeft);
    return section;
}

TScheduleRow* TSchedulePage::AddRow(TScheduleSection* section, int height, ColumnRule rule, const QString& band) {
    TScheduleRow* row = section->AddRow(height, std::move(rule));
    if (!band.isEmpty()) {
        auto* s = new TShape(row);
        s->setObjectName(band);
        s->SetPenClear(true);
        row->SetBand(s);
    }
    return row;
}

TShape* TSchedulePage::AddFrame(TScheduleSection* section, const QString& name, int column) {
    auto* s = new TShape(section->Overlay());
    s->setObjectName(name);
    s->SetBrushClear(true);
    s->SetPenColor(kFrameColour);
    section->AddFrame(s, column);
    return s;
}

TShape* TSchedulePage::AddFill(TScheduleSection* section, const QString& name, int column, QMargins margins) {
    auto* s = new TShape(section->Backdrop());
    s->setObjectName(name);
    s->SetPenClear(true);
    section->AddFill(s, column, margins);
    return s;
}

QLabel* TSchedulePage::RowLabel(const QString& name, std::string_view text, int height) {
    QLabel* l = MakeLabel(name, text);
    l->resize(l->width(), height);
    return l;
}

TSchedulePage::ChoiceLine TSchedulePage::MakeChoiceLine(TScheduleSection* section, const QString& name,
                                                        std::span<const std::string_view> items,
                                                        std::string_view caption,
                                                        std::string_view refreshCaption) {
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("cmb") + name);
    WheelOnlyWhenFocused(box);
    for (std::string_view item : items) box->addItem(FromView(item));
    // Nothing is chosen until the user or the stored choice picks an entry.
    box->setCurrentIndex(-1);
    const int height = box->sizeHint().height();
    QLabel* label = MakeLabel(QStringLiteral("lbl") + name, caption);
    label->setBuddy(box);
    label->setFixedSize(label->size());
    auto* refresh = new QPushButton(FromView(refreshCaption), this);
    refresh->setObjectName(QStringLiteral("btn%1Ref").arg(name));
    refresh->setFixedHeight(height);
    TScheduleRow* row = AddRow(section, height + 4, {}, QStringLiteral("shp%1Head1").arg(name));
    // The box, its caption and the button from the left, as wide as they ask.
    auto* line = new QHBoxLayout;
    line->setContentsMargins(2, 2, 0, 2);
    line->setSpacing(0);
    line->addWidget(box);
    line->addSpacing(4);
    line->addWidget(label, 0, Qt::AlignVCenter);
    line->addSpacing(8);
    line->addWidget(refresh);
    line->addStretch(1);
    row->Columns()->Add(line, TColumnLayout::kWholeRow, {});
    return {row->Band(), box, label, refresh};
}

QFont TSchedulePage::BoldArial() { return ArialFont(12, true); }

void TSchedulePage::SetBackground(QLabel* label, Colour colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
}

}  // namespace norvane
