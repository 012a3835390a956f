#pragma once
// What the version dialog shows, and what the web and update commands hand on:
// all read from a version-information record.
#include <optional>
#include <string>
#include <vector>

#include "core/time/support.h"

namespace norvane {

// The dialog's texts. A missing record leaves them empty ("Version " alone on
// the version line); a record without a translation table reads "UnKnown".
struct VersionTexts {
    std::string title;      // "FileDescription"
    std::string version;    // "Version " + "ProductVersion"
    std::string copyright;  // "LegalCopyright"
    std::string address;    // "CompanyName", which holds the maker's web address
};
VersionTexts ComputeVersionTexts(const std::optional<VersionRecord>& record);

// The page the web command opens: the program's own web address.
std::string WebPageAddress();

// The update program beside the executable in `folder` (ending in '/').
std::string UpdateProgramPath(const std::string& folder);

// Its arguments: "/u:" + the main window's left edge (negative with its minus
// sign) and "/v:" + the product version.
std::vector<std::string> UpdateArguments(int windowLeft, const std::string& productVersion);

}  // namespace norvane
