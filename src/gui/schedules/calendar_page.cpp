#include "gui/schedules/calendar_page.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

#include "core/schedules/column_layout.h"
#include "core/time/vanatime.h"
#include "gui/art/pictures.h"
#include "gui/controls/image_label.h"
#include "gui/controls/labels.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/shape.h"

namespace norvane {

namespace {
// The header panel, the frame and the bands stand this far in from the box's edges.
constexpr int kMargin = 3;
constexpr int kPictureSize = 16;
constexpr QSize kBallistaSize(50, 15);
constexpr int kBallistaSpacing = 2;  // between the ballista picture and its text

void SetPictureOf(TImageLabel* label, const QPixmap& picture) { label->LabelImage()->SetPicture(picture); }
}  // namespace

void TCalendarPage::BuildControls() {
    BuildHead();
    BuildRows();
    SetEntries(stored_);
    // Every change of a box rebuilds, by the mouse, Space or Enter alike;
    // setting the stored states above comes before, and does not.
    for (QCheckBox* c : {chkCalenBallista, chkCalenRacial, chkCalenJeuno})
        connect(c, &QCheckBox::toggled, this, &TCalendarPage::btnCalenRefClick);
    connect(btnCalenRef, &QPushButton::clicked, this, &TCalendarPage::btnCalenRefClick);
}

void TCalendarPage::LoadChoices(const StartupSettings& st) {
    stored_ = {st.calenBallista, st.calenRacial, st.calenJeuno};
}

void TCalendarPage::StoreChoices(CloseState& c) const {
    const CalendarEntries entries = IsBuilt() ? Entries() : stored_;
    c.calenBallista = entries.ballista;
    c.calenRacial = entries.racial;
    c.calenJeuno = entries.tavern;
}

void TCalendarPage::Selected() {
    Build();
    btnCalenRefClick();
}

void TCalendarPage::btnCalenRefClick() {
    const TScrollBoxEx::RangeHold hold(Box());
    ShowRows(ComputeCalendar(GetVanaTime(), GetLocalBias(), ballistaIni_, Entries()));
    // A row that gained or lost its ballista picture moves its text.
    Relayout();
}

int TCalendarPage::SectionWidth() const { return LayoutCalendarPage(Box()->viewport()->width(), 0).bandWidth; }

// The header panel: the switches and the button on one band, the column
// captions on the other, whose widths fit the widest text each column shows,
// with its picture.
void TCalendarPage::BuildHead() {
    auto* panel = AddSection({}, 0);
    // The panel and the rows stand in from the box's left edge.
    layout()->setContentsMargins(kMargin, 0, 0, 0);
    pnlCalenHead = panel;
    pnlCalenHead->setObjectName(QStringLiteral("pnlCalenHead"));

    auto check = [this](const char* name, std::string_view caption) {
        auto* c = new QCheckBox(FromView(caption), this);
        c->setObjectName(QString::fromLatin1(name));
        c->setChecked(true);
        c->setAutoFillBackground(true);
        c->setFixedSize(c->sizeHint());
        return c;
    };
    chkCalenBallista = check("chkCalenBallista", kCalenBallistaCaption);
    chkCalenRacial = check("chkCalenRacial", kCalenRacialCaption);
    chkCalenJeuno = check("chkCalenJeuno", kCalenJeunoCaption);
    btnCalenRef = new QPushButton(FromView(kCalenRefCaption), this);
    btnCalenRef->setObjectName(QStringLiteral("btnCalenRef"));
    const int lineHeight = std::max(btnCalenRef->sizeHint().height(), chkCalenBallista->height());
    btnCalenRef->setFixedHeight(lineHeight);
    TScheduleRow* switches = AddRow(panel, lineHeight + 4, {}, QStringLiteral("shpCalenHead1"));
    shpCalenHead[1] = switches->Band();
    auto* line = new QHBoxLayout;
    line->setContentsMargins(4, 2, 0, 2);
    line->setSpacing(8);
    for (QCheckBox* c : {chkCalenBallista, chkCalenRacial, chkCalenJeuno}) line->addWidget(c, 0, Qt::AlignVCenter);
    line->addWidget(btnCalenRef);
    line->addStretch(1);
    switches->Columns()->Add(line, TColumnLayout::kWholeRow, {});

    const QFontMetrics fm(this->font());
    const int lh = LineHeight();
    int widestMoon = 0;
    for (std::string_view name : MoonPhaseShortNames) widestMoon = std::max(widestMoon, fm.horizontalAdvance(FromView(name)));
    auto head = [&](std::string_view caption) { return fm.horizontalAdvance(FromView(caption)) + 10; };
    const std::array<int, 3> widths = {
        std::max(head(kCalenHeadCaptions[0]), fm.horizontalAdvance(QStringLiteral("00/00(水) 00:00")) + 10),
        std::max(head(kCalenHeadCaptions[1]), fm.horizontalAdvance(QStringLiteral("0000/00/00")) + 8 + kPictureSize + 6),
        std::max(head(kCalenHeadCaptions[2]), widestMoon + 8 + kPictureSize + 6)};
    // Neighbouring columns share their edge pixel; the schedule takes the rest.
    std::array<ColumnSpan, 4> heads{};
    int left = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        heads[i] = {left, widths[i]};
        left += widths[i] - 1;
    }
    heads[3] = {left, 0};
    heads_ = [heads](int width) {
        std::vector<ColumnSpan> spans(heads.begin(), heads.end());
        spans[3].width = std::max(0, LayoutCalendarPage(width + 2 * kMargin, spans[3].left).head3Width);
        return spans;
    };
    TScheduleRow* captions = AddRow(panel, lh + 3, heads_, QStringLiteral("shpCalenHead0"));
    shpCalenHead[0] = captions->Band();
    for (std::size_t i = 0; i < lblCalenHead.size(); ++i) {
        QLabel* l = RowLabel(RowName("lblCalenHead", static_cast<int>(i)), kCalenHeadCaptions[i], lh + 1);
        l->setAlignment(Qt::AlignCenter);
        captions->Columns()->Add(l, static_cast<int>(i), Qt::AlignTop, {0, 1, 0, 0});
        lblCalenHead[i] = l;
    }
}

