#include "core/cli/cli.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <ostream>

#include "core/cli/clock_face.h"
#include "core/cli/face_rows.h"
#include "core/cli/print_pages.h"
#include "core/cli/time_commands.h"
#include "core/time/build_info.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"
#include "platform/single_instance.h"

namespace norvane {
namespace {

const char* const kUsage =
    "Usage: norvane [/s]                 start the clock window (/s: simple mode)\n"
    "       norvane --print-time [INSTANT | --follow] [--format text|json]\n"
    "                                    print the Vana'diel time now or at INSTANT\n"
    "                                    (ISO 8601 UTC, e.g. 2003-12-01T09:00:01Z);\n"
    "                                    --follow: one line each time it changes, until\n"
    "                                    interrupted or the output closes\n"
    "       norvane --to-earth \"YYYY/MM/DD hh:mm:ss\"\n"
    "                                    print the local Earth time of a Vana'diel moment\n"
    "       norvane --print ships|guilds|racial|chocobo [--at INSTANT] [--race N] [--town N]\n"
    "                                    print a schedule page as text\n"
    "       norvane --print skill --job KEY --level N\n"
    "                                    print the skill caps of a job (war ... smn) at level 1-75\n"
    "       norvane --print calendar [--at INSTANT] [--entries LIST]\n"
    "                                    print the 84-day calendar; LIST: comma-separated\n"
    "                                    ballista,racial,tavern (default all, empty none)\n"
    "       norvane --print moon [--at INSTANT]\n"
    "                                    print when each of the next 12 moon phases begins\n"
    "       --format json                (with --print or --print-time) one JSON array of\n"
    "                                    rows: the same texts, ISO 8601 instants, seconds\n"
    "                                    left and #RRGGBB colours\n"
    "       norvane --check-time [SERVER]\n"
    "                                    ask the time server once and print its offset;\n"
    "                                    never sets the clock (SERVER: HOST, HOST:PORT or\n"
    "                                    [IPv6]:PORT; default: the stored time server)\n"
    "       norvane --sync [SERVER]      set the PC clock from the time server\n"
    "       norvane --post NAME          send a window message to the running copy\n"
    "       norvane --help | --version\n";

constexpr std::size_t kShownBytes = 60;

// The length of the well-formed UTF-8 sequence at s[i], or 0 when there is none
// (overlong forms and surrogates are not well-formed).
std::size_t Utf8Length(const std::string& s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) return 1;
    const std::size_t n = b >= 0xc2 && b < 0xe0 ? 2 : b >= 0xe0 && b < 0xf0 ? 3 : b >= 0xf0 && b < 0xf5 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    const unsigned char low = b == 0xe0 ? 0xa0 : b == 0xf0 ? 0x90 : 0x80;
    const unsigned char high = b == 0xed ? 0x9f : b == 0xf4 ? 0x8f : 0xbf;
    if (second < low || second > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xc0) != 0x80) return 0;
    return n;
}

// Digits from s[i], between `least` and `most` of them, into `out`.
bool ReadNumber(const std::string& s, std::size_t& i, std::size_t least, std::size_t most, int& out) {
    std::size_t n = 0;
    out = 0;
    while (i < s.size() && n < most && std::isdigit(static_cast<unsigned char>(s[i]))) {
        out = out * 10 + (s[i++] - '0');
        ++n;
    }
    return n >= least && !(i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])));
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// "YYYY/MM/DD hh:mm:ss" with up to 6 year digits and 4 of the others, blanks
// around; fields may be out of range (day 31).
bool ParseGameMoment(const std::string& s, int (&f)[6]) {
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;
    const char separators[6] = {'/', '/', ' ', ':', ':', '\0'};
    for (int k = 0; k < 6; ++k) {
        if (!ReadNumber(s, i, 1, k == 0 ? 6 : 4, f[k])) return false;
        if (separators[k] == ' ') {
            if (i >= s.size() || !IsSpace(s[i])) return false;
            while (i < s.size() && IsSpace(s[i])) ++i;
        } else if (separators[k] != '\0') {
            if (i >= s.size() || s[i] != separators[k]) return false;
            ++i;
        }
    }
    while (i < s.size() && IsSpace(s[i])) ++i;
    return i == s.size();
}

int BadArgument(std::ostream& err, const std::string& what) {
    err << "norvane: " << what << " (see --help)\n";
    return 2;
}

