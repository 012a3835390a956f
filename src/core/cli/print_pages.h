#pragma once
// Text face of the schedule pages, for terminals, status bars and scripts:
//   norvane --print ships|guilds|racial|chocobo [--at INSTANT] [--race N] [--town N]
// One line per row, fields separated by one tab, exactly as the page labels read.
#include <iosfwd>
#include <string>
#include <vector>

namespace norvane {

// args[0] is the program, args[1] "--print". Returns the exit status: 0, or 2
// after a one-line message on `err` for a bad page name, instant or index.
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace norvane
