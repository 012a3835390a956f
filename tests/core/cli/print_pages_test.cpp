#include "core/cli/print_pages.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/cli/cli.h"
#include "core/settings/test_files.h"
#include "core/time/earth_time.h"
#include "core/time/support.h"
#include "core/time/vanatime.h"
#include "platform/os_clock.h"
#include "core/schedules/schedule_test_support.h"
#include "support/fake_os_clock.h"

namespace norvane {
namespace {

// Runs the print face under a POSIX time-zone rule, restoring the process zone afterwards.
class PrintPages : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = tz;
    }
    void TearDown() override {
        if (saved_) setenv("TZ", saved_->c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    static void Zone(const char* rule) {
        setenv("TZ", rule, 1);
        tzset();
    }

    struct Result {
        int status;
        std::vector<std::string> lines;
        std::string err;
    };
    static Result Print(std::vector<std::string> extra, const std::optional<PrintDataFiles>& files = {}) {
        std::vector<std::string> args{"norvane", "--print"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out, err;
        Result r;
        r.status = files ? RunPrintCommand(args, out, err, *files) : RunPrintCommand(args, out, err);
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) r.lines.push_back(line);
        r.err = err.str();
        return r;
    }
    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> f;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            f.push_back(line.substr(start, tab - start));
        f.push_back(line.substr(start));
        return f;
    }

private:
    std::optional<std::string> saved_;
};

constexpr const char* kBase = "2003-12-01T09:00:01Z";  // game 0934/08/04 18:00:00, a 雷 day

// The index of a full phase name, or -1.
int PhaseIndex(const std::string& name) {
    for (std::size_t i = 0; i < MoonPhaseNames.size(); ++i)
        if (MoonPhaseNames[i] == name) return static_cast<int>(i);
    return -1;
}

TEST_F(PrintPages, MoonPhaseStartsAreWhereTheClockTurnsItsPhase) {
    // The zone with daylight saving starts its summer during the listed days:
    // like every page, all rows keep the offset in force at the instant.
    const struct {
        const char* zone;
        const char* at;
        int bias;
    } cases[] = {
        {"JST-9", kBase, -540},
        {"JST-9", "2003-12-01T15:00:01Z", -540},  // exactly a phase start: it has begun
        {"JST-9", "2003-12-01T15:00:00Z", -540},  // one second before it
        {"EST5EDT,M3.2.0,M11.1.0", "2004-03-13T12:34:56Z", 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.at);
        Zone(c.zone);
        const auto r = Print({"moon", "--at", c.at});
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(r.lines.size(), 12u);
        const EarthTime at = *ParseIsoUtc(c.at);
        FakeOsClock clock;
        ScopedOsClock scoped(clock);
        clock.setUtc(at);
        int phase = GetVanaTime().Moon;
        std::int64_t previous = EarthSeconds(at);
        for (const std::string& line : r.lines) {
            const auto f = Fields(line);
            ASSERT_EQ(f.size(), 3u) << line;
            const std::int64_t start = EarthSeconds(testing::ParseShown(f[0])) + std::int64_t{c.bias} * 60;
            EXPECT_GT(start, previous) << line;
            previous = start;
            // One second before, the clock still shows the phase before; at the
            // printed second, this phase on its first day at 00:00:00.
            clock.setUtc(EarthTimeFromSeconds(start - 1));
            EXPECT_EQ(GetVanaTime().Moon, phase) << line;
            clock.setUtc(EarthTimeFromSeconds(start));
            const VanaDateTime d = GetVanaTime();
            phase = (phase + 1) % 12;
            EXPECT_EQ(d.Moon, phase) << line;
            EXPECT_EQ(PhaseIndex(f[1]), phase) << line;
            EXPECT_EQ(VanaTimeText(d).substr(0, 10), f[2]) << line;
            EXPECT_EQ(d.Hour * 3600 + d.Minute * 60 + d.Second, 0) << line;
        }
    }
    Zone("JST-9");
    EXPECT_EQ(Print({"moon", "--at", "2003-12-01T15:00:00Z"}).lines[0], "2003/12/02 00:00:01\t十日月\t0934/08/11");
}

// An ISO 8601 instant with its zone offset as UTC seconds; the local digits into `local`.
std::int64_t IsoUtcSeconds(const QJsonValue& value, EarthTime* local = nullptr) {
    const std::string s = value.toString().toStdString();
    EXPECT_EQ(s.size(), 25u) << s;
    if (s.size() != 25) return 0;
    EarthTime t = testing::ParseShown(s.substr(0, 4) + '/' + s.substr(5, 2) + '/' + s.substr(8, 2) + ' ' +
                                      s.substr(11, 8));
    if (local) *local = t;
    const int offset = (std::stoi(s.substr(20, 2)) * 60 + std::stoi(s.substr(23, 2))) * 60;
    return EarthSeconds(t) - (s[19] == '-' ? -offset : offset);
}

// "mm:ss" or "hh:mm:ss" as whole seconds.
std::int64_t ShownSeconds(const std::string& text) {
    std::int64_t total = 0;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        total = (total + std::stoll(text.substr(start, colon - start))) * 60;
    return total + std::stoll(text.substr(start));
}

TEST_F(PrintPages, JsonFacesHoldTheTextFacesRowsWithInstantsSecondsAndColours) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    testing_files::WriteBytes(dir.path() + "/ballista.ini", "[Card]\r\n04=1,99\r\n[Area1]\r\n08=2\r\n");
    const PrintDataFiles files{NORVANE_DATA_DIR "/skill.ini", (dir.path() + "/ballista.ini").toStdString()};
    using Check = std::function<void(const QJsonObject&, std::int64_t at)>;
    // The countdown of an object runs to its "until", shown one second longer
    // (a ship's "until" is the second the clock shows the event, counted to
    // exactly); its text shows secondsLeft.
    auto countdown = [](const char* text, int longer = 1) {
        return [text, longer](const QJsonObject& o, std::int64_t at) {
            EXPECT_EQ(ShownSeconds(o[text].toString().toStdString()), o["secondsLeft"].toInteger());
            EXPECT_EQ(IsoUtcSeconds(o["until"]) - at + longer, o["secondsLeft"].toInteger());
        };
    };
    auto period = [](const QJsonObject& o, std::int64_t) {
        EarthTime start, end;
        IsoUtcSeconds(o["start"], &start);
        IsoUtcSeconds(o["end"], &end);
        EXPECT_EQ(o["period"].toString().toStdString(), FormatEarthTime(start) + " ~ " + FormatEarthTime(end));
    };
    const struct Face {
        std::vector<std::string> args;
        std::vector<std::string> texts;      // the tab-separated fields' names, in order
        Check check;                         // on each of those rows
        std::vector<std::string> listTexts;  // the rows after an upper one, if any
        Check listCheck;
    } faces[] = {
        {{"--print-time", kBase},
         {"text"},
         [](const QJsonObject& o, std::int64_t at) {
             EXPECT_EQ(IsoUtcSeconds(o["earth"]), at);
             EXPECT_EQ(o["weekday"].toInt(), 5);
             EXPECT_EQ(o["moonName"].toString(), "上弦の月");
         }},
        {{"--print", "ships", "--at", kBase},
         {"origin", "destination", "arriveOrigin.time", "arriveOrigin.countdown", "depart.time", "depart.countdown",
          "arriveDestination.time", "arriveDestination.countdown"},
         [countdown](const QJsonObject& o, std::int64_t at) {
             for (const char* column : {"arriveOrigin", "depart", "arriveDestination"}) {
                 const QJsonObject c = o[column].toObject();
                 countdown("countdown", 0)(c, at);
                 const auto left = c["secondsLeft"].toInteger();
                 EXPECT_EQ(c["colour"].toString(),
                           left < 60 ? "#FF1000" : left < 180 ? "#FF6000" : left < 300 ? "#FF8000" : "#000000");
             }
         }},
        {{"--print", "guilds", "--at", kBase},
         {"name", "state", "hours", "timeLeft", "location"},
         [countdown](const QJsonObject& o, std::int64_t at) {
             countdown("timeLeft")(o, at);
             const bool open = o["status"].toString() == "open";
             EXPECT_EQ(o["stateColour"].toString(), open ? "#0000C0" : "#FF4000");
         }},
        {{"--print", "racial", "--race", "2", "--at", kBase},
         {"race", "dungeon", "timeLeft"},
         countdown("timeLeft"),
         {"dungeon", "period"},
         period},
        {{"--print", "chocobo", "--town", "3", "--at", kBase},
         {"from.sandoria", "from.bastok", "from.windurst", "from.kazham", "timeLeft"},
         countdown("timeLeft"),
         {"destination", "period"},
         period},
        {{"--print", "skill", "--job", "war", "--level", "75"},
         {"skill", "value"},
         [](const QJsonObject& o, std::int64_t) {
             const std::string value = o["value"].toString().toStdString();
             if (value == "-") {
                 EXPECT_TRUE(o["cap"].isNull() && o["grade"].isNull());
                 EXPECT_EQ(o["colour"].toString(), "#808080");
             } else {
                 EXPECT_EQ(value.substr(value.rfind(' ') + 1), std::to_string(o["cap"].toInt()));
                 EXPECT_EQ(value.rfind(o["grade"].toString().toStdString(), 0), 0u) << value;
             }
         }},
        {{"--print", "calendar", "--at", kBase},
         {"earth", "game", "moon", "schedule"},
         [](const QJsonObject& o, std::int64_t) {
             EarthTime start;
             IsoUtcSeconds(o["start"], &start);
             const std::string earth = o["earth"].toString().toStdString();
             EXPECT_EQ(earth.substr(earth.size() - 5), FormatEarthTime(start).substr(11, 5));
             const std::string game = o["game"].toString().toStdString();
             EXPECT_EQ(o["date"].toString().toStdString().substr(10 - game.size()), game);
             EXPECT_EQ(o["ballista"].isNull(), !o["schedule"].toString().contains(QString::fromUtf8("無制限")));
         }},
        {{"--print", "moon", "--at", kBase},
         {"earth", "phase", "game"},
         [](const QJsonObject& o, std::int64_t at) {
             EarthTime start;
             EXPECT_EQ(IsoUtcSeconds(o["start"], &start) - at, o["secondsLeft"].toInteger());
             EXPECT_EQ(FormatEarthTime(start), o["earth"].toString().toStdString());
             EXPECT_EQ(PhaseIndex(o["phase"].toString().toStdString()), o["phaseIndex"].toInt());
         }},
    };
    for (const char* zone : {"JST-9", "EST5"}) {
        Zone(zone);
        for (const Face& face : faces) {
            SCOPED_TRACE(std::string(zone) + " " + face.args[1]);
            std::vector<std::string> args{"norvane"};
            args.insert(args.end(), face.args.begin(), face.args.end());
            std::ostringstream text, json, err;
            auto run = [&](std::ostream& out) {
                return args[1] == "--print" ? RunPrintCommand(args, out, err, files) : RunCommandLine(args, out, err);
            };
            ASSERT_EQ(run(text), 0) << err.str();
            args.insert(args.end(), {"--format", "json"});
            ASSERT_EQ(run(json), 0) << err.str();
            // One line of JSON: an array of one object per line of text.
            ASSERT_EQ(json.str().find('\n'), json.str().size() - 1);
            QJsonParseError error;
            const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.str()), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
            const QJsonArray rows = doc.array();
            std::istringstream lines(text.str());
            std::size_t n = 0;
            for (std::string line; std::getline(lines, line); ++n) {
                ASSERT_LT(n, static_cast<std::size_t>(rows.size()));
                const QJsonObject o = rows[static_cast<qsizetype>(n)].toObject();
                const bool list = n > 0 && !face.listTexts.empty();
                const auto& names = list ? face.listTexts : face.texts;
                const auto fields = Fields(line);
                ASSERT_EQ(fields.size(), names.size()) << line;
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    const std::string& name = names[i];
                    const std::size_t dot = name.find('.');
                    const QJsonValue v = dot == std::string::npos
                                             ? o[QString::fromStdString(name)]
                                             : o[QString::fromStdString(name.substr(0, dot))]
                                                   .toObject()[QString::fromStdString(name.substr(dot + 1))];
                    EXPECT_EQ(v.toString().toStdString(), fields[i]) << name;
                }
                if (!face.listTexts.empty()) {
                    EXPECT_EQ(o["part"].toString(), list ? "schedule" : "now");
                }
                const Check& check = list ? face.listCheck : face.check;
                if (check) check(o, EarthSeconds(*ParseIsoUtc(kBase)));
            }
            EXPECT_EQ(n, static_cast<std::size_t>(rows.size()));
            EXPECT_GT(n, 0u);
        }
    }
}

