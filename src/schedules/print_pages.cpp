#include "schedules/print_pages.h"

#include <ostream>

namespace norvane {

int RunPrintCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    err << "norvane: --print " << (args.size() > 2 ? args[2] : std::string()) << ": no such page\n";
    return 2;
}

}  // namespace norvane