namespace {
// A row's columns: the Earth start, the game date, the moon, and the schedule
// without or with the ballista picture before it.
enum CalendarColumn { kEarth, kGame, kMoon, kSchedule, kSchedulePictured };
}  // namespace

void TCalendarPage::BuildRows() {
    const int lh = LineHeight();
    const QFontMetrics fm(this->font());
    const int gameWidth = fm.horizontalAdvance(QStringLiteral("0000/00/00")) + 2;
    int moonWidth = 0;
    for (std::string_view name : MoonPhaseShortNames) moonWidth = std::max(moonWidth, fm.horizontalAdvance(FromView(name)));
    moonWidth += 2;
    const ColumnRule columns = [heads = heads_, gameWidth, moonWidth](int width) {
        const int pictureWidth = kBallistaSize.width(), spacing = kBallistaSpacing;
        const std::vector<ColumnSpan> h = heads(width);
        const CalendarScheduleCell plain = LayoutCalendarSchedule(h[3].left, h[3].width, false, pictureWidth, spacing);
        const CalendarScheduleCell pictured = LayoutCalendarSchedule(h[3].left, h[3].width, true, pictureWidth, spacing);
        return std::vector<ColumnSpan>{{h[0].left + 2, h[0].width - 6},
                                       {h[1].left + 4, gameWidth},
                                       {h[2].left + 4, moonWidth},
                                       {plain.left, std::max(0, plain.width)},
                                       {pictured.left, std::max(0, pictured.width)}};
    };
    TScheduleSection* list = AddSection(columns, 0);
    list->AddSpacing(1);
    const QMargins text(0, (kRowPitch - lh) / 2, 0, 0);
    for (std::size_t r = 0; r < kRows; ++r) {
        const int row = static_cast<int>(r);
        const QString band = r % 2 == 1 ? RowName("shpCalenLine", row / 2) : QString();
        TScheduleRow* line = AddRow(list, kRowPitch, columns, band);
        if (r % 2 == 1) shpCalenLine[r / 2] = line->Band();
        rowLines_[r] = line;
        QLabel* a = RowLabel(RowName("lblCalenLineA", row), "", lh);
        a->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        line->Columns()->Add(a, kEarth, Qt::AlignTop, text);
        lblCalenLineA[r] = a;

        auto imageLabel = [&](const char* prefix, int column, TImagePosition position) {
            auto* l = new TImageLabel(this);
            l->setObjectName(RowName(prefix, row));
            l->SetImagePosition(position);
            l->resize(l->width(), lh);
            SetTextColour(l, Qt::black);
            line->Columns()->Add(l, column, Qt::AlignTop, text);
            return l;
        };
        TImageLabel* b = imageLabel("lblCalenLineB", kGame, ipRight);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        b->LabelImage()->resize(kPictureSize, kPictureSize);
        lblCalenLineB[r] = b;
        TImageLabel* c = imageLabel("lblCalenLineC", kMoon, ipRight);
        c->LabelImage()->resize(kPictureSize, kPictureSize);
        lblCalenLineC[r] = c;
        TImageLabel* d = imageLabel("lblCalenLineD", kSchedule, ipLeft);
        d->LabelImage()->resize(kBallistaSize);
        d->SetImageSpacing(kBallistaSpacing);
        // The entries of a day may be longer than the column: cut at the end, whole in the tip.
        d->SetElideRight(true);
        // Shown on purpose, so that showing the page does not show the label
        // again, which would bring its picture along; the picture shows only for
        // a day with a ballista match.
        d->show();
        d->LabelImage()->hide();
        lblCalenLineD[r] = d;

        RowSlots& s = rows_[r];
        Bind(s.earth, a);
        Bind(s.game, b);
        Bind(s.moon, c);
        Bind(s.schedule, d);
    }
    list->AddSpacing(1);
    shpCalenWaku = AddFrame(list, QStringLiteral("shpCalenWaku"), TColumnLayout::kWholeRow);
}

