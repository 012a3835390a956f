#include "core/time/build_info.h"

#include "buildinfo.h"

namespace norvane {

const BuildInfo& ProgramBuildInfo() {
    static const BuildInfo info{buildinfo::kProduct, buildinfo::kVersion, buildinfo::kCopyright, buildinfo::kWebsite};
    return info;
}

}  // namespace norvane
