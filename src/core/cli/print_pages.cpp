#include "core/cli/print_pages.h"

#include "core/cli/cli.h"

#include <ctime>
#include <optional>
#include <ostream>

#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/guild_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "core/schedules/schedule_common.h"
#include "core/schedules/ship_schedule.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"

namespace norvane {
namespace {

struct PrintRequest {
    std::string page;
    std::optional<EarthTime> at;
    std::optional<int> race;
    std::optional<int> town;
};

int Fail(std::ostream& err, const std::string& what) {
    err << "norvane: --print: " << what << '\n';
    return 2;
}

// A single decimal digit string within [0, limit).
std::optional<int> ParseIndex(const std::string& s, int limit) {
    if (s.size() != 1 || s[0] < '0' || s[0] > '9') return std::nullopt;
    const int v = s[0] - '0';
    if (v >= limit) return std::nullopt;
    return v;
}

void PrintShips(const ScheduleMoment& m, std::ostream& out) {
    for (const ShipRowView& row : ComputeShipPage(m.game, m.local, m.bias)) {
        out << row.originCaption << '\t' << row.destCaption;
        for (const ShipColumnView& c : row.columns) out << '\t' << c.time << '\t' << c.countdown;
        out << '\n';
    }
}

void PrintGuilds(const ScheduleMoment& m, std::ostream& out) {
    for (const GuildRowView& row : ComputeGuildPage(m.game, m.local, m.bias))
        out << row.name << '\t' << row.stateText << '\t' << row.hours << '\t' << row.timeLeft << '\t'
            << row.location << '\n';
}

void PrintRacial(const ScheduleMoment& m, std::optional<int> race, std::ostream& out) {
    const RacialNowView now = ComputeRacialNow(m.game, m.local, m.bias);
    out << now.raceText << '\t' << now.dungeonText << '\t' << now.timeLeft << '\n';
    if (!race) return;
    for (const RacialRowView& row : ComputeRacialSchedule(m.game, *race, m.bias))
        out << row.dungeonText << '\t' << row.period << '\n';
}

void PrintChocobo(const ScheduleMoment& m, std::optional<int> town, std::ostream& out) {
    const ChocoboNowView now = ComputeChocoboNow(m.game, m.local, m.bias);
    for (const std::string& value : now.towns) out << value << '\t';
    out << now.timeLeft << '\n';
    if (!town) return;
    for (const ChocoboRowView& row : ComputeChocoboSchedule(m.game, *town, m.bias))
        out << row.destination << '\t' << row.period << '\n';
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 3) return Fail(err, "no page given (ships, guilds, racial or chocobo)");
    PrintRequest req;
    req.page = args[2];
    if (req.page != "ships" && req.page != "guilds" && req.page != "racial" && req.page != "chocobo")
        return Fail(err, "no such page: " + ShownArgument(req.page));
    for (std::size_t i = 3; i < args.size(); i += 2) {
        const std::string& opt = args[i];
        if (opt != "--at" && opt != "--race" && opt != "--town")
            return Fail(err, "unexpected argument: " + ShownArgument(opt));
        if (i + 1 >= args.size()) return Fail(err, opt + " needs a value");
        const std::string& value = args[i + 1];
        if (opt == "--at") {
            if (req.at) return Fail(err, "--at given twice");
            req.at = ParseIsoUtc(value);
            if (!req.at) return Fail(err, "not an ISO 8601 UTC instant: " + ShownArgument(value));
        } else if (opt == "--race") {
            if (req.page != "racial") return Fail(err, "--race applies to the racial page only");
            if (req.race) return Fail(err, "--race given twice");
            req.race = ParseIndex(value, static_cast<int>(kRaceNames.size()));
            if (!req.race) return Fail(err, "race index must be 0 to 7: " + ShownArgument(value));
        } else {
            if (req.page != "chocobo") return Fail(err, "--town applies to the chocobo page only");
            if (req.town) return Fail(err, "--town given twice");
            req.town = ParseIndex(value, static_cast<int>(kChocoTownCount));
            if (!req.town) return Fail(err, "town index must be 0 to 3: " + ShownArgument(value));
        }
    }

    const ScheduleMoment m =
        req.at ? ScheduleMomentAt(*req.at, SystemBiasAt(*req.at)) : CurrentScheduleMoment();
    if (req.page == "ships") PrintShips(m, out);
    else if (req.page == "guilds") PrintGuilds(m, out);
    else if (req.page == "racial") PrintRacial(m, req.race, out);
    else PrintChocobo(m, req.town, out);
    return 0;
}

}  // namespace norvane