TEST_F(PrintPages, ShipsAtAKnownInstant) {
    Zone("JST-9");
    auto r = Print({"ships", "--at", kBase});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 9u);
    for (const auto& line : r.lines) EXPECT_EQ(Fields(line).size(), 8u) << line;
    EXPECT_EQ(r.lines[0], "ジュノから\t→ サンドリアへ\t 18:12着\t00:29\t 19:13発\t02:56\t 21:12着\t07:41");
    EXPECT_EQ(r.lines[8], "セルビナ ─\tマウラ航路\t 22:40着\t11:12\t 00:00発\t14:24\t 22:40着\t11:12");
    EXPECT_TRUE(r.err.empty());
}

TEST_F(PrintPages, GuildsAtAKnownInstant) {
    Zone("UTC0");
    auto r = Print({"guilds", "--at", kBase});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 13u);
    for (const auto& line : r.lines) EXPECT_EQ(Fields(line).size(), 5u) << line;
    EXPECT_EQ(r.lines[0], "漁師ギルド\t( 定休日 )\t03:00~18:00\t21:37\tウィン港(C8), セルビナ(H9)");
    EXPECT_EQ(r.lines[2], "木工ギルド\t( 営業中 )\t06:00~21:00\t07:13\t北サンド(E3)");
}

