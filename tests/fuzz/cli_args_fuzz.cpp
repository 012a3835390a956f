// The command line of the text faces: any arguments a user or a script passes.
// The input is the arguments separated by NUL bytes. A bad argument gets exactly
// one plain line on standard error and status 2; an accepted command prints and
// ends 0; the same arguments always give the same answer, and an accepted instant
// written in its plain form prints the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "core/cli/cli.h"
#include "core/cli/clock_face.h"
#include "core/time/earth_time.h"
#include "fuzz_check.h"
#include "platform/os_clock.h"
#include "platform/single_instance.h"

namespace {

// A fixed moment, so that "now" answers the same on every run.
class FixedClock final : public norvane::OsClock {
public:
    norvane::EarthTime utcNow() const override { return {2026, 3, 14, 15, 30, 12, 345}; }
    norvane::EarthTime localNow() const override { return {2026, 3, 15, 0, 30, 12, 345}; }
    int localBias() const override { return -540; }
    std::uint32_t tickCount() const override { return 1000; }
};

struct Answer {
    int status = -1;
    std::string out, err;
    bool operator==(const Answer&) const = default;
};

// Following the clock ends after its first line instead of running on.
class StopAtOnce final : public norvane::FollowSleeper {
public:
    bool Sleep(std::int64_t) override { return false; }
};

Answer Run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Answer a;
    StopAtOnce sleeper;
    a.status = norvane::RunCommandLine(args, out, err, sleeper);
    a.out = out.str();
    a.err = err.str();
    return a;
}

// One line of valid UTF-8 without control characters but its end.
bool IsPlainLine(const std::string& s) {
    if (s.empty() || s.back() != '\n') return false;
    const QByteArray bytes(s.data(), static_cast<qsizetype>(s.size()));
    if (QString::fromUtf8(bytes).toUtf8() != bytes) return false;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7f) return false;
    }
    return true;
}

std::string PlainInstant(const norvane::EarthTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static FixedClock clock;
    static norvane::ScopedOsClock use(clock);
    // --post must never reach a copy of the program that really runs.
    static QTemporaryDir runtime;
    qputenv("NORVANE_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args{"norvane"};
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    args.push_back(current);
    if (args.size() > 9 || !norvane::IsCommandLineRequest(args)) return 0;
    // The time commands reach the network and the PC clock: never from here.
    if (args[1] == "--check-time" || args[1] == "--sync") return 0;
    // Sending a message waits for a running copy; its name check is fuzzed elsewhere.
    if (args[1] == "--post" && args.size() == 3 && norvane::AppMessageFromName(args[2])) return 0;

    const Answer first = Run(args);
    FUZZ_CHECK(first.status == 0 || first.status == 2, "an exit status other than 0 or 2");
    if (first.status == 2) {
        FUZZ_CHECK(first.out.empty(), "a refused command printed output");
        FUZZ_CHECK(first.err.rfind("norvane: ", 0) == 0, "an error does not say who speaks");
        FUZZ_CHECK(IsPlainLine(first.err), "an error is not one plain line");
    } else {
        FUZZ_CHECK(first.err.empty(), "an accepted command wrote to standard error");
        FUZZ_CHECK(!first.out.empty() && first.out.back() == '\n', "an accepted command printed no whole line");
    }
    FUZZ_CHECK(Run(args) == first, "the same arguments gave another answer");

    if (first.status != 0) return 0;
    std::vector<std::string> plain = args;
    for (std::size_t i = 2; i < plain.size(); ++i) {
        const bool instant = (plain[1] == "--print-time" && plain[i].rfind("--", 0) != 0 && plain[i - 1] != "--format") ||
                             (plain[1] == "--print" && plain[i - 1] == "--at");
        if (!instant) continue;
        const auto t = norvane::ParseIsoUtc(plain[i]);
        FUZZ_CHECK(t.has_value(), "an accepted instant does not parse");
        plain[i] = PlainInstant(*t);
    }
    FUZZ_CHECK(Run(plain) == first, "an accepted instant in its plain form gives another answer");
    return 0;
}
