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

// The page's columns, all from the width of the bands.
enum GuildColumn { kName, kMiddle, kPlace, kNameText, kState, kHoliday, kPicture, kHours, kLeft, kLocation };

// With a shop's row, the rule places its controls too and wraps its location
// to the location column's width.
ColumnRule GuildColumnsRule(TImageLabel* name = nullptr, QLabel* holiday = nullptr, QLabel* hours = nullptr,
                            QLabel* location = nullptr, QString text = {}) {
    const int crest = name ? name->LabelImage()->width() : 0, spacing = name ? name->ImageSpacing() : 0;
    const int a = name ? name->width() : 0, c = holiday ? holiday->width() : 0, f = hours ? hours->width() : 0;
    return [=](int width) {
        const GuildColumns cols = LayoutGuildColumns(width, 0);
        std::vector<ColumnSpan> spans{{0, cols.width}, {cols.head1Left, cols.middleWidth}, {cols.head2Left, cols.width}};
        if (name) {
            const GuildRowLayout x = LayoutGuildRow(cols, {crest, spacing, a, c, kPictureSize, f});
            spans.insert(spans.end(), {{x.aLeft, a}, {1, x.bWidth}, {x.cLeft, c}, {x.dLeft, kPictureSize},
                                       {x.eLeft, f}, {x.gLeft, 0}, {x.hLeft, x.hWidth}});
            const QString wrapped = WrapAtPhrases(text, location->fontMetrics(), x.hWidth);
            if (location->text() != wrapped) location->setText(wrapped);
        }
        return spans;
    };
}

}  // namespace

void TGuildPage::BuildControls() {
    BuildBand(0, 0, 0, 10);
    BuildBand(1, kBandGap, 10, 3);
    for (std::size_t r = 0; r < kRows; ++r)
        if (HasDesignIcon(r)) lblGuildLineA[r]->LabelImage()->SetPicture(GuildIcon(kDesignIcons[r]));
    SetUp(WeekPictures());
}

void TGuildPage::BuildBand(int band, int gap, int firstRow, int rows) {
    const int lh = LineHeight();
    const int rowPitch = std::max(kPictureSize + 4, 2 * lh + 4);
    const auto b = static_cast<std::size_t>(band);
    const ColumnRule columns = GuildColumnsRule();
    TScheduleSection* part = AddSection(columns, gap);
    TScheduleRow* head = AddRow(part, lh + 3, columns, RowName("shpGuildHead", band));
    shpGuildHead[b] = head->Band();
    for (std::size_t i = 3 * b; i < 3 * b + 3; ++i) {
        lblGuildHead[i] = RowLabel(RowName("lblGuildHead", static_cast<int>(i)), kGuildHeadCaptions[i], lh + 1);
        lblGuildHead[i]->setAlignment(Qt::AlignCenter);
        head->Columns()->Add(lblGuildHead[i], kName + static_cast<int>(i - 3 * b), Qt::AlignTop, {0, 1, 0, 0});
    }
    part->AddSpacing(2);
    const QFontMetrics metrics(this->font());
    for (int row = firstRow; row < firstRow + rows; ++row) {
        // Two lines of text beside the picture, more where a long location wraps.
        const QString location = FromView(kGuildShops[static_cast<std::size_t>(row)].location);
        const int wrapped = static_cast<int>(WrapAtPhrases(location, metrics, kNarrowestLocation).count('\n') + 1) *
                            metrics.lineSpacing();
        MakeRow(part, row, std::max(rowPitch, wrapped + 4));
    }
    part->AddSpacing(1);
    shpGuildTate[b] = AddFrame(part, band == 0 ? QStringLiteral("shpGuildTate") : QStringLiteral("shpGuildTate1"),
                               kMiddle);
}

void TGuildPage::MakeRow(TScheduleSection* part, int row, int pitch) {
    const auto r = static_cast<std::size_t>(row);
    const GuildShop& shop = kGuildShops[r];
    const int lh = LineHeight();
    const int textTop = (pitch - 2 * lh) / 2;  // the two lines of name and state, of hours

    auto* a = new TImageLabel(FromView(shop.name), this);
    a->setObjectName(RowName("lblGuildLineA", row));
    a->adjustSize();
    a->resize(a->width(), lh);
    lblGuildLineA[r] = a;

    QLabel* b = RowLabel(RowName("lblGuildLineB", row), kGuildOpenText, lh);
    b->setAlignment(Qt::AlignCenter);
    lblGuildLineB[r] = b;

    std::string holiday(kGuildHolidayCaption);
    holiday.erase(std::remove(holiday.begin(), holiday.end(), '\r'), holiday.end());
    QLabel* c = MakeLabel(RowName("lblGuildLineC", row), holiday);
    c->setAlignment(Qt::AlignCenter);
    lblGuildLineC[r] = c;

    QLabel* d = RowLabel(RowName("imgGuildLineD", row), "", kPictureSize);
    d->resize(kPictureSize, kPictureSize);
    imgGuildLineD[r] = d;

    QLabel* e = RowLabel(RowName("lblGuildLineE", row), kGuildHoursCaption, lh);
    lblGuildLineE[r] = e;
    QLabel* f = RowLabel(RowName("lblGuildLineF", row), "00:00~00:00", lh);
    f->setFont(BoldArial());
    f->resize(f->sizeHint().width(), lh);
    lblGuildLineF[r] = f;

    QLabel* g = RowLabel(RowName("lblGuildLineG", row), "00:00", lh);
    g->setFont(BoldArial());
    g->resize(g->sizeHint().width(), lh);
    lblGuildLineG[r] = g;

    QLabel* h = RowLabel(RowName("lblGuildLineH", row), shop.location, pitch - 2);
    // Wrapped by the page, between places and never inside a name.
    h->setTextFormat(Qt::PlainText);
    h->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->setToolTip(h->text());
    lblGuildLineH[r] = h;

    const QString stripe = row % 2 == 1 ? RowName("shpGuildLine", row / 2) : QString();
    TScheduleRow* line = AddRow(part, pitch, GuildColumnsRule(a, c, f, h, FromView(shop.location)), stripe);
    if (row % 2 == 1) shpGuildLine[static_cast<std::size_t>(row / 2)] = line->Band();
    TColumnLayout* at = line->Columns();
    at->Add(a, kNameText, Qt::AlignTop, {0, textTop, 0, 0});
    at->Add(b, kState, Qt::AlignTop, {0, textTop + lh, 0, 0});
    at->Add(c, kHoliday, Qt::AlignVCenter);
    at->Add(d, kPicture, Qt::AlignVCenter);
    at->Add(e, kHours, Qt::AlignLeft | Qt::AlignTop, {0, textTop, 0, 0});
    at->Add(f, kHours, Qt::AlignTop, {0, textTop + lh, 0, 0});
    at->Add(g, kLeft, Qt::AlignLeft | Qt::AlignVCenter);
    at->Add(h, kLocation, {}, {0, 1, 0, 1});

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

void TGuildPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpGuildHead) s->SetBrushColor(mid);
    for (TShape* s : shpGuildLine) s->SetBrushColor(item);
    for (std::size_t r = 1; r < kRows; r += 2) SetBackground(lblGuildLineG[r], item);
}

}  // namespace norvane
