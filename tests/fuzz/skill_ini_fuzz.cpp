// "skill.ini": the grade codes per job, Shift-JIS INI text a user may edit. The
// codes read for every job must write back (quoted where they need it) to a file
// that reads the same, and the page computed from them shows a cap exactly for
// the slots whose code is a grade.
#include <QByteArray>

#include <cstdint>
#include <string>
#include <vector>

#include "core/schedules/skill_schedule.h"
#include "core/settings/ini_file.h"
#include "fuzz_check.h"

namespace {

using norvane::IniFile;

// One code as an entry of the comma list: bare when nothing in it splits or
// quotes, else in double quotes with the quotes inside doubled.
std::string Entry(const std::string& code) {
    bool bare = !code.empty();
    for (char c : code)
        if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"' || c == '\'') bare = false;
    if (bare) return code;
    std::string q = "\"";
    for (char c : code) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + '"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::FromBytes(bytes);

    std::vector<std::vector<std::string>> codes(norvane::kJobCount);
    std::string written = "\xEF\xBB\xBF[Skill]\r\n";
    for (int job = 0; job < static_cast<int>(norvane::kJobCount); ++job) {
        codes[job] = norvane::ReadSkillCodes(ini, job);
        if (!ini.HasKey("Skill", norvane::kJobKeys[job]))
            FUZZ_CHECK(codes[job] == std::vector<std::string>(norvane::kSkillSlotCount, "n_"),
                       "a missing job does not read as thirty n_");
        // The whole value in single quotes, which the reader takes off, so that a
        // first and last double quote stay the entries' own.
        std::string value;
        for (std::size_t i = 0; i < codes[job].size(); ++i) value += (i ? "," : "") + Entry(codes[job][i]);
        written += std::string(norvane::kJobKeys[job]) + "='" + value + "'\r\n";
    }

    const IniFile again = IniFile::FromBytes(QByteArray::fromStdString(written));
    for (int job = 0; job < static_cast<int>(norvane::kJobCount); ++job) {
        FUZZ_CHECK(norvane::ReadSkillCodes(again, job) == codes[job], "codes changed on writing and reading again");
        for (int level : {norvane::kMinSkillLevel, norvane::kMaxSkillLevel}) {
            const norvane::SkillPageView page = norvane::ComputeSkillPage(ini, job, level);
            for (std::size_t slot = 0; slot < norvane::kSkillSlotCount; ++slot) {
                const bool graded =
                    slot < codes[job].size() && norvane::SkillGrade(codes[job][slot]) != norvane::kNoGrade;
                const norvane::SkillRow& row = page[slot];
                FUZZ_CHECK(row.none == !graded, "a slot shows a cap without a grade, or none with one");
                FUZZ_CHECK(row.none ? row.value == norvane::kSkillNoneText
                                    : row.value.size() > 3 && row.value.substr(0, 2) != "- ",
                           "a slot's text does not match its grade");
            }
        }
    }
    return 0;
}
