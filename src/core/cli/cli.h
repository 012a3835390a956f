#pragma once
// The command-line faces of the program, which need no display.
#include <iosfwd>
#include <string>
#include <vector>

namespace norvane {

// True when the arguments ask for a command-line face rather than the window.
bool IsCommandLineRequest(const std::vector<std::string>& args);

class FollowSleeper;

// True when the arguments ask to follow the clock (--print-time --follow): the
// face then runs until its sleeper is stopped or its output closes.
bool IsFollowRequest(const std::vector<std::string>& args);

// Runs a command-line face; returns the exit status (2 for a bad argument).
// A following face waits with `sleeper`; without one, with a sleeper nothing stops.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   FollowSleeper& sleeper);

// An argument as an error message shows it: control characters written as
// escapes (a bad argument must not break the message's line or drive the
// terminal), and a long one cut short.
std::string ShownArgument(const std::string& arg);

}  // namespace norvane
