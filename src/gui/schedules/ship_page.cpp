#include "gui/schedules/ship_page.h"

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
}  // namespace

void TShipPage::BuildControls() {
    int y = BuildBand(0, 0, 0, 4);
    y = BuildBand(1, y + kBandGap, 4, 4);
    BuildBand(2, y + kBandGap, 8, 1);
    // The town pictures of the design; the other captions get copies.
    lblShipLineA[0]->LabelImage()->SetPicture(TownIcon(TownPicture::Jeuno));
    const TownPicture ports[4] = {TownPicture::SandOria, TownPicture::Bastok, TownPicture::Windurst,
                                  TownPicture::Kazham};
    for (std::size_t r = 0; r < 4; ++r) lblShipLineB[r]->LabelImage()->SetPicture(TownIcon(ports[r]));
    lblShipLineA[8]->LabelImage()->SetPicture(TownIcon(TownPicture::Ship));
    CopyTownIcons();
}

// Returns the bottom of the band's frames.
int TShipPage::BuildBand(int band, int y, int firstRow, int rows) {
    const int lh = LineHeight();
    const int headHeight = lh + 3;
    const int rowPitch = 2 * lh + 4;
    shpShipHead[static_cast<std::size_t>(band)] = MakeBand(RowName("shpShipHead", band), y, headHeight);
    static const char* const kPrefixes[3] = {"lblShipHead", "lblShipMiddle", "lblShipBottom"};
    std::array<QLabel*, 4>& heads = band == 0 ? lblShipHead : band == 1 ? lblShipMiddle : lblShipBottom;
    const auto& captions = band == 2 ? kShipBottomCaptions : kShipHeadCaptions;
    static const int kNumbers[4] = {0, 2, 3, 4};
    for (std::size_t i = 0; i < 4; ++i) {
        heads[i] = MakeHeadLabel(RowName(kPrefixes[band], kNumbers[i]), captions[i], y + 1);
        heads[i]->resize(heads[i]->width(), lh + 1);
    }
    const int rowsTop = y + headHeight + 2;
    for (int r = 0; r < rows; ++r) MakeRow(firstRow + r, rowsTop + r * rowPitch);
    const int bottom = rowsTop + rows * rowPitch + 1;
    for (int k = 0; k < 2; ++k)
        shpShipTate[static_cast<std::size_t>(2 * band + k)] =
            MakeFrame(RowName("shpShipTate", 2 * band + k), y, bottom - y);
    return bottom;
}

void TShipPage::MakeRow(int row, int y) {
    const auto r = static_cast<std::size_t>(row);
    const ShipRoute& route = kShipRoutes[r];
    const int lh = LineHeight();
    auto caption = [&](const char* prefix, std::string_view text, TImagePosition side, int top) {
        auto* l = new TImageLabel(FromView(text), this);
        l->setObjectName(RowName(prefix, row));
        l->SetImagePosition(side);
        l->move(0, top);
        l->adjustSize();
        l->resize(l->width(), lh);
        return l;
    };
    lblShipLineA[r] = caption("lblShipLineA", route.originCaption, ipLeft, y + 1);
    lblShipLineB[r] = caption("lblShipLineB", route.destCaption, ipRight, y + 1 + lh);
    lblShipLineB[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const int mid = y + 1 + lh / 2;  // centred on the two caption lines
    static const char* const kNames[6] = {"lblShipLineC", "lblShipLineD", "lblShipLineE",
                                          "lblShipLineF", "lblShipLineG", "lblShipLineH"};
    static const char* const kDesign[3] = {" 00:00着", " 00:00発", " 00:00着"};
    std::array<QLabel*, kRows>* columns[6] = {&lblShipLineC, &lblShipLineD, &lblShipLineE,
                                              &lblShipLineF, &lblShipLineG, &lblShipLineH};
    for (int c = 0; c < 3; ++c) {
        const bool departs = c == kShipDepart;
        QLabel* time = MakeLabel(RowName(kNames[2 * c], row), kDesign[c], 0, mid);
        QLabel* count = MakeLabel(RowName(kNames[2 * c + 1], row), "00:00", 0, mid);
        count->setFont(BoldArial());
        count->adjustSize();
        // Widen the time label so that the pair fills the width it is centred by.
        time->resize(std::max(time->width(), kTimePairWidth - 5 - count->width()), lh);
        count->resize(count->width(), lh);
        time->setStatusTip(FromView(departs ? kShipDepartHint : kShipArriveHint));
        count->setStatusTip(FromView(departs ? kShipDepartCountdownHint : kShipArriveCountdownHint));
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

void TShipPage::Layout() {
    // The bands stretch with the box; the columns follow the first band.
    for (TShape* s : shpShipHead) s->resize(AvailableWidth(), s->height());
    const ShipColumns cols = LayoutShipColumns(shpShipHead[0]->width(), lblShipHead[0]->x());
    for (auto* heads : {&lblShipHead, &lblShipMiddle, &lblShipBottom})
        for (std::size_t i = 0; i < 4; ++i) {
            QLabel* l = (*heads)[i];
            l->setGeometry(cols.lefts[i], l->y(), cols.width, l->height());
        }
    for (std::size_t k = 0; k < shpShipTate.size(); ++k) {
        TShape* s = shpShipTate[k];
        s->setGeometry(k % 2 == 0 ? cols.lefts[1] : cols.oddFrameLeft, s->y(), cols.width, s->height());
    }
    for (std::size_t r = 0; r < kRows; ++r) {
        lblShipLineA[r]->SetImageSpacing(kDesignSpacing);
        ShipRowWidths w;
        w.iconWidth = lblShipLineA[r]->LabelImage()->width();
        w.imageSpacing = lblShipLineA[r]->ImageSpacing();
        w.a = lblShipLineA[r]->width();
        w.b = lblShipLineB[r]->width();
        w.c = lblShipLineC[r]->width();
        w.e = lblShipLineE[r]->width();
        w.g = lblShipLineG[r]->width();
        const ShipRowLefts x = LayoutShipRow(cols, w);
        auto place = [](QWidget* l, int left) { l->move(left, l->y()); };
        place(lblShipLineA[r], x.a);
        place(lblShipLineB[r], x.b);
        // The captions and their crests stay clear of the first column's line,
        // whatever the face's widths: the destination's crest stands right of
        // its caption.
        const int line = cols.lefts[1];
        TImageLabel* a = lblShipLineA[r];
        if (const int right = line - 1; a->x() + a->width() > right) {
            // Left as far as the crest may go, the gap to the crest narrowed if need be.
            const int bandLeft = shpShipHead[0]->x(), crest = a->LabelImage()->width();
            const int gap = std::clamp(right - bandLeft - crest - a->width(), 0, kDesignSpacing);
            a->SetImageSpacing(gap);
            place(a, std::max(bandLeft + crest + gap, right - a->width()));
        }
        TImageLabel* b = lblShipLineB[r];
        if (const int over = b->x() + b->width() + b->ImageSpacing() + b->LabelImage()->width() - (line - 1); over > 0)
            place(b, b->x() - over);
        place(lblShipLineC[r], x.c);
        place(lblShipLineD[r], x.d);
        place(lblShipLineE[r], x.e);
        place(lblShipLineF[r], x.f);
        place(lblShipLineG[r], x.g);
        place(lblShipLineH[r], x.h);
    }
}

void TShipPage::ApplyColours(Colour item, Colour base) {
    const Colour mid = MidColour(item, base);
    for (TShape* s : shpShipHead) s->SetBrushColor(mid);
}

}  // namespace norvane
