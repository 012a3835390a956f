// Process entry.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "clock/vanatime.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv, argv + argc);
    if (norvane::IsCommandLineRequest(args)) return norvane::RunCommandLine(args, std::cout, std::cerr);
    std::string text;
    norvane::GetVanaTime(text);
    std::cout << text << '\n';
    return 0;
}
