#pragma once
// What the version dialog shows, and what the web and update commands hand on:
// all taken from the program's build record.
#include <string>
#include <vector>

#include "core/time/build_info.h"

namespace norvane {

// The dialog's texts. An empty record leaves them empty ("Version " alone on
// the version line).
struct VersionTexts {
    std::string title;      // the product
    std::string version;    // "Version " + the version
    std::string copyright;
    std::string address;    // the maker's web address
};
VersionTexts ComputeVersionTexts(const BuildInfo& info);

// The page the web command opens: the program's own web address.
std::string WebPageAddress();

// The update program beside the executable in `folder` (ending in '/').
std::string UpdateProgramPath(const std::string& folder);

// Its arguments: "/u:" + the main window's left edge (negative with its minus
// sign) and "/v:" + the product version.
std::vector<std::string> UpdateArguments(int windowLeft, const std::string& productVersion);

}  // namespace norvane
