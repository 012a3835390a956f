#include "core/schedules/column_layout.h"

#include <algorithm>
#include <cstddef>

namespace norvane {

namespace {
// A column's time label and countdown are centred as a pair this wide.
constexpr int kShipTimePairWidth = 109;
// The holiday, hours and time-left labels of a guild row are centred as a group this wide.
constexpr int kGuildMiddleGroupWidth = 192;
}  // namespace

ShipColumns LayoutShipColumns(int headWidth, int firstColumnLeft, int routeMinimum) {
    ShipColumns c;
    c.width = headWidth / 4 + 1;
    c.routeWidth = c.width;
    if (routeMinimum > c.width) {
        // The four columns still cover the band: the time columns take the rest.
        c.routeWidth = routeMinimum;
        c.width = (headWidth + 2 - routeMinimum) / 3;
    }
    c.lefts[0] = firstColumnLeft;
    c.lefts[1] = c.lefts[0] + c.routeWidth - 1;
    for (std::size_t i = 2; i < c.lefts.size(); ++i) c.lefts[i] = c.lefts[i - 1] + c.width - 1;
    c.oddFrameLeft = c.lefts[2];
    c.offset = (c.width - kShipTimePairWidth) / 2;
    return c;
}

int ShipRouteWidth(int crest, int spacing, int a, int b) { return std::max(a, b) + crest + spacing + 3; }

ShipCaptions LayoutShipCaptions(const ShipColumns& cols, int crest, int spacing, int a, int b) {
    ShipCaptions c;
    c.aSpacing = spacing;
    c.aLeft = (cols.routeWidth - crest - a - spacing) / 2 + crest + spacing;
    c.bLeft = (cols.routeWidth - crest - b - spacing) / 2;
    const int right = cols.lefts[1] - 1;
    if (c.aLeft + a > right) {
        // Left as far as the crest may go, the gap to the crest narrowed if need be.
        c.aSpacing = std::clamp(right - cols.lefts[0] - crest - a, 0, spacing);
        c.aLeft = std::max(cols.lefts[0] + crest + c.aSpacing, right - a);
    }
    if (const int over = c.bLeft + b + spacing + crest - right; over > 0) c.bLeft -= over;
    return c;
}

GuildColumns LayoutGuildColumns(int headWidth, int head0Left) {
    GuildColumns c;
    c.width = headWidth / 4 + 1;
    c.middleWidth = 2 * c.width;
    c.head1Left = head0Left + c.width - 1;
    c.head2Left = c.head1Left + c.middleWidth - 1;
    c.offset = (c.middleWidth - kGuildMiddleGroupWidth) / 2;
    return c;
}

GuildRowLayout LayoutGuildRow(const GuildColumns& cols, const GuildRowWidths& w) {
    GuildRowLayout r;
    r.aLeft = (cols.width - w.iconWidth - w.a - w.imageSpacing) / 2 + w.iconWidth + w.imageSpacing + 2;
    r.bWidth = cols.width - 2;
    r.hWidth = cols.width - 7;
    r.cLeft = cols.head1Left + cols.offset + 1;
    r.dLeft = r.cLeft + w.c - 2;
    r.eLeft = r.dLeft + w.d + 5;
    r.fLeft = r.eLeft;
    r.gLeft = r.fLeft + w.f + 5;
    r.hLeft = cols.head1Left + cols.middleWidth + 3;
    return r;
}

RacialLayout LayoutRacialPage(int headWidth, int head0Left, int c0Width, int frameWidth) {
    RacialLayout l;
    const int a = headWidth / 3;
    l.width = a + 1;
    l.head4Width = headWidth - l.width;
    l.head1Left = head0Left + l.width - 1;
    l.head2Left = l.head1Left + l.width - 1;
    l.valueWidth = a - 1;
    l.a0Left = head0Left + 1;
    l.b0Left = l.head1Left + 1;
    l.c0Left = l.head2Left + (l.width - c0Width) / 2;
    l.rowBLeft = a + 4;
    l.rowBWidth = frameWidth - l.width - 2;
    return l;
}

ChocoboLayout LayoutChocoboPage(int headWidth, int headALeft, int e0Width, int frameWidth) {
    ChocoboLayout l;
    const int a = headWidth / 6;
    l.width = a + 1;
    l.timeHeadWidth = headWidth - 4 * l.width;
    l.headLefts[0] = headALeft;
    for (std::size_t i = 1; i < l.headLefts.size(); ++i) l.headLefts[i] = l.headLefts[i - 1] + l.width - 1;
    l.valueWidth = a - 1;
    for (std::size_t i = 0; i < l.valueLefts.size(); ++i) l.valueLefts[i] = l.headLefts[i] + 1;
    l.e0Left = l.headLefts[4] + (l.timeHeadWidth - e0Width) / 2;
    l.destHeadWidth = 2 * l.width;
    l.periodHeadLeft = l.headLefts[2] + 1;
    l.periodHeadWidth = headWidth - 2 * l.width;
    l.rowDestWidth = 2 * a;
    l.rowPeriodLeft = l.rowDestWidth + 5;
    l.rowPeriodWidth = frameWidth - 2 * l.width - 2;
    return l;
}


SkillLayout LayoutSkillPage(int headWidth, int head0Left, int tate0Left, int rowLeft) {
    SkillLayout l;
    const int w = headWidth / 4 + 1;
    l.headWidths = {w, w + 2, w, headWidth - 3 * w + 1};
    l.headLefts[0] = head0Left;
    for (std::size_t i = 1; i < l.headLefts.size(); ++i)
        l.headLefts[i] = l.headLefts[i - 1] + l.headWidths[i - 1] - 1;
    l.tateWidth = w;
    l.tate1Left = 2 * (tate0Left + w) - 2;
    l.aWidth = w;
    l.bLeft = rowLeft + w;
    l.bWidth = w - 2;
    l.cLeft = l.bLeft + l.bWidth + 2;
    l.cWidth = w;
    l.rightLeft = l.cLeft + w;
    l.rightWidth = headWidth - l.rightLeft + 1;
    return l;
}

CalendarLayout LayoutCalendarPage(int clientWidth, int head3Left) {
    CalendarLayout l;
    l.bandWidth = clientWidth - 6;
    l.head3Width = l.bandWidth - head3Left;
    return l;
}

CalendarScheduleCell LayoutCalendarSchedule(int head3Left, int head3Width, bool pictureShown, int pictureWidth,
                                            int imageSpacing) {
    if (!pictureShown) return {head3Left + 7, head3Width - 9};
    return {pictureWidth + imageSpacing + head3Left + 7, head3Width - pictureWidth - imageSpacing - 9};
}

}  // namespace norvane
