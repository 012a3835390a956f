#include "gui/schedules/guild_page.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "core/schedules/column_layout.h"
#include "gui/art/pictures.h"
#include "gui/art/town_pictures.h"
#include "gui/controls/labels.h"
#include "gui/controls/image_label.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/shape.h"

namespace norvane {

namespace {

constexpr int kBandGap = 6;
constexpr int kPictureSize = 32;
// Locations wrap within the location column of the narrowest window.
constexpr int kNarrowestLocation = 100;

// The shops' pictures as designed; rows 1, 11 and 12 get copies at set-up.
const GuildPicture kDesignIcons[kGuildShopCount] = {
    GuildPicture::Fishing,      GuildPicture::Fishing,    GuildPicture::Woodworking,
    GuildPicture::Smithing,     GuildPicture::Goldsmithing, GuildPicture::Clothcraft,
    GuildPicture::Leathercraft, GuildPicture::Bonecraft,  GuildPicture::Alchemy,
    GuildPicture::Cooking,      GuildPicture::TradingHouse, GuildPicture::TradingHouse,
    GuildPicture::TradingHouse};

bool HasDesignIcon(std::size_t row) { return row != 1 && row != 11 && row != 12; }

}  // namespace

void TGuildPage::BuildControls() {
    const int y = BuildBand(0, 0, 0, 10);
    BuildBand(1, y + kBandGap, 10, 3);
    for (std::size_t r = 0; r < kRows; ++r)
        if (HasDesignIcon(r)) lblGuildLineA[r]->LabelImage()->SetPicture(GuildIcon(kDesignIcons[r]));
    SetUp(WeekPictures());
}

int TGuildPage::BuildBand(int band, int y, int firstRow, int rows) {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    const int rowPitch = std::max(kPictureSize + 4, 2 * lh + 4);
    const auto b = static_cast<std::size_t>(band);
    shpGuildHead[b] = MakeBand(RowName("shpGuildHead", band), y, headHeight);
    for (std::size_t i = 3 * b; i < 3 * b + 3; ++i) {
        lblGuildHead[i] = MakeHeadLabel(RowName("lblGuildHead", static_cast<int>(i)), kGuildHeadCaptions[i], y + 1);
        lblGuildHead[i]->resize(lblGuildHead[i]->width(), lh + 1);
    }
    const QFontMetrics metrics(this->font());
    int top = y + headHeight + 2;
    for (int row = firstRow; row < firstRow + rows; ++row) {
        // Two lines of text beside the picture, more where a long location wraps.
        const QString location = FromView(kGuildShops[static_cast<std::size_t>(row)].location);
        const int wrapped = static_cast<int>(WrapAtPhrases(location, metrics, kNarrowestLocation).count('\n') + 1) *
                            metrics.lineSpacing();
        const int pitch = std::max(rowPitch, wrapped + 4);
        if (row % 2 == 1) {
            const auto k = static_cast<std::size_t>(row / 2);
            shpGuildLine[k] = MakeBand(RowName("shpGuildLine", static_cast<int>(k)), top, pitch);
        }
        MakeRow(row, top, pitch);
        top += pitch;
    }
    const int bottom = top + 1;
    shpGuildTate[b] = MakeFrame(band == 0 ? QStringLiteral("shpGuildTate") : QStringLiteral("shpGuildTate1"), y,
                                bottom - y);
    return bottom;
}

void TGuildPage::MakeRow(int row, int y, int pitch) {
    const auto r = static_cast<std::size_t>(row);
    const GuildShop& shop = kGuildShops[r];
    const int lh = LineHeight();
    const int textTop = y + (pitch - 2 * lh) / 2;  // the two lines of name and state, of hours

    auto* a = new TImageLabel(FromView(shop.name), this);
    a->setObjectName(RowName("lblGuildLineA", row));
    a->move(0, textTop);
    a->adjustSize();
    a->resize(a->width(), lh);
    lblGuildLineA[r] = a;

    QLabel* b = MakeLabel(RowName("lblGuildLineB", row), kGuildOpenText, 1, textTop + lh);
    b->setAlignment(Qt::AlignCenter);
    b->resize(b->width(), lh);
    lblGuildLineB[r] = b;

    std::string holiday(kGuildHolidayCaption);
    holiday.erase(std::remove(holiday.begin(), holiday.end(), '\r'), holiday.end());
    QLabel* c = MakeLabel(RowName("lblGuildLineC", row), holiday, 0, y);
    c->setAlignment(Qt::AlignCenter);
    c->move(0, y + (pitch - c->height()) / 2);
    lblGuildLineC[r] = c;

    QLabel* d = MakeLabel(RowName("imgGuildLineD", row), "", 0, y + (pitch - kPictureSize) / 2);
    d->resize(kPictureSize, kPictureSize);
    imgGuildLineD[r] = d;

    QLabel* e = MakeLabel(RowName("lblGuildLineE", row), kGuildHoursCaption, 0, textTop);
    e->resize(e->width(), lh);
    lblGuildLineE[r] = e;
    QLabel* f = MakeLabel(RowName("lblGuildLineF", row), "00:00~00:00", 0, textTop + lh);
    f->setFont(BoldArial());
    f->adjustSize();
    f->resize(f->width(), lh);
    lblGuildLineF[r] = f;

    QLabel* g = MakeLabel(RowName("lblGuildLineG", row), "00:00", 0, y + (pitch - lh) / 2);
    g->setFont(BoldArial());
    g->adjustSize();
    g->resize(g->width(), lh);
    lblGuildLineG[r] = g;

    QLabel* h = MakeLabel(RowName("lblGuildLineH", row), shop.location, 0, y + 1);
    // Wrapped by the page, between places and never inside a name.
    h->setTextFormat(Qt::PlainText);
    h->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->resize(h->width(), pitch - 2);
    h->setToolTip(h->text());
    lblGuildLineH[r] = h;

    for (QLabel* l : {c, d}) l->setStatusTip(FromView(kGuildHolidayHint));
    for (QLabel* l : {e, f}) l->setStatusTip(FromView(kGuildHoursHint));
    Bind(state_[r], b);
    Bind(timeLeft_[r], g);
}

void TGuildPage::SetUp(const QVector<QPixmap>& weekPictures) {
    for (std::size_t r = 0; r < kRows; ++r) {
        const GuildShop& shop = kGuildShops[r];
        QFont bold = lblGuildLineB[r]->font();
        bold.setBold(true);
        lblGuildLineB[r]->setFont(bold);
        lblGuildLineF[r]->setText(QString::fromStdString(GuildHoursText(shop)));
        imgGuildLineD[r]->setPixmap(weekPictures.value(shop.holiday));
    }
    auto icon = [this](std::size_t row) { return lblGuildLineA[row]->LabelImage(); };
    icon(1)->SetPicture(icon(0)->Picture());
    icon(11)->SetPicture(icon(10)->Picture());
    icon(12)->SetPicture(icon(10)->Picture());
}

void TGuildPage::Selected() {
    Build();
    Refresh(GetVanaTime());
}

void TGuildPage::Refresh(const VanaDateTime& now) {
    Build();
    const GuildPageView page = ComputeGuildPage(now, GetLocalNow(), GetLocalBias());
    for (std::size_t r = 0; r < kRows; ++r) {
        const GuildRowView& row = page[r];
        SetText(state_[r], row.stateText);
        SetColour(state_[r], row.stateColour);
        SetText(timeLeft_[r], row.timeLeft);
        SetColour(timeLeft_[r], row.timeLeftColour);
        if (hint_[r] != row.timeLeftHint) {
            hint_[r] = row.timeLeftHint;
            lblGuildLineG[r]->setStatusTip(FromView(row.timeLeftHint));
        }
    }
}

void TGuildPage::Layout() {
    const int width = AvailableWidth();
    for (TShape* s : shpGuildHead) s->resize(width, s->height());
    for (TShape* s : shpGuildLine) s->resize(width, s->height());
    const GuildColumns cols = LayoutGuildColumns(shpGuildHead[0]->width(), lblGuildHead[0]->x());
    const int lefts[6] = {lblGuildHead[0]->x(), cols.head1Left, cols.head2Left,
                          lblGuildHead[3]->x(), cols.head1Left, cols.head2Left};
    for (std::size_t i = 0; i < 6; ++i) {
        QLabel* l = lblGuildHead[i];
        l->setGeometry(lefts[i], l->y(), i % 3 == 1 ? cols.middleWidth : cols.width, l->height());
    }
    for (TShape* s : shpGuildTate) s->setGeometry(cols.head1Left, s->y(), cols.middleWidth, s->height());
    for (std::size_t r = 0; r < kRows; ++r) {
        GuildRowWidths w;
        w.iconWidth = lblGuildLineA[r]->LabelImage()->width();
        w.imageSpacing = lblGuildLineA[r]->ImageSpacing();
        w.a = lblGuildLineA[r]->width();
        w.c = lblGuildLineC[r]->width();
        w.d = imgGuildLineD[r]->width();
        w.f = lblGuildLineF[r]->width();
        const GuildRowLayout x = LayoutGuildRow(cols, w);
        auto place = [](QWidget* l, int left) { l->move(left, l->y()); };
        place(lblGuildLineA[r], x.aLeft);
        lblGuildLineB[r]->resize(x.bWidth, lblGuildLineB[r]->height());
        place(lblGuildLineC[r], x.cLeft);
        place(imgGuildLineD[r], x.dLeft);
        place(lblGuildLineE[r], x.eLeft);
        place(lblGuildLineF[r], x.fLeft);
        place(lblGuildLineG[r], x.gLeft);
        QLabel* h = lblGuildLineH[r];
        h->setGeometry(x.hLeft, h->y(), x.hWidth, h->height());
        const QString wrapped = WrapAtPhrases(FromView(kGuildShops[r].location), h->fontMetrics(), x.hWidth);
        if (h->text() != wrapped) h->setText(wrapped);
    }
}

void TGuildPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpGuildHead) s->SetBrushColor(mid);
    for (TShape* s : shpGuildLine) s->SetBrushColor(item);
    for (std::size_t r = 1; r < kRows; r += 2) SetBackground(lblGuildLineG[r], item);
}

}  // namespace norvane