CalendarEntries TCalendarPage::Entries() const {
    return {chkCalenBallista->isChecked(), chkCalenRacial->isChecked(), chkCalenJeuno->isChecked()};
}

void TCalendarPage::SetEntries(CalendarEntries entries) {
    chkCalenBallista->setChecked(entries.ballista);
    chkCalenRacial->setChecked(entries.racial);
    chkCalenJeuno->setChecked(entries.tavern);
}

void TCalendarPage::SetHint(QWidget* label, QWidget* picture, std::string& shown, const std::string& hint) {
    if (shown == hint) return;
    shown = hint;
    const QString text = QString::fromStdString(hint);
    label->setToolTip(text);
    picture->setToolTip(text);
}

void TCalendarPage::ShowRows(const CalendarView& view) {
    const QVector<QPixmap>& weekdays = WeekSmallPictures();
    const QVector<QPixmap>& moons = MoonSmallPictures();
    const QVector<QPixmap>& matches = BallistaPictures();
    for (std::size_t r = 0; r < kRows; ++r) {
        const CalendarRow& row = view[r];
        RowSlots& s = rows_[r];
        SetText(s.earth, row.earth);
        SetText(s.game, row.game);
        SetText(s.moon, row.moon);
        SetText(s.schedule, row.schedule);
        if (s.weekday != row.weekday) {
            s.weekday = row.weekday;
            SetPictureOf(lblCalenLineB[r], weekdays.value(row.weekday));
        }
        SetHint(lblCalenLineB[r], lblCalenLineB[r]->LabelImage(), s.weekdayHint, row.weekdayHint);
        if (s.phase != row.moonPhase) {
            s.phase = row.moonPhase;
            SetPictureOf(lblCalenLineC[r], moons.value(row.moonPhase));
        }
        SetHint(lblCalenLineC[r], lblCalenLineC[r]->LabelImage(), s.moonHint, std::string(row.moonHint));
        TImageEx* ball = lblCalenLineD[r]->LabelImage();
        if (s.ballista != row.ballista) {
            s.ballista = row.ballista;
            ball->SetPicture(row.ballista >= 0 ? matches.value(row.ballista) : QPixmap());
        }
        ball->setVisible(row.ballista >= 0);
        // The text moves right of the picture while it shows.
        rowLines_[r]->Columns()->SetPlace(lblCalenLineD[r], row.ballista >= 0 ? kSchedulePictured : kSchedule,
                                          Qt::AlignTop, {0, (kRowPitch - LineHeight()) / 2, 0, 0});
        if (s.ballistaHint != row.ballistaHint) {
            s.ballistaHint = row.ballistaHint;
            ball->setToolTip(QString::fromStdString(row.ballistaHint));
        }
    }
}

void TCalendarPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpCalenHead) s->SetBrushColor(mid);
    for (TShape* s : shpCalenLine) s->SetBrushColor(item);
    for (QCheckBox* c : {chkCalenBallista, chkCalenRacial, chkCalenJeuno}) {
        QPalette pal = c->palette();
        pal.setColor(QPalette::Window, ToQColor(mid));
        c->setPalette(pal);
    }
}

}  // namespace norvane
