#include "gui/schedules/calendar_page.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
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

void SetPictureOf(TImageLabel* label, const QPixmap& picture) { label->LabelImage()->SetPicture(picture); }
}  // namespace

void TCalendarPage::BuildControls() {
    BuildRows(BuildHead());
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

// The panel: the switches and the button on one band, the column captions on
// the other. Returns its bottom.
int TCalendarPage::BuildHead() {
    pnlCalenHead = new QWidget(this);
    pnlCalenHead->setObjectName(QStringLiteral("pnlCalenHead"));
    pnlCalenHead->move(kMargin, 0);

    auto check = [this](const char* name, std::string_view caption) {
        auto* c = new QCheckBox(FromView(caption), pnlCalenHead);
        c->setObjectName(QString::fromLatin1(name));
        c->setChecked(true);
        c->setAutoFillBackground(true);
        c->adjustSize();
        return c;
    };
    chkCalenBallista = check("chkCalenBallista", kCalenBallistaCaption);
    chkCalenRacial = check("chkCalenRacial", kCalenRacialCaption);
    chkCalenJeuno = check("chkCalenJeuno", kCalenJeunoCaption);
    btnCalenRef = new QPushButton(FromView(kCalenRefCaption), pnlCalenHead);
    btnCalenRef->setObjectName(QStringLiteral("btnCalenRef"));
    btnCalenRef->adjustSize();
    const int lineHeight = std::max(btnCalenRef->height(), chkCalenBallista->height());
    shpCalenHead[1] = new TShape(pnlCalenHead);
    shpCalenHead[1]->setObjectName(QStringLiteral("shpCalenHead1"));
    shpCalenHead[1]->SetPenClear(true);
    shpCalenHead[1]->setGeometry(0, 0, Box()->width(), lineHeight + 4);
    int x = 4;
    for (QCheckBox* c : {chkCalenBallista, chkCalenRacial, chkCalenJeuno}) {
        c->move(x, 2 + (lineHeight - c->height()) / 2);
        x += c->width() + 8;
    }
    btnCalenRef->setGeometry(x, 2, btnCalenRef->width(), lineHeight);

    // Column widths fit the widest text each column shows, with its picture.
    const QFontMetrics fm(this->font());
    const int lh = LineHeight();
    const int headTop = lineHeight + 4;
    shpCalenHead[0] = new TShape(pnlCalenHead);
    shpCalenHead[0]->setObjectName(QStringLiteral("shpCalenHead0"));
    shpCalenHead[0]->SetPenClear(true);
    shpCalenHead[0]->setGeometry(0, headTop, Box()->width(), lh + 3);
    int widestMoon = 0;
    for (std::string_view name : MoonPhaseShortNames) widestMoon = std::max(widestMoon, fm.horizontalAdvance(FromView(name)));
    auto head = [&](std::string_view caption) { return fm.horizontalAdvance(FromView(caption)) + 10; };
    const int widths[3] = {
        std::max(head(kCalenHeadCaptions[0]), fm.horizontalAdvance(QStringLiteral("00/00(水) 00:00")) + 10),
        std::max(head(kCalenHeadCaptions[1]), fm.horizontalAdvance(QStringLiteral("0000/00/00")) + 8 + kPictureSize + 6),
        std::max(head(kCalenHeadCaptions[2]), widestMoon + 8 + kPictureSize + 6)};
    int left = 0;
    for (std::size_t i = 0; i < lblCalenHead.size(); ++i) {
        QLabel* l = norvane::MakeLabel(pnlCalenHead, RowName("lblCalenHead", static_cast<int>(i)),
                                       FromView(kCalenHeadCaptions[i]), QPoint(left, headTop + 1));
        SetTextColour(l, Qt::black);
        l->setAlignment(Qt::AlignCenter);
        l->resize(i < 3 ? widths[i] : l->width(), lh + 1);
        lblCalenHead[i] = l;
        if (i < 3) left += widths[i] - 1;
    }
    shpCalenHead[0]->lower();
    shpCalenHead[1]->lower();
    const int bottom = headTop + lh + 3;
    pnlCalenHead->resize(Box()->width(), bottom);
    return bottom;
}

void TCalendarPage::BuildRows(int y) {
    const int lh = LineHeight();
    const QFontMetrics fm(this->font());
    const int rowsTop = y + 1;
    const int textOffset = (kRowPitch - lh) / 2;
    const int gameWidth = fm.horizontalAdvance(QStringLiteral("0000/00/00")) + 2;
    int moonWidth = 0;
    for (std::string_view name : MoonPhaseShortNames) moonWidth = std::max(moonWidth, fm.horizontalAdvance(FromView(name)));
    moonWidth += 2;
    const int aLeft = kMargin + lblCalenHead[0]->x() + 2;
    const int aWidth = lblCalenHead[0]->width() - 6;
    const int bLeft = kMargin + lblCalenHead[1]->x() + 4;
    const int cLeft = kMargin + lblCalenHead[2]->x() + 4;
    for (std::size_t r = 0; r < kRows; ++r) {
        const int row = static_cast<int>(r);
        const int top = rowsTop + row * kRowPitch;
        if (r % 2 == 1) {
            TShape* band = MakeBand(RowName("shpCalenLine", row / 2), top, kRowPitch);
            band->move(kMargin, top);
            shpCalenLine[r / 2] = band;
        }
        QLabel* a = norvane::MakeLabel(this, RowName("lblCalenLineA", row), QString(),
                                       QPoint(aLeft, top + textOffset), QSize(aWidth, lh));
        a->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetTextColour(a, Qt::black);
        lblCalenLineA[r] = a;

        auto imageLabel = [&](const char* prefix, int left, int width, TImagePosition position) {
            auto* l = new TImageLabel(this);
            l->setObjectName(RowName(prefix, row));
            l->SetImagePosition(position);
            l->setGeometry(left, top + textOffset, width, lh);
            SetTextColour(l, Qt::black);
            return l;
        };
        TImageLabel* b = imageLabel("lblCalenLineB", bLeft, gameWidth, ipRight);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        b->LabelImage()->resize(kPictureSize, kPictureSize);
        lblCalenLineB[r] = b;
        TImageLabel* c = imageLabel("lblCalenLineC", cLeft, moonWidth, ipRight);
        c->LabelImage()->resize(kPictureSize, kPictureSize);
        lblCalenLineC[r] = c;
        TImageLabel* d = imageLabel("lblCalenLineD", cLeft, 10, ipLeft);
        d->LabelImage()->resize(kBallistaSize);
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
    const int bottom = rowsTop + static_cast<int>(kRows) * kRowPitch + 1;
    shpCalenWaku = MakeFrame(QStringLiteral("shpCalenWaku"), y, bottom - y);
    shpCalenWaku->move(kMargin, y);
    // The outline lies over the rows; the rows' hints must still reach the mouse.
    shpCalenWaku->setAttribute(Qt::WA_TransparentForMouseEvents);
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
        if (s.ballistaHint != row.ballistaHint) {
            s.ballistaHint = row.ballistaHint;
            ball->setToolTip(QString::fromStdString(row.ballistaHint));
        }
    }
}

void TCalendarPage::Layout() {
    const CalendarLayout l = LayoutCalendarPage(Box()->viewport()->width(), lblCalenHead[3]->x());
    pnlCalenHead->resize(l.bandWidth, pnlCalenHead->height());
    for (TShape* s : shpCalenHead) s->resize(l.bandWidth, s->height());
    shpCalenWaku->resize(l.bandWidth, shpCalenWaku->height());
    for (TShape* s : shpCalenLine) s->resize(l.bandWidth, s->height());
    QLabel* head3 = lblCalenHead[3];
    head3->resize(l.head3Width, head3->height());
    const int head3Left = kMargin + head3->x();
    for (std::size_t r = 0; r < kRows; ++r) {
        TImageLabel* d = lblCalenLineD[r];
        // What the rows were last given says whether the picture shows.
        const CalendarScheduleCell cell = LayoutCalendarSchedule(head3Left, head3->width(), rows_[r].ballista >= 0,
                                                                 d->LabelImage()->width(), d->ImageSpacing());
        d->setGeometry(cell.left, d->y(), cell.width, d->height());
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