TEST_F(PrintPages, RacialWithAndWithoutARace) {
    Zone("JST-9");
    auto upper = Print({"racial", "--at", kBase});
    ASSERT_EQ(upper.status, 0) << upper.err;
    ASSERT_EQ(upper.lines.size(), 1u);
    EXPECT_EQ(upper.lines[0], "エルヴァーン♂\tシャクラミの迷宮\t02:09:36");
    auto list = Print({"racial", "--race", "2", "--at", kBase});
    ASSERT_EQ(list.lines.size(), 11u);
    for (std::size_t i = 1; i < list.lines.size(); ++i) EXPECT_EQ(Fields(list.lines[i]).size(), 2u);
    EXPECT_EQ(list.lines[1], "シャクラミの迷宮\t2003/12/01 12:28:49 ~ 2003/12/01 20:09:36");
}

TEST_F(PrintPages, ChocoboWithAndWithoutATown) {
    Zone("JST-9");
    auto upper = Print({"chocobo", "--at", kBase});
    ASSERT_EQ(upper.status, 0) << upper.err;
    ASSERT_EQ(upper.lines, std::vector<std::string>{"→ バス\t→ ウィン\t→ ジュノ\t→ ノーグ\t00:14:24"});
    auto list = Print({"chocobo", "--at", kBase, "--town", "3"});
    ASSERT_EQ(list.lines.size(), 11u);
    // An empty destination is an empty field.
    EXPECT_EQ(list.lines[1], "\t2003/12/01 18:14:25 ~ 2003/12/01 19:12:00");
    EXPECT_EQ(Fields(list.lines[3])[0], "→ ノーグ");
}

