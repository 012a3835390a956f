#include "core/schedules/guild_schedule.h"

namespace norvane {

const std::array<GuildShop, kGuildShopCount> kGuildShops = {{
    {"漁師ギルド", "ウィン港(C8), セルビナ(H9)", 5, 3, 0, 18, 0},
    {"漁師ギルド(船)", "セルビナ-マウラ航路 船内", 5, 1, 0, 23, 0},
    {"木工ギルド", "北サンド(E3)", 0, 6, 0, 21, 0},
    {"鍛冶ギルド", "北サンド(E5), バス大工房(H9), マウラ(G9)", 2, 8, 0, 23, 0},
    {"彫金ギルド", "バス商業区(H8), マウラ(G8)", 4, 8, 0, 23, 0},
    {"裁縫ギルド", "ウィン森の区(G12), セルビナ(H9)", 0, 6, 0, 21, 0},
    {"革工ギルド", "南サンド(D8)", 4, 3, 0, 18, 0},
    {"骨工ギルド", "ウィン森の区(H12)", 3, 8, 0, 23, 0},
    {"錬金術ギルド", "バス鉱山区(K7)", 6, 8, 0, 23, 0},
    {"調理ギルド", "ウィン水の区(D6)", 7, 5, 0, 20, 0},
    {"バストゥーク店", "バス港(F6)", 4, 1, 0, 23, 0},
    {"ジュノ店", "ジュノ下層(J8)", 1, 1, 0, 23, 0},
    {"ノーグ店", "ノーグ(各所のNPC)", 7, 9, 0, 23, 0},
}};

std::string GuildHoursText(const GuildShop& shop) {
    std::string s;
    AppendTwoDigits(s, shop.openHour);
    s.push_back(':');
    AppendTwoDigits(s, shop.openMinute);
    s.push_back('~');
    AppendTwoDigits(s, shop.closeHour);
    s.push_back(':');
    AppendTwoDigits(s, shop.closeMinute);
    return s;
}

GuildState GuildStateAt(const GuildShop& shop, const VanaDateTime& now) {
    if (now.Weekday == shop.holiday) return GuildState::Holiday;
    GuildState state = GuildState::Open;
    if (now.Hour < shop.openHour) state = GuildState::BeforeOpening;
    if (now.Hour >= shop.closeHour) state = GuildState::AfterClosing;
    return state;
}

VanaDateTime GuildTarget(const GuildShop& shop, GuildState state, const VanaDateTime& now) {
    VanaDateTime t;
    t.Year = now.Year;
    t.Month = now.Month;
    t.Day = now.Day;
    t.Second = 0;
    switch (state) {
        case GuildState::Open:
            t.Hour = shop.closeHour;
            t.Minute = shop.closeMinute;
            break;
        case GuildState::BeforeOpening:
            t.Hour = shop.openHour;
            t.Minute = shop.openMinute;
            break;
        case GuildState::AfterClosing:
        case GuildState::Holiday:
            // A holiday tomorrow is not skipped: the countdown runs to its opening time.
            t.Day += 1;
            t.Hour = shop.openHour;
            t.Minute = shop.openMinute;
            break;
    }
    return t;
}

GuildPageView ComputeGuildPage(const VanaDateTime& now, const EarthTime& localNow, int bias) {
    GuildPageView page;
    for (std::size_t r = 0; r < kGuildShopCount; ++r) {
        const GuildShop& shop = kGuildShops[r];
        GuildRowView& row = page[r];
        row.name = shop.name;
        row.location = shop.location;
        row.holidayPicture = shop.holiday;
        row.hours = GuildHoursText(shop);
        row.state = GuildStateAt(shop, now);
        const bool open = row.state == GuildState::Open;
        row.stateText = open                                  ? kGuildOpenText
                        : row.state == GuildState::Holiday    ? kGuildHolidayText
                                                              : kGuildClosedText;
        row.stateColour = open ? kGuildOpenColour : kGuildClosedColour;
        row.target = VanaToEarth(GuildTarget(shop, row.state, now), bias);
        const std::int64_t left = ShownCountdown(row.target, localNow);
        row.secondsLeft = left;
        row.timeLeft = FormatMinutesSeconds(left);
        // Only the closing countdown warns; an opening is never urgent.
        row.timeLeftColour = open ? CountdownColour(left) : kColourBlack;
        row.timeLeftHint = open ? kGuildUntilCloseHint : kGuildUntilOpenHint;
    }
    return page;
}

}  // namespace norvane
