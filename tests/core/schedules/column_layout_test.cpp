#include "core/schedules/column_layout.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(PageLayout, ShipColumnsShareOnePixelAndCentreTheTimes) {
    auto cols = LayoutShipColumns(600, 8);
    EXPECT_EQ(cols.width, 151);
    EXPECT_EQ(cols.lefts, (std::array<int, 4>{8, 158, 308, 458}));
    EXPECT_EQ(cols.oddFrameLeft, 308);
    EXPECT_EQ(cols.offset, 21);
    // Each caption centred with its crest in the route column.
    auto row = LayoutShipCaptions(cols, 16, 4, 60, 80);
    EXPECT_EQ(row.aLeft, 35 + 20);  // (151 - 16 - 60 - 4) / 2 + 16 + 4
    EXPECT_EQ(row.aSpacing, 4);
    EXPECT_EQ(row.bLeft, 25);
    // Too wide for a narrow column: both end left of the first column's line,
    // the origin's crest kept inside the band by a narrower gap.
    auto narrow = LayoutShipCaptions(LayoutShipColumns(169, 0), 16, 2, 60, 88);
    EXPECT_EQ(narrow.aLeft, 16);
    EXPECT_EQ(narrow.aSpacing, 0);
    EXPECT_EQ(narrow.bLeft, -65);
    // A narrow page gives a negative offset; division truncates toward zero.
    EXPECT_EQ(LayoutShipColumns(404, 0).offset, -3);  // (102 - 109) / 2
    // Captions wider than a quarter widen the route column; the time columns
    // share the rest and the four still end with the band.
    EXPECT_EQ(ShipRouteWidth(16, 2, 60, 100), 121);
    auto wide = LayoutShipColumns(454, 0, 121);
    EXPECT_EQ(wide.routeWidth, 121);
    EXPECT_EQ(wide.width, 111);
    EXPECT_EQ(wide.lefts, (std::array<int, 4>{0, 120, 230, 340}));
    EXPECT_LE(wide.lefts[3] + wide.width, 454);
    // A quarter already wide enough keeps the design's columns.
    EXPECT_EQ(LayoutShipColumns(600, 8, 121).lefts, cols.lefts);
}

TEST(PageLayout, GuildMiddleColumnIsTwiceAsWide) {
    auto cols = LayoutGuildColumns(600, 8);
    EXPECT_EQ(cols.width, 151);
    EXPECT_EQ(cols.middleWidth, 302);
    EXPECT_EQ(cols.head1Left, 158);
    EXPECT_EQ(cols.head2Left, 459);
    EXPECT_EQ(cols.offset, 55);
    auto row = LayoutGuildRow(cols, {16, 4, 70, 30, 32, 80});
    EXPECT_EQ(row.aLeft, 30 + 22);  // (151 - 16 - 70 - 4) / 2 + 16 + 4 + 2
    EXPECT_EQ(row.bWidth, 149);
    EXPECT_EQ(row.hWidth, 144);
    EXPECT_EQ(row.cLeft, 214);
    EXPECT_EQ(row.dLeft, 242);
    EXPECT_EQ(row.eLeft, 279);
    EXPECT_EQ(row.fLeft, 279);
    EXPECT_EQ(row.gLeft, 364);
    EXPECT_EQ(row.hLeft, 463);
}

TEST(PageLayout, RacialAndChocoboColumns) {
    auto r = LayoutRacialPage(600, 8, 61, 590);
    EXPECT_EQ(r.width, 201);
    EXPECT_EQ(r.head4Width, 399);
    EXPECT_EQ(r.head1Left, 208);
    EXPECT_EQ(r.head2Left, 408);
    EXPECT_EQ(r.valueWidth, 199);
    EXPECT_EQ(r.c0Left, 478);
    EXPECT_EQ(r.rowBLeft, 204);
    EXPECT_EQ(r.rowBWidth, 387);

    auto c = LayoutChocoboPage(600, 8, 61, 590);
    EXPECT_EQ(c.width, 101);
    EXPECT_EQ(c.timeHeadWidth, 196);
    EXPECT_EQ(c.headLefts, (std::array<int, 5>{8, 108, 208, 308, 408}));
    EXPECT_EQ(c.valueLefts, (std::array<int, 4>{9, 109, 209, 309}));
    EXPECT_EQ(c.e0Left, 475);
    EXPECT_EQ(c.destHeadWidth, 202);
    EXPECT_EQ(c.periodHeadLeft, 209);
    EXPECT_EQ(c.periodHeadWidth, 398);
    EXPECT_EQ(c.rowDestWidth, 200);
    EXPECT_EQ(c.rowPeriodLeft, 205);
    EXPECT_EQ(c.rowPeriodWidth, 386);
}

TEST(PageLayout, SkillAndCalendarColumns) {
    // Header, fill and row lefts all at 2: the right name column's fill meets its header.
    auto s = LayoutSkillPage(600, 2, 2, 2);
    EXPECT_EQ(s.headWidths, (std::array<int, 4>{151, 153, 151, 148}));
    EXPECT_EQ(s.headLefts, (std::array<int, 4>{2, 152, 304, 454}));
    EXPECT_EQ(s.tateWidth, 151);
    EXPECT_EQ(s.tate1Left, 304);
    EXPECT_EQ(s.aWidth, 151);
    EXPECT_EQ(s.bLeft, 153);
    EXPECT_EQ(s.bWidth, 149);
    EXPECT_EQ(s.cLeft, 304);
    EXPECT_EQ(s.cWidth, 151);
    EXPECT_EQ(s.rightLeft, 455);
    EXPECT_EQ(s.rightWidth, 146);
    // 601 / 4 truncates: the last header takes what is left.
    EXPECT_EQ(LayoutSkillPage(601, 0, 0, 0).headWidths[3], 149);

    auto c = LayoutCalendarPage(500, 250);
    EXPECT_EQ(c.bandWidth, 494);
    EXPECT_EQ(c.head3Width, 244);
    auto shown = LayoutCalendarSchedule(253, 244, true, 50, 2);
    EXPECT_EQ(shown.left, 312);
    EXPECT_EQ(shown.width, 183);
    auto hidden = LayoutCalendarSchedule(253, 244, false, 50, 2);
    EXPECT_EQ(hidden.left, 260);
    EXPECT_EQ(hidden.width, 235);
}

}  // namespace
}  // namespace norvane