TEST_F(PrintPages, UsesTheZoneOffsetInForceAtTheInstant) {
    Zone("EST5EDT,M3.2.0,M11.1.0");
    // In January the zone is 5 hours behind UTC, in July 4.
    auto winter = Print({"chocobo", "--town", "0", "--at", "2004-01-15T12:00:00Z"});
    auto summer = Print({"chocobo", "--town", "0", "--at", "2004-07-15T12:00:00Z"});
    ASSERT_EQ(winter.status, 0);
    ASSERT_EQ(summer.status, 0);
    auto expectFirstRow = [](const std::string& line, const char* at, int bias) {
        auto d = VanaTimeAt(*ParseIsoUtc(at));
        EXPECT_EQ(line.substr(line.find('\t') + 1, 19),
                  FormatEarthTime(VanaToEarth(d.Year, d.Month, d.Day + 1, 0, 0, 0, bias)));
    };
    expectFirstRow(winter.lines[1], "2004-01-15T12:00:00Z", 300);
    expectFirstRow(summer.lines[1], "2004-07-15T12:00:00Z", 240);
}

TEST_F(PrintPages, WithoutAnInstantReadsTheProcessClock) {
    Zone("UTC0");  // must not matter: the process clock gives its own bias
    FakeOsClock clock;
    clock.setUtc(*ParseIsoUtc(kBase));
    clock.setBias(-540);
    ScopedOsClock scoped(clock);
    auto now = Print({"racial", "--race", "2"});
    Zone("JST-9");
    auto at = Print({"racial", "--race", "2", "--at", kBase});
    ASSERT_EQ(now.status, 0);
    EXPECT_EQ(now.lines, at.lines);
}

