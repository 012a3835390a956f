#include "core/cli/print_pages.h"

#include "core/cli/cli.h"

#include <ctime>
#include <optional>
#include <ostream>

#include "core/schedules/calendar_schedule.h"
#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/guild_schedule.h"
#include "core/schedules/racial_schedule.h"
#include "core/schedules/schedule_common.h"
#include "core/schedules/ship_schedule.h"
#include "core/schedules/skill_schedule.h"
#include "core/time/earth_time.h"
#include "core/time/support.h"
#include "core/time/vanatime.h"

namespace norvane {
namespace {

struct PrintRequest {
    std::string page;
    std::optional<EarthTime> at;
    std::optional<int> race;
    std::optional<int> town;
    std::optional<int> job;
    std::optional<int> level;
    std::optional<CalendarEntries> entries;
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

// A level as the skill page takes it: 1 to 75, in decimal digits.
std::optional<int> ParseLevel(const std::string& s) {
    if (s.empty() || s.size() > 2) return std::nullopt;
    for (char c : s)
        if (c < '0' || c > '9') return std::nullopt;
    const int v = std::stoi(s);
    if (v < kMinSkillLevel || v > kMaxSkillLevel) return std::nullopt;
    return v;
}

// A comma-separated subset of ballista, racial and tavern; empty for none.
std::optional<CalendarEntries> ParseEntries(const std::string& list) {
    CalendarEntries entries{false, false, false};
    if (list.empty()) return entries;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (name == "ballista") entries.ballista = true;
        else if (name == "racial") entries.racial = true;
        else if (name == "tavern") entries.tavern = true;
        else return std::nullopt;
        if (comma == std::string::npos) return entries;
        start = comma + 1;
    }
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

void PrintSkill(int job, int level, const PrintDataFiles& files, std::ostream& out) {
    for (const SkillRow& row : ComputeSkillPage(files.skillIni, job, level))
        out << row.name << '\t' << row.value << '\n';
}

void PrintCalendar(const ScheduleMoment& m, CalendarEntries entries, const PrintDataFiles& files,
                   std::ostream& out) {
    for (const CalendarRow& row : ComputeCalendar(m.game, m.bias, files.ballistaIni, entries))
        out << row.earth << '\t' << row.game << '\t' << row.moon << '\t' << row.schedule << '\n';
}

}  // namespace

PrintDataFiles DataFilesBesideProgram() {
    const std::string exe = ProgramPath();
    return {SkillIniPath(exe), BallistaIniPath(exe)};
}

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunPrintCommand(args, out, err, DataFilesBesideProgram());
}

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const PrintDataFiles& files) {
    if (args.size() < 3)
        return Fail(err, "no page given (ships, guilds, racial, chocobo, skill or calendar)");
    PrintRequest req;
    req.page = args[2];
    if (req.page != "ships" && req.page != "guilds" && req.page != "racial" && req.page != "chocobo" &&
        req.page != "skill" && req.page != "calendar")
        return Fail(err, "no such page: " + ShownArgument(req.page));
    for (std::size_t i = 3; i < args.size(); i += 2) {
        const std::string& opt = args[i];
        if (opt != "--at" && opt != "--race" && opt != "--town" && opt != "--job" && opt != "--level" &&
            opt != "--entries")
            return Fail(err, "unexpected argument: " + ShownArgument(opt));
        if (i + 1 >= args.size()) return Fail(err, opt + " needs a value");
        const std::string& value = args[i + 1];
        if (opt == "--at") {
            if (req.page == "skill") return Fail(err, "--at does not apply to the skill page");
            if (req.at) return Fail(err, "--at given twice");
            req.at = ParseIsoUtc(value);
            if (!req.at) return Fail(err, "not an ISO 8601 UTC instant: " + ShownArgument(value));
        } else if (opt == "--race") {
            if (req.page != "racial") return Fail(err, "--race applies to the racial page only");
            if (req.race) return Fail(err, "--race given twice");
            req.race = ParseIndex(value, static_cast<int>(kRaceNames.size()));
            if (!req.race) return Fail(err, "race index must be 0 to 7: " + ShownArgument(value));
        } else if (opt == "--town") {
            if (req.page != "chocobo") return Fail(err, "--town applies to the chocobo page only");
            if (req.town) return Fail(err, "--town given twice");
            req.town = ParseIndex(value, static_cast<int>(kChocoTownCount));
            if (!req.town) return Fail(err, "town index must be 0 to 3: " + ShownArgument(value));
        } else if (opt == "--job") {
            if (req.page != "skill") return Fail(err, "--job applies to the skill page only");
            if (req.job) return Fail(err, "--job given twice");
            const int job = JobOfKey(value);
            if (job == kNoJob) return Fail(err, "no such job key (war, mnk, whm ... smn): " + ShownArgument(value));
            req.job = job;
        } else if (opt == "--level") {
            if (req.page != "skill") return Fail(err, "--level applies to the skill page only");
            if (req.level) return Fail(err, "--level given twice");
            req.level = ParseLevel(value);
            if (!req.level) return Fail(err, "level must be 1 to 75: " + ShownArgument(value));
        } else {
            if (req.page != "calendar") return Fail(err, "--entries applies to the calendar page only");
            if (req.entries) return Fail(err, "--entries given twice");
            req.entries = ParseEntries(value);
            if (!req.entries) return Fail(err, "entries must be a list of ballista, racial, tavern: " + ShownArgument(value));
        }
    }
    if (req.page == "skill") {
        if (!req.job) return Fail(err, "the skill page needs --job KEY");
        if (!req.level) return Fail(err, "the skill page needs --level N");
        PrintSkill(*req.job, *req.level, files, out);
        return 0;
    }

    const ScheduleMoment m =
        req.at ? ScheduleMomentAt(*req.at, SystemBiasAt(*req.at)) : CurrentScheduleMoment();
    if (req.page == "ships") PrintShips(m, out);
    else if (req.page == "guilds") PrintGuilds(m, out);
    else if (req.page == "racial") PrintRacial(m, req.race, out);
    else if (req.page == "calendar") PrintCalendar(m, req.entries.value_or(CalendarEntries{}), files, out);
    else PrintChocobo(m, req.town, out);
    return 0;
}

}  // namespace norvane
