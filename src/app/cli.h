#pragma once
// The command-line faces of the program, which need no display.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/os_clock.h"

namespace norvane {

// Parses "YYYY-MM-DDThh:mm:ss[.fff]Z" (or "+00:00"); fractional seconds are
// dropped like the PC clock's milliseconds.
std::optional<EarthTime> ParseIsoUtc(const std::string& text);

// True when the arguments ask for a command-line face rather than the window.
bool IsCommandLineRequest(const std::vector<std::string>& args);

// Runs a command-line face; returns the exit status (2 for a bad argument).
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvane
