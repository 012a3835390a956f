#include "core/cli/cli.h"

#include <cstdio>
#include <ostream>
#include <regex>

#include "buildinfo.h"
#include "core/cli/print_pages.h"
#include "core/cli/time_commands.h"
#include "core/time/earth_time.h"
#include "core/time/vanatime.h"
#include "platform/single_instance.h"

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
    "       norvane --print skill --job KEY --level N\n"
    "                                    print the skill caps of a job (war ... smn) at level 1-75\n"
    "       norvane --print calendar [--at INSTANT] [--entries LIST]\n"
    "                                    print the 84-day calendar; LIST: comma-separated\n"
    "                                    ballista,racial,tavern (default all, empty none)\n"
    "       norvane --check-time [SERVER]\n"
    "                                    ask the time server once and print its offset;\n"
    "                                    never sets the clock (SERVER: HOST, HOST:PORT or\n"
    "                                    [IPv6]:PORT; default: the stored time server)\n"
    "       norvane --sync [SERVER]      set the PC clock from the time server\n"
    "       norvane --post NAME          send a window message to the running copy\n"
    "       norvane --help | --version\n";

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
    if (cmd == "--check-time") return RunCheckTimeCommand(args, out, err);
    if (cmd == "--sync") return RunSyncCommand(args, out, err);
    if (cmd == "--post")
        return args.size() == 3 ? PostMessageCommand(args[2], err) : BadArgument(err, "--post needs one message name");
    return BadArgument(err, "unknown argument: " + cmd);
}

}  // namespace norvane
