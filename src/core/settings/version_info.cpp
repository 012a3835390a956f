#include "core/settings/version_info.h"

namespace norvane {

VersionTexts ComputeVersionTexts(const BuildInfo& info) {
    return {info.product, "Version " + info.version, info.copyright, info.website};
}

std::string WebPageAddress() { return ProgramBuildInfo().website; }

std::string UpdateProgramPath(const std::string& folder) { return folder + "quillnet"; }

std::vector<std::string> UpdateArguments(int windowLeft, const std::string& productVersion) {
    return {"/u:" + std::to_string(windowLeft), "/v:" + productVersion};
}

}  // namespace norvane
