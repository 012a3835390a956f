#include "app/cli.h"

#include <charconv>
#include <cstdio>
#include <ostream>
#include <regex>

#include "buildinfo.h"
#include "clock/earth_time.h"
#include "clock/vanatime.h"
#include "platform/single_instance.h"
#include "schedules/print_pages.h"

namespace norvane {
namespace {

const char* const kUsage =
    "Usage: norvane [/s]                 start the clock window (/s: simple mode)\n"
    "       norvane --print-time [INSTANT]\n"
    "                                    print the Vana'diel time now or at INSTANT\n"
    "                                    (ISO 8601 UTC, e.g. 2003-12-01T09:00:01Z)\n"
    "       norvane --to-earth \"YYYY/MM/DD hh:mm:ss\"\n"
    "                                    print the local Earth time of a Vana'diel moment\n"
    "       norvane --print ships|guilds|racial|chocobo [--at INSTANT] [--race N] [--town N]\n"
    "                                    print a schedule page as text\n"
    "       norvane --post NAME          send a window message to the running copy\n"
    "       norvane --help | --version\n";

bool ParseInt(const std::string& s, std::size_t pos, std::size_t len, int& out) {
    if (pos + len > s.size()) return false;
    const char* b = s.data() + pos;
    for (std::size_t i = 0; i < len; ++i)
        if (b[i] < '0' || b[i] > '9') return false;
    auto [p, ec] = std::from_chars(b, b + len, out);
    return ec == std::errc() && p == b + len;
}

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

int BadArgument(std::ostream& err, const std::string& what) {
    err << "norvane: " << what << " (see --help)\n";
    return 2;
}

int PrintTime(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 3) return BadArgument(err, "unexpected argument: " + args[3]);
    VanaDateTime d;
    if (args.size() == 3) {
        auto instant = ParseIsoUtc(args[2]);
        if (!instant) return BadArgument(err, "not an ISO 8601 UTC instant: " + args[2]);
        d = VanaTimeAt(*instant);
    } else {
        d = GetVanaTime();
    }
    out << VanaTimeText(d) << '\n';
    return 0;
}

int ToEarth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3) return BadArgument(err, "--to-earth needs one \"YYYY/MM/DD hh:mm:ss\" argument");
    // Fields may be out of range (day 31): the conversion is linear in game seconds.
    static const std::regex kForm(R"(^\s*(\d{1,6})/(\d{1,4})/(\d{1,4})\s+(\d{1,4}):(\d{1,4}):(\d{1,4})\s*$)");
    std::smatch m;
    if (!std::regex_match(args[2], m, kForm)) return BadArgument(err, "not a game date and time: " + args[2]);
    int f[6];
    for (int i = 0; i < 6; ++i) f[i] = std::stoi(m[i + 1].str());
    out << FormatEarthTime(VanaToEarth(f[0], f[1], f[2], f[3], f[4], f[5])) << '\n';
    return 0;
}

}  // namespace

std::optional<EarthTime> ParseIsoUtc(const std::string& s) {
    EarthTime t;
    if (s.size() < 20 || s[4] != '-' || s[7] != '-' || (s[10] != 'T' && s[10] != 't') ||
        s[13] != ':' || s[16] != ':')
        return std::nullopt;
    if (!ParseInt(s, 0, 4, t.year) || !ParseInt(s, 5, 2, t.month) || !ParseInt(s, 8, 2, t.day) ||
        !ParseInt(s, 11, 2, t.hour) || !ParseInt(s, 14, 2, t.minute) || !ParseInt(s, 17, 2, t.second))
        return std::nullopt;
    std::size_t i = 19;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        ++i;
        std::size_t digits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
        if (digits == 0) return std::nullopt;
    }
    std::string zone = s.substr(i);
    if (zone != "Z" && zone != "z" && zone != "+00:00" && zone != "-00:00") return std::nullopt;
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month) ||
        t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

bool IsCommandLineRequest(const std::vector<std::string>& args) {
    return args.size() > 1 && args[1].rfind("--", 0) == 0;
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2) return BadArgument(err, "no command given");
    const std::string& cmd = args[1];
    if (cmd == "--help" || cmd == "-h") {
        out << kUsage;
        return 0;
    }
    if (cmd == "--version") {
        out << "Norvane " << buildinfo::kProductVersion << '\n';
        return 0;
    }
    if (cmd == "--print-time") return PrintTime(args, out, err);
    if (cmd == "--to-earth") return ToEarth(args, out, err);
    if (cmd == "--print") return RunPrintCommand(args, out, err);
    if (cmd == "--post")
        return args.size() == 3 ? PostMessageCommand(args[2], err) : BadArgument(err, "--post needs one message name");
    return BadArgument(err, "unknown argument: " + cmd);
}

}  // namespace norvane