TEST_F(PrintPages, ReachedFromTheCommandLine) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"norvane", "--print", "guilds", "--at", kBase}, out, err), 0);
    EXPECT_NE(out.str().find("ノーグ店"), std::string::npos);
}

TEST_F(PrintPages, SkillCapsOfAJobFromTheShippedFile) {
    const PrintDataFiles shipped{NORVANE_DATA_DIR "/skill.ini", NORVANE_DATA_DIR "/ballista.ini"};
    auto r = Print({"skill", "--job", "war", "--level", "75"}, shipped);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 30u);
    for (const auto& line : r.lines) EXPECT_EQ(Fields(line).size(), 2u) << line;
    EXPECT_EQ(r.lines[0], "格闘\tD    210");
    EXPECT_EQ(r.lines[4], "片手斧\tA-   269");
    EXPECT_EQ(r.lines[29], "召喚魔法\t-");
    EXPECT_EQ(Print({"skill", "--level", "1", "--job", "smn"}, shipped).lines[29], "召喚魔法\tA-   6");
    // Without its data file every slot has no cap.
    auto none = Print({"skill", "--job", "war", "--level", "75"}, {{"/no/such/skill.ini", ""}});
    ASSERT_EQ(none.lines.size(), 30u);
    EXPECT_EQ(none.lines[4], "片手斧\t-");
    // The window and the text face read the files beside the program.
    EXPECT_EQ(DataFilesBesideProgram().skillIni, SkillIniPath(ProgramPath()));
    EXPECT_EQ(DataFilesBesideProgram().ballistaIni, BallistaIniPath(ProgramPath()));
}

