#include <gtest/gtest.h>

#include "core/settings/version_info.h"

namespace norvane {
namespace {

// The dialog, the web command and the update command all read the record the
// build configured, and show its texts as they stand.
TEST(VersionInfoTest, TheDialogShowsTheBuildsRecordAndAnEmptyRecordLeavesOnlyVersion) {
    const BuildInfo& info = ProgramBuildInfo();
    EXPECT_EQ(info.product, NORVANE_PRODUCT);
    EXPECT_EQ(info.version, NORVANE_VERSION);
    EXPECT_EQ(info.copyright, NORVANE_COPYRIGHT);
    EXPECT_EQ(info.website, NORVANE_WEBSITE);
    const VersionTexts t = ComputeVersionTexts(info);
    EXPECT_EQ(t.title, "Norvane - Vana'diel clock");
    EXPECT_EQ(t.version, std::string("Version ") + NORVANE_VERSION);
    EXPECT_EQ(t.copyright, NORVANE_COPYRIGHT);
    EXPECT_EQ(t.address, NORVANE_WEBSITE);
    EXPECT_EQ(WebPageAddress(), NORVANE_WEBSITE);

    const VersionTexts empty = ComputeVersionTexts(BuildInfo{});
    EXPECT_EQ(empty.title, "");
    EXPECT_EQ(empty.version, "Version ");
    EXPECT_EQ(empty.copyright, "");
    EXPECT_EQ(empty.address, "");
}

TEST(VersionInfoTest, UpdateProgramGetsTheWindowsLeftEdgeWithItsSignAndTheVersion) {
    EXPECT_EQ(UpdateArguments(120, "1.2.3"), (std::vector<std::string>{"/u:120", "/v:1.2.3"}));
    EXPECT_EQ(UpdateArguments(-1200, "1.2.3"), (std::vector<std::string>{"/u:-1200", "/v:1.2.3"}));
    EXPECT_EQ(UpdateArguments(0, ""), (std::vector<std::string>{"/u:0", "/v:"}));
    EXPECT_EQ(UpdateProgramPath("/opt/norvane/"), "/opt/norvane/quillnet");
}

}  // namespace
}  // namespace norvane
