#pragma once
// Text face of the schedule pages, for terminals, status bars and scripts:
//   norvane --print ships|guilds|racial|chocobo [--at INSTANT] [--race N] [--town N]
//   norvane --print skill --job KEY --level N
//   norvane --print calendar [--at INSTANT] [--entries LIST]
//   norvane --print moon [--at INSTANT]
// One line per row, fields separated by one tab, exactly as the page labels read;
// with --format json one array of row objects holding the same texts and the
// instants (ISO 8601 with the zone offset), seconds left and colours (#RRGGBB).
#include <iosfwd>
#include <string>
#include <vector>

namespace norvane {

// The data files the skill and calendar pages read.
struct PrintDataFiles {
    std::string skillIni;
    std::string ballistaIni;
};
// The files beside the program, where the window finds them too.
PrintDataFiles DataFilesBesideProgram();

// args[0] is the program, args[1] "--print". Returns the exit status: 0, or 2
// after a one-line message on `err` for a bad page name, instant, index, job,
// level, entry name or format.
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const PrintDataFiles& files);

}  // namespace norvane
