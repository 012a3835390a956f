#pragma once
// The command-line faces of the program, which need no display.
#include <iosfwd>
#include <string>
#include <vector>

namespace norvane {

// True when the arguments ask for a command-line face rather than the window.
bool IsCommandLineRequest(const std::vector<std::string>& args);

// Runs a command-line face; returns the exit status (2 for a bad argument).
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvane
