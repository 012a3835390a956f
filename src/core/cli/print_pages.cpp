#include "core/cli/print_pages.h"

#include "core/cli/cli.h"

#include <QJsonValue>
#include <QString>

#include <cstdio>
#include <ctime>
#include <optional>
#include <ostream>

#include "core/cli/face_rows.h"
#include "core/schedules/calendar_schedule.h"
#include "core/schedules/chocobo_schedule.h"
#include "core/schedules/guild_schedule.h"
#include "core/schedules/moon_schedule.h"
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
    std::optional<FaceFormat> format;
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

QJsonValue Iso(const EarthTime& local, int bias) { return QString::fromStdString(FormatIsoLocal(local, bias)); }
QJsonValue Hex(Colour colour) { return QString::fromStdString(ColourHex(colour)); }
QJsonValue Seconds(std::int64_t seconds) { return static_cast<qint64>(seconds); }

std::vector<FaceRow> ShipRows(const ScheduleMoment& m) {
    static const char* const kColumns[] = {"arriveOrigin", "depart", "arriveDestination"};
    std::vector<FaceRow> rows;
    for (const ShipRowView& view : ComputeShipPage(m.game, m.local, m.bias)) {
        FaceRow& row = rows.emplace_back();
        row.Text("origin", std::string(view.originCaption)).Text("destination", std::string(view.destCaption));
        for (std::size_t c = 0; c < view.columns.size(); ++c) {
            const ShipColumnView& column = view.columns[c];
            const std::string name = kColumns[c];
            row.Text(name + ".time", column.time).Text(name + ".countdown", column.countdown);
            row.Field(name + ".until", Iso(column.target, m.bias))
                .Field(name + ".secondsLeft", Seconds(column.secondsLeft))
                .Field(name + ".colour", Hex(column.countdownColour));
        }
    }
    return rows;
}

std::vector<FaceRow> GuildRows(const ScheduleMoment& m) {
    static const char* const kStates[] = {"open", "beforeOpening", "afterClosing", "holiday"};
    std::vector<FaceRow> rows;
    for (const GuildRowView& view : ComputeGuildPage(m.game, m.local, m.bias))
        rows.emplace_back()
            .Text("name", std::string(view.name))
            .Text("state", std::string(view.stateText))
            .Text("hours", view.hours)
            .Text("timeLeft", view.timeLeft)
            .Text("location", std::string(view.location))
            .Field("status", kStates[static_cast<int>(view.state)])
            .Field("stateColour", Hex(view.stateColour))
            .Field("holiday", view.holidayPicture)
            .Field("until", Iso(view.target, m.bias))
            .Field("secondsLeft", Seconds(view.secondsLeft))
            .Field("timeLeftColour", Hex(view.timeLeftColour));
    return rows;
}

std::vector<FaceRow> RacialRows(const ScheduleMoment& m, std::optional<int> race) {
    const RacialNowView now = ComputeRacialNow(m.game, m.local, m.bias);
    std::vector<FaceRow> rows;
    rows.emplace_back()
        .Text("race", std::string(now.raceText))
        .Text("dungeon", std::string(now.dungeonText))
        .Text("timeLeft", now.timeLeft)
        .Field("part", "now")
        .Field("raceIndex", now.race)
        .Field("dungeonIndex", now.dungeon)
        .Field("until", Iso(now.end, m.bias))
        .Field("secondsLeft", Seconds(now.secondsLeft));
    if (!race) return rows;
    for (const RacialRowView& view : ComputeRacialSchedule(m.game, *race, m.bias))
        rows.emplace_back()
            .Text("dungeon", std::string(view.dungeonText))
            .Text("period", view.period)
            .Field("part", "schedule")
            .Field("dungeonIndex", view.dungeon)
            .Field("start", Iso(view.start, m.bias))
            .Field("end", Iso(view.end, m.bias));
    return rows;
}

std::vector<FaceRow> ChocoboRows(const ScheduleMoment& m, std::optional<int> town) {
    static const char* const kTowns[kChocoTownCount] = {"from.sandoria", "from.bastok", "from.windurst",
                                                        "from.kazham"};
    const ChocoboNowView now = ComputeChocoboNow(m.game, m.local, m.bias);
    std::vector<FaceRow> rows;
    FaceRow& upper = rows.emplace_back();
    for (std::size_t t = 0; t < kChocoTownCount; ++t) upper.Text(kTowns[t], now.towns[t]);
    upper.Text("timeLeft", now.timeLeft)
        .Field("part", "now")
        .Field("cycle", now.cycle)
        .Field("until", Iso(now.end, m.bias))
        .Field("secondsLeft", Seconds(now.secondsLeft));
    if (!town) return rows;
    for (const ChocoboRowView& view : ComputeChocoboSchedule(m.game, *town, m.bias))
        rows.emplace_back()
            .Text("destination", view.destination)
            .Text("period", view.period)
            .Field("part", "schedule")
            .Field("cycle", view.cycle)
            .Field("start", Iso(view.start, m.bias))
            .Field("end", Iso(view.end, m.bias));
    return rows;
}

std::vector<FaceRow> SkillRows(int job, int level, const PrintDataFiles& files) {
    std::vector<FaceRow> rows;
    for (const SkillRow& view : ComputeSkillPage(files.skillIni, job, level)) {
        std::string grade = view.grade;
        while (!grade.empty() && grade.back() == ' ') grade.pop_back();
        rows.emplace_back()
            .Text("skill", std::string(view.name))
            .Text("value", view.value)
            .Field("grade", view.none ? QJsonValue() : QJsonValue(QString::fromStdString(grade)))
            .Field("cap", view.none ? QJsonValue() : QJsonValue(view.cap))
            .Field("colour", Hex(view.colour));
    }
    return rows;
}

std::vector<FaceRow> CalendarRows(const ScheduleMoment& m, CalendarEntries entries, const PrintDataFiles& files) {
    std::vector<FaceRow> rows;
    for (const CalendarRow& view : ComputeCalendar(m.game, m.bias, files.ballistaIni, entries)) {
        char date[48];
        std::snprintf(date, sizeof date, "%.4d/%.2d/%.2d", view.day.Year, view.day.Month, view.day.Day);
        rows.emplace_back()
            .Text("earth", view.earth)
            .Text("game", view.game)
            .Text("moon", view.moon)
            .Text("schedule", view.schedule)
            .Field("start", Iso(view.start, m.bias))
            .Field("date", date)
            .Field("weekday", view.weekday)
            .Field("moonPhase", view.moonPhase)
            .Field("moonPhaseName", QString::fromStdString(std::string(view.moonHint)))
            .Field("ballista", view.ballista < 0 ? QJsonValue() : QJsonValue(QString::fromStdString(view.ballistaHint)));
    }
    return rows;
}

std::vector<FaceRow> MoonRows(const ScheduleMoment& m) {
    std::vector<FaceRow> rows;
    for (const MoonPhaseRow& view : ComputeMoonCalendar(m.game, m.local, m.bias))
        rows.emplace_back()
            .Text("earth", view.earth)
            .Text("phase", std::string(view.phase))
            .Text("game", view.game)
            .Field("start", Iso(view.start, m.bias))
            .Field("phaseIndex", view.first.Moon)
            .Field("secondsLeft", Seconds(view.secondsLeft));
    return rows;
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
        return Fail(err, "no page given (ships, guilds, racial, chocobo, skill, calendar or moon)");
    PrintRequest req;
    req.page = args[2];
    if (req.page != "ships" && req.page != "guilds" && req.page != "racial" && req.page != "chocobo" &&
        req.page != "skill" && req.page != "calendar" && req.page != "moon")
        return Fail(err, "no such page: " + ShownArgument(req.page));
    for (std::size_t i = 3; i < args.size(); i += 2) {
        const std::string& opt = args[i];
        if (opt != "--at" && opt != "--race" && opt != "--town" && opt != "--job" && opt != "--level" &&
            opt != "--entries" && opt != "--format")
            return Fail(err, "unexpected argument: " + ShownArgument(opt));
        if (i + 1 >= args.size()) return Fail(err, opt + " needs a value");
        const std::string& value = args[i + 1];
        if (opt == "--format") {
            if (req.format) return Fail(err, "--format given twice");
            req.format = ParseFaceFormat(value);
            if (!req.format) return Fail(err, "format must be text or json: " + ShownArgument(value));
        } else if (opt == "--at") {
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
    const FaceFormat format = req.format.value_or(FaceFormat::Text);
    if (req.page == "skill") {
        if (!req.job) return Fail(err, "the skill page needs --job KEY");
        if (!req.level) return Fail(err, "the skill page needs --level N");
        WriteFace(SkillRows(*req.job, *req.level, files), format, out);
        return 0;
    }

    const ScheduleMoment m =
        req.at ? ScheduleMomentAt(*req.at, SystemBiasAt(*req.at)) : CurrentScheduleMoment();
    std::vector<FaceRow> rows;
    if (req.page == "ships") rows = ShipRows(m);
    else if (req.page == "guilds") rows = GuildRows(m);
    else if (req.page == "racial") rows = RacialRows(m, req.race);
    else if (req.page == "calendar") rows = CalendarRows(m, req.entries.value_or(CalendarEntries{}), files);
    else if (req.page == "moon") rows = MoonRows(m);
    else rows = ChocoboRows(m, req.town);
    WriteFace(rows, format, out);
    return 0;
}

}  // namespace norvane
