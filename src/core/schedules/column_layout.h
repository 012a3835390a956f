#pragma once
// Column arithmetic of the schedule pages, as pure functions of the widths the
// widgets report, so the resize handlers only copy numbers onto controls.
// Every division truncates toward zero. Callers run these only while the page
// control is visible (normal mode); in simple mode the handlers change nothing.
#include <array>

namespace norvane {

// Ship page header bands: four columns of width `width`, adjacent columns
// sharing one pixel. Index 0 is the route column; where a face's captions need
// more than a quarter, it takes `routeMinimum` and the time columns share the rest.
struct ShipColumns {
    int width = 0;               // of the three time columns
    int routeWidth = 0;
    std::array<int, 4> lefts{};  // every band's column labels take these
    int oddFrameLeft = 0;        // shpShipTate1, 3 and 5: column 3's left
    int offset = 0;              // of the time labels within their column
};
ShipColumns LayoutShipColumns(int headWidth, int firstColumnLeft, int routeMinimum = 0);
// The route column a route needs: its wider caption and the crest beside it,
// clear of the column's lines.
int ShipRouteWidth(int crest, int spacing, int a, int b);

// A route's two captions in the route column, each centred with its crest
// (`crest` wide, `spacing` from the caption): the origin's crest on its left,
// the destination's on its right. Both stay clear of the first column's line,
// the origin's gap to its crest narrowed if need be.
struct ShipCaptions {
    int aLeft = 0, aSpacing = 0, bLeft = 0;
};
ShipCaptions LayoutShipCaptions(const ShipColumns& cols, int crest, int spacing, int a, int b);

// Guild page: route-like name and location columns of width W around a middle
// column of 2W that holds the holiday, hours and time left.
struct GuildColumns {
    int width = 0;        // lblGuildHead0, 2, 3, 5
    int middleWidth = 0;  // lblGuildHead1, 4 and both frame shapes
    int head1Left = 0;    // also lblGuildHead4 and the frames
    int head2Left = 0;    // also lblGuildHead5
    int offset = 0;
};
GuildColumns LayoutGuildColumns(int headWidth, int head0Left);

struct GuildRowWidths {
    int iconWidth = 0;
    int imageSpacing = 0;
    int a = 0, c = 0, d = 0, f = 0;
};
struct GuildRowLayout {
    int aLeft = 0, bWidth = 0, cLeft = 0, dLeft = 0, eLeft = 0, fLeft = 0, gLeft = 0;
    int hLeft = 0, hWidth = 0;
};
GuildRowLayout LayoutGuildRow(const GuildColumns& cols, const GuildRowWidths& w);

// Racial equipment page.
struct RacialLayout {
    int width = 0;        // lblRacialHead0-3, shpRacialTate0, 1
    int head4Width = 0;
    int head1Left = 0;    // also lblRacialHead4 and shpRacialTate0
    int head2Left = 0;
    int valueWidth = 0;   // lblRacialA0, B0 and each row's A label
    int a0Left = 0, b0Left = 0, c0Left = 0;
    int rowBLeft = 0, rowBWidth = 0;
};
RacialLayout LayoutRacialPage(int headWidth, int head0Left, int c0Width, int frameWidth);

// Chocobo page.
struct ChocoboLayout {
    int width = 0;                 // the four town headers
    int timeHeadWidth = 0;         // lblChocoHeadE0
    std::array<int, 5> headLefts{};  // lblChocoHeadA0 ... E0
    std::array<int, 4> valueLefts{};
    int valueWidth = 0;
    int e0Left = 0;
    int destHeadWidth = 0, periodHeadLeft = 0, periodHeadWidth = 0;
    int rowDestWidth = 0, rowPeriodLeft = 0, rowPeriodWidth = 0;
};
ChocoboLayout LayoutChocoboPage(int headWidth, int headALeft, int e0Width, int frameWidth);


// Skill page: two columns of skill name and cap. Rows take the left of their A
// label; its right-hand neighbours follow edge to edge.
struct SkillLayout {
    std::array<int, 4> headLefts{};   // lblSkillHead0 ... 3
    std::array<int, 4> headWidths{};
    int tateWidth = 0;                // shpSkillTate0 ... 3
    int tate1Left = 0;                // also shpSkillTate3
    int aWidth = 0;                   // lblSkillLineA n
    int bLeft = 0, bWidth = 0;        // lblSkillLineB n (left column)
    int cLeft = 0, cWidth = 0;        // lblSkillLineC n
    int rightLeft = 0, rightWidth = 0;  // lblSkillLineB n+15
};
SkillLayout LayoutSkillPage(int headWidth, int head0Left, int tate0Left, int rowLeft);

// Calendar page: bands as wide as the box's client area less 6 pixels; the
// schedule column takes what the header panel leaves, less the ballista
// picture when a row shows one.
struct CalendarLayout {
    int bandWidth = 0;   // pnlCalenHead, shpCalenWaku and the 42 bands
    int head3Width = 0;  // lblCalenHead3
};
CalendarLayout LayoutCalendarPage(int clientWidth, int head3Left);
struct CalendarScheduleCell {
    int left = 0, width = 0;  // lblCalenLineD n
};
CalendarScheduleCell LayoutCalendarSchedule(int head3Left, int head3Width, bool pictureShown, int pictureWidth,
                                            int imageSpacing);

}  // namespace norvane