// --print-time [INSTANT] [--follow] [--format text|json], in any order.
int PrintTime(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, FollowSleeper& sleeper) {
    std::optional<EarthTime> instant;
    std::optional<FaceFormat> format;
    bool follow = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--follow") {
            if (follow) return BadArgument(err, "--follow given twice");
            follow = true;
        } else if (arg == "--format") {
            if (format) return BadArgument(err, "--format given twice");
            if (i + 1 >= args.size()) return BadArgument(err, "--format needs text or json");
            format = ParseFaceFormat(args[++i]);
            if (!format) return BadArgument(err, "format must be text or json: " + ShownArgument(args[i]));
        } else if (!instant && arg.rfind("--", 0) != 0) {
            instant = ParseIsoUtc(arg);
            if (!instant) return BadArgument(err, "not an ISO 8601 UTC instant: " + ShownArgument(arg));
        } else {
            return BadArgument(err, "unexpected argument: " + ShownArgument(arg));
        }
    }
    if (follow && instant) return BadArgument(err, "--follow follows the clock and takes no instant");
    if (follow) return FollowClock(osClock(), sleeper, format.value_or(FaceFormat::Text), out);
    const EarthTime utc = instant ? *instant : osClock().utcNow();
    const int bias = instant ? SystemBiasAt(*instant) : osClock().localBias();
    WriteFace({ClockRow(utc, bias)}, format.value_or(FaceFormat::Text), out);
    return 0;
}

int ToEarth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3) return BadArgument(err, "--to-earth needs one \"YYYY/MM/DD hh:mm:ss\" argument");
    int f[6];
    if (!ParseGameMoment(args[2], f)) return BadArgument(err, "not a game date and time: " + ShownArgument(args[2]));
    out << FormatEarthTime(VanaToEarth(f[0], f[1], f[2], f[3], f[4], f[5])) << '\n';
    return 0;
}

}  // namespace

bool IsCommandLineRequest(const std::vector<std::string>& args) {
    return args.size() > 1 && args[1].rfind("--", 0) == 0;
}

bool IsFollowRequest(const std::vector<std::string>& args) {
    if (args.size() < 3 || args[1] != "--print-time") return false;
    for (std::size_t i = 2; i < args.size(); ++i)
        if (args[i] == "--follow") return true;
    return false;
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    WakeableSleeper sleeper;
    return RunCommandLine(args, out, err, sleeper);
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   FollowSleeper& sleeper) {
    if (args.size() < 2) return BadArgument(err, "no command given");
    const std::string& cmd = args[1];
    if (cmd == "--help" || cmd == "-h") {
        out << kUsage;
        return 0;
    }
    if (cmd == "--version") {
        out << "Norvane " << ProgramBuildInfo().version << '\n';
        return 0;
    }
    if (cmd == "--print-time") return PrintTime(args, out, err, sleeper);
    if (cmd == "--to-earth") return ToEarth(args, out, err);
    if (cmd == "--print") return RunPrintCommand(args, out, err);
    if (cmd == "--check-time") return RunCheckTimeCommand(args, out, err);
    if (cmd == "--sync") return RunSyncCommand(args, out, err);
    if (cmd == "--post") {
        if (args.size() != 3) return BadArgument(err, "--post needs one message name");
        if (!AppMessageFromName(args[2])) return BadArgument(err, "unknown message: " + ShownArgument(args[2]));
        return PostMessageCommand(args[2], err);
    }
    return BadArgument(err, "unknown argument: " + ShownArgument(cmd));
}

std::string ShownArgument(const std::string& arg) {
    std::string shown;
    std::size_t i = 0;
    while (i < arg.size() && shown.size() < kShownBytes) {
        const std::size_t n = Utf8Length(arg, i);
        const auto b = static_cast<unsigned char>(arg[i]);
        // C1 controls (U+0080..U+009F) are terminal controls too.
        const bool c1 = n == 2 && b == 0xc2 && static_cast<unsigned char>(arg[i + 1]) < 0xa0;
        if (n == 1 && b >= 0x20 && b != 0x7f) {
            shown += arg[i];
        } else if (n > 1 && !c1) {
            shown.append(arg, i, n);
        } else {
            const char* named = b == '\n' ? "\\n" : b == '\t' ? "\\t" : b == '\r' ? "\\r" : nullptr;
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", b);
            shown += named ? named : hex;
            if (c1) {
                std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(arg[i + 1]));
                shown += hex;
            }
        }
        i += std::max<std::size_t>(n, c1 ? 2 : 1);
    }
    if (i < arg.size()) shown += "...";
    return shown;
}

}  // namespace norvane
