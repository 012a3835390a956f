#include "core/settings/version_info.h"

namespace norvane {

VersionTexts ComputeVersionTexts(const std::optional<VersionRecord>& record) {
    VersionTexts t;
    t.title = VersionStringOf(record, "FileDescription");
    t.version = "Version " + VersionStringOf(record, "ProductVersion");
    t.copyright = VersionStringOf(record, "LegalCopyright");
    t.address = VersionStringOf(record, "CompanyName");
    return t;
}

std::string WebPageAddress() { return VersionStringOf(ProgramVersionRecord(), "CompanyName"); }

std::string UpdateProgramPath(const std::string& folder) { return folder + "quillnet"; }

std::vector<std::string> UpdateArguments(int windowLeft, const std::string& productVersion) {
    return {"/u:" + std::to_string(windowLeft), "/v:" + productVersion};
}

}  // namespace norvane
