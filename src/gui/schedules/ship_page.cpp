#include "gui/schedules/ship_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

#include "core/schedules/column_layout.h"
#include "gui/art/town_pictures.h"
#include "gui/controls/image_label.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/controls/shape.h"

namespace norvane {

namespace {
// The gap between a caption and its crest as designed.
constexpr int kDesignSpacing = 2;
// A column's time and countdown are centred as a pair 109 pixels wide; kept
// a little narrower, the pair still fits the column of the narrowest window.
constexpr int kTimePairWidth = 105;
// Space between a band's last row and the next band.
constexpr int kBandGap = 6;

// The page's columns, all from the width of the bands: the four captioned
// columns, where each column's time pair starts, and a route's two captions.
enum ShipColumn { kRoute, kArrive, kDepart, kDestination, kPair1, kPair2, kPair3, kCaptionA, kCaptionB };

// With a route's two captions, the rule places them too; the origin's
// gap to its crest follows the width with them.
ColumnRule ShipColumnsRule(int routeWidth, TImageLabel* origin = nullptr, TImageLabel* destination = nullptr) {
    const int crest = origin ? origin->LabelImage()->width() : 0;
    const int a = origin ? origin->width() : 0, b = destination ? destination->width() : 0;
    return [=](int width) {
        const ShipColumns c = LayoutShipColumns(width, 0, routeWidth);
        std::vector<ColumnSpan> spans{{c.lefts[0], c.routeWidth}};
        for (std::size_t i = 1; i < 4; ++i) spans.push_back({c.lefts[i], c.width});
        for (std::size_t i = 1; i < 4; ++i) spans.push_back({c.lefts[i] + c.offset, c.width - c.offset});
        if (origin) {
            const ShipCaptions at = LayoutShipCaptions(c, crest, kDesignSpacing, a, b);
            origin->SetImageSpacing(at.aSpacing);
            spans.push_back({at.aLeft, a});
            spans.push_back({at.bLeft, b});
        }
        return spans;
    };
}

}  // namespace

void TShipPage::BuildControls() {
    MakeCaptions();
    BuildBand(0, 0, 0, 4);
    BuildBand(1, kBandGap, 4, 4);
    BuildBand(2, kBandGap, 8, 1);
    // The town pictures of the design; the other captions get copies.
    lblShipLineA[0]->LabelImage()->SetPicture(TownIcon(TownPicture::Jeuno));
    const TownPicture ports[4] = {TownPicture::SandOria, TownPicture::Bastok, TownPicture::Windurst,
                                  TownPicture::Kazham};
    for (std::size_t r = 0; r < 4; ++r) lblShipLineB[r]->LabelImage()->SetPicture(TownIcon(ports[r]));
    lblShipLineA[8]->LabelImage()->SetPicture(TownIcon(TownPicture::Ship));
    CopyTownIcons();
}

int TShipPage::SectionWidth() const { return std::max(AvailableWidth(), bandMinimum_); }

// Every route's captions first: the widest says how wide the route column must be.
void TShipPage::MakeCaptions() {
    const int lh = LineHeight();
    auto caption = [&](const char* prefix, int row, std::string_view text, TImagePosition side) {
        auto* l = new TImageLabel(FromView(text), this);
        l->setObjectName(RowName(prefix, row));
        l->SetImagePosition(side);
        l->adjustSize();
        l->resize(l->width(), lh);
        return l;
    };
    for (std::size_t r = 0; r < kRows; ++r) {
        const int row = static_cast<int>(r);
        lblShipLineA[r] = caption("lblShipLineA", row, kShipRoutes[r].originCaption, ipLeft);
        lblShipLineB[r] = caption("lblShipLineB", row, kShipRoutes[r].destCaption, ipRight);
        lblShipLineB[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        routeWidth_ = std::max(routeWidth_, ShipRouteWidth(lblShipLineA[r]->LabelImage()->width(), kDesignSpacing,
                                                           lblShipLineA[r]->width(), lblShipLineB[r]->width()));
    }
    // Narrower than the route and three time pairs, the box scrolls instead of cutting them.
    bandMinimum_ = routeWidth_ + 3 * (kTimePairWidth + 2);
}

// A header band, its routes and the frames of its middle columns.
void TShipPage::BuildBand(int band, int gap, int firstRow, int rows) {
    const int lh = LineHeight();
    const ColumnRule columns = ShipColumnsRule(routeWidth_);
    TScheduleSection* part = AddSection(columns, gap);
    TScheduleRow* head = AddRow(part, lh + 3, columns, RowName("shpShipHead", band));
    shpShipHead[static_cast<std::size_t>(band)] = head->Band();
    static const char* const kPrefixes[3] = {"lblShipHead", "lblShipMiddle", "lblShipBottom"};
    std::array<QLabel*, 4>& heads = band == 0 ? lblShipHead : band == 1 ? lblShipMiddle : lblShipBottom;
    const auto& captions = band == 2 ? kShipBottomCaptions : kShipHeadCaptions;
    static const int kNumbers[4] = {0, 2, 3, 4};
    for (std::size_t i = 0; i < 4; ++i) {
        heads[i] = RowLabel(RowName(kPrefixes[band], kNumbers[i]), captions[i], lh + 1);
        heads[i]->setAlignment(Qt::AlignCenter);
        head->Columns()->Add(heads[i], kRoute + static_cast<int>(i), Qt::AlignTop, {0, 1, 0, 0});
    }
    // Each route row starts right under the band, three pixels above its
    // captions, so that the origin's crest, taller than its caption and a
    // pixel high of its middle, stays inside the row.
    for (int r = 0; r < rows; ++r) MakeRow(part, firstRow + r);
    part->AddSpacing(3);
    for (int k = 0; k < 2; ++k)
        shpShipTate[static_cast<std::size_t>(2 * band + k)] =
            AddFrame(part, RowName("shpShipTate", 2 * band + k), k == 0 ? kArrive : kDepart);
}

void TShipPage::MakeRow(TScheduleSection* part, int row) {
    const auto r = static_cast<std::size_t>(row);
    const int lh = LineHeight();
    constexpr int kCaptionTop = 3;
    TScheduleRow* line =
        AddRow(part, 2 * lh + 4, ShipColumnsRule(routeWidth_, lblShipLineA[r], lblShipLineB[r]));
    line->Columns()->Add(lblShipLineA[r], kCaptionA, Qt::AlignTop, {0, kCaptionTop, 0, 0});
    line->Columns()->Add(lblShipLineB[r], kCaptionB, Qt::AlignTop, {0, kCaptionTop + lh, 0, 0});

    static const char* const kNames[6] = {"lblShipLineC", "lblShipLineD", "lblShipLineE",
                                          "lblShipLineF", "lblShipLineG", "lblShipLineH"};
    static const char* const kDesign[3] = {" 00:00着", " 00:00発", " 00:00着"};
    std::array<QLabel*, kRows>* columns[6] = {&lblShipLineC, &lblShipLineD, &lblShipLineE,
                                              &lblShipLineF, &lblShipLineG, &lblShipLineH};
    for (int c = 0; c < 3; ++c) {
        const bool departs = c == kShipDepart;
        QLabel* time = RowLabel(RowName(kNames[2 * c], row), kDesign[c], lh);
        QLabel* count = RowLabel(RowName(kNames[2 * c + 1], row), "00:00", lh);
        count->setFont(BoldArial());
        // The bold countdown as high as its face's line, about the same middle.
        const int countHeight = std::max(lh, count->fontMetrics().height());
        count->setFixedSize(count->sizeHint().width(), countHeight);
        // Widen the time label so that the pair fills the width it is centred by.
        time->setFixedSize(std::max(time->width(), kTimePairWidth - 5 - count->width()), lh);
        time->setStatusTip(FromView(departs ? kShipDepartHint : kShipArriveHint));
        count->setStatusTip(FromView(departs ? kShipDepartCountdownHint : kShipArriveCountdownHint));
        // Centred on the two caption lines.
        auto* pair = new QHBoxLayout;
        pair->setContentsMargins(0, 0, 0, 0);
        pair->setSpacing(5);
        pair->addWidget(time, 0, Qt::AlignVCenter);
        pair->addWidget(count, 0, Qt::AlignVCenter);
        const int top = kCaptionTop + lh / 2 - (countHeight - lh) / 2;
        line->Columns()->Add(pair, kPair1 + c, Qt::AlignLeft | Qt::AlignTop, {0, top, 0, 0});
        (*columns[2 * c])[r] = time;
        (*columns[2 * c + 1])[r] = count;
        Bind(cells_[r][static_cast<std::size_t>(2 * c)], time);
        Bind(cells_[r][static_cast<std::size_t>(2 * c + 1)], count);
    }
}

void TShipPage::CopyTownIcons() {
    auto icon = [](TImageLabel* l) -> TImageEx* { return l->LabelImage(); };
    const QPixmap jeuno = icon(lblShipLineA[0])->Picture();
    for (std::size_t r = 1; r <= 3; ++r) icon(lblShipLineA[r])->SetPicture(jeuno);
    for (std::size_t r = 4; r <= 7; ++r) {
        icon(lblShipLineB[r])->SetPicture(jeuno);
        icon(lblShipLineA[r])->SetPicture(icon(lblShipLineB[r - 4])->Picture());
    }
    icon(lblShipLineB[8])->SetPicture(icon(lblShipLineA[8])->Picture());
}

void TShipPage::Selected() {
    Build();
    Refresh(GetVanaTime());
}

void TShipPage::Refresh(const VanaDateTime& now) {
    Build();
    const ShipPageView page = ComputeShipPage(now, GetLocalNow(), GetLocalBias());
    for (std::size_t r = 0; r < kRows; ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            const ShipColumnView& col = page[r].columns[c];
            SetText(cells_[r][2 * c], col.time);
            TLabelSlot& count = cells_[r][2 * c + 1];
            SetText(count, col.countdown);
            SetColour(count, col.countdownColour);
        }
    }
}

void TShipPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpShipHead) s->SetBrushColor(mid);
}

}  // namespace norvane
