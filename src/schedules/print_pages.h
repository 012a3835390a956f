#pragma once
// Text face of the schedule pages: `norvane --print PAGE [--at INSTANT] ...`.
#include <iosfwd>
#include <string>
#include <vector>

namespace norvane {

// args[0] is the program, args[1] "--print". Returns the exit status.
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvane
