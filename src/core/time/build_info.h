#pragma once
// What the program says of itself (the version dialog, the web and update
// commands, `norvane --version`), fixed when it is built.
#include <string>

namespace norvane {

struct BuildInfo {
    std::string product;    // the program's title, "Norvane - Vana'diel clock"
    std::string version;    // "1.0.0"
    std::string copyright;  // "Copyright (C) ..."
    std::string website;    // the maker's web address
};

// This program's record, from the build's configuration.
const BuildInfo& ProgramBuildInfo();

}  // namespace norvane