TEST_F(PrintPages, CalendarWithChosenEntries) {
    Zone("UTC0");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    testing_files::WriteBytes(dir.path() + "/ballista.ini", "[Card]\r\n04=1,99\r\n[Area1]\r\n08=2\r\n");
    const PrintDataFiles files{"", (dir.path() + "/ballista.ini").toStdString()};
    auto tavern = Print({"calendar", "--at", kBase, "--entries", "tavern"}, files);
    ASSERT_EQ(tavern.status, 0) << tavern.err;
    ASSERT_EQ(tavern.lines.size(), 84u);
    for (const auto& line : tavern.lines) EXPECT_EQ(Fields(line).size(), 4u) << line;
    EXPECT_EQ(tavern.lines[0], "12/01(月) 08:16\t0934/08/04\t上弦\t酒場：ヒューム");
    EXPECT_EQ(tavern.lines[4], "12/01(月) 12:07\t08/08\t\t酒場：ガルカ");  // the 12 o'clock row
    auto all = Print({"calendar", "--at", kBase}, files);
    EXPECT_EQ(Fields(all.lines[0])[3], "無制限 パシュハウ,  エルヴァーン♂＠シャクラミの迷宮,  酒場：ヒューム");
    EXPECT_EQ(Print({"calendar", "--entries", "racial,ballista", "--at", kBase}, files).lines[0],
              "12/01(月) 08:16\t0934/08/04\t上弦\t無制限 パシュハウ,  エルヴァーン♂＠シャクラミの迷宮");
    auto none = Print({"calendar", "--at", kBase, "--entries", ""}, files);
    ASSERT_EQ(none.lines.size(), 84u);
    for (const auto& line : none.lines) EXPECT_EQ(Fields(line)[3], "") << line;
}

TEST_F(PrintPages, BadArgumentsFailWithStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"ship"},
        {"Ships"},
        {"ships", "--at"},
        {"ships", "--at", "2003-12-01 09:00:01"},
        {"ships", "--at", "2003-02-30T00:00:00Z"},
        {"ships", "--at", kBase, "--at", kBase},
        {"ships", "--race", "1"},
        {"racial", "--race", "8"},
        {"racial", "--race", "-1"},
        {"racial", "--race", "x"},
        {"racial", "--race", "01"},
        {"racial", "--race", "1", "--race", "2"},
        {"chocobo", "--town", "4"},
        {"chocobo", "--town", ""},
        {"chocobo", "--race", "1"},
        {"guilds", "--verbose", "1"},
        {"guilds", "extra"},
        {"skill"},
        {"skill", "--job", "war"},
        {"skill", "--level", "75"},
        {"skill", "--job", "WAR", "--level", "75"},
        {"skill", "--job", "warrior", "--level", "75"},
        {"skill", "--job", "war", "--level", "0"},
        {"skill", "--job", "war", "--level", "76"},
        {"skill", "--job", "war", "--level", "7a"},
        {"skill", "--job", "war", "--level", "+7"},
        {"skill", "--job", "war", "--level", ""},
        {"skill", "--job", "war", "--job", "mnk", "--level", "1"},
        {"skill", "--job", "war", "--level", "1", "--at", kBase},
        {"calendar", "--job", "war"},
        {"calendar", "--entries", "foo"},
        {"calendar", "--entries", "Ballista"},
        {"calendar", "--entries", "ballista,"},
        {"calendar", "--entries", ","},
        {"calendar", "--entries", "ballista racial"},
        {"calendar", "--entries", "tavern", "--entries", "racial"},
        {"calendar", "--at", "tomorrow"},
        {"ships", "--entries", "tavern"},
        {"ships", "--format", "xml"},
        {"ships", "--format", "JSON"},
        {"moon", "--format"},
        {"moon", "--format", "json", "--format", "text"},
        {"moon", "--town", "1"},
        {"moons"},
    };
    for (const auto& args : bad) {
        auto r = Print(args);
        std::string shown;
        for (const auto& a : args) shown += a + ' ';
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_TRUE(r.lines.empty()) << shown;
        ASSERT_FALSE(r.err.empty()) << shown;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << shown;
    }
}

}  // namespace
}  // namespace norvane
