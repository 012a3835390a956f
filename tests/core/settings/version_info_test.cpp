#include <gtest/gtest.h>

#include "core/settings/version_info.h"

namespace norvane {
namespace {

VersionRecord JapaneseRecord() {
    VersionRecord r;
    r.translations = std::vector<std::uint32_t>{0x04B00411u};
    const std::string base = "\\StringFileInfo\\041104b0\\";
    r.strings[base + "FileDescription"] = "Norvane - clock";
    r.strings[base + "ProductVersion"] = "1.2.3";
    r.strings[base + "LegalCopyright"] = "Copyright (C) Tobrin";
    r.strings[base + "CompanyName"] = "https://tobrin.example/";
    return r;
}

TEST(VersionInfoTest, TextsFollowTheRecordItsAbsenceAndAMissingTranslationTable) {
    struct Case {
        const char* what;
        std::optional<VersionRecord> record;
        VersionTexts expected;
    };
    VersionRecord otherLanguage = JapaneseRecord();
    otherLanguage.translations = std::vector<std::uint32_t>{0x04E40409u};
    const Case cases[] = {
        {"full record", JapaneseRecord(),
         {"Norvane - clock", "Version 1.2.3", "Copyright (C) Tobrin", "https://tobrin.example/"}},
        {"no record", std::nullopt, {"", "Version ", "", ""}},
        {"no translation table", VersionRecord{}, {"UnKnown", "Version UnKnown", "UnKnown", "UnKnown"}},
        // The strings are looked up under the first translation only.
        {"strings of another translation", otherLanguage, {"", "Version ", "", ""}},
    };
    for (const Case& c : cases) {
        const VersionTexts t = ComputeVersionTexts(c.record);
        EXPECT_EQ(t.title, c.expected.title) << c.what;
        EXPECT_EQ(t.version, c.expected.version) << c.what;
        EXPECT_EQ(t.copyright, c.expected.copyright) << c.what;
        EXPECT_EQ(t.address, c.expected.address) << c.what;
    }
}

TEST(VersionInfoTest, UpdateProgramGetsTheWindowsLeftEdgeWithItsSignAndTheVersion) {
    EXPECT_EQ(UpdateArguments(120, "1.2.3"), (std::vector<std::string>{"/u:120", "/v:1.2.3"}));
    EXPECT_EQ(UpdateArguments(-1200, "1.2.3"), (std::vector<std::string>{"/u:-1200", "/v:1.2.3"}));
    EXPECT_EQ(UpdateArguments(0, ""), (std::vector<std::string>{"/u:0", "/v:"}));
    EXPECT_EQ(UpdateProgramPath("/opt/norvane/"), "/opt/norvane/quillnet");
    EXPECT_FALSE(WebPageAddress().empty());
}

}  // namespace
}  // namespace norvane
