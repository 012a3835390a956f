#include "core/schedules/skill_schedule.h"

#include "core/schedules/schedule_common.h"
#include "core/settings/ini_file.h"
#include "core/time/support.h"

namespace norvane {
namespace {

struct Linear {
    int numerator, denominator, base;
    int At(int d) const { return d * numerator / denominator + base; }
};

// Levels 1-50 and 51-60 share one line per letter: A, B, C, D, E, F.
constexpr std::array<Linear, 6> kUpTo50 = {{
    {30, 10, 6}, {29, 10, 5}, {28, 10, 5}, {27, 10, 4}, {25, 10, 4}, {23, 10, 4}}};
constexpr std::array<Linear, 6> kUpTo60 = {{
    {50, 10, 153}, {49, 10, 147}, {48, 10, 142}, {47, 10, 136}, {45, 10, 126}, {43, 10, 116}}};
// From level 61 on, every grade has its own line.
constexpr std::array<Linear, 12> kUpTo70 = {{
    {485, 100, 203}, {410, 100, 203}, {410, 100, 203}, {370, 100, 196}, {323, 100, 196}, {270, 100, 196},
    {250, 100, 190}, {225, 100, 190}, {200, 100, 190}, {185, 100, 183}, {195, 100, 171}, {205, 100, 159}}};

int Letter(int grade) { return grade < 9 ? grade / 3 : grade - 6; }

// Levels 71-75: steps of whole points, some grades bending at 73 or 74.
int CapAbove70(int grade, int level) {
    switch (grade) {
        case 0: return (level - 70) * 5 + 251;
        case 1:
        case 2: return (level - 70) * 5 + 244;
        case 3: return level <= 72 ? (level - 70) * 4 + 233 : (level - 72) * 5 + 241;
        case 4: return level <= 73 ? (level - 70) * 4 + 228 : (level - 73) * 5 + 240;
        case 5: return level <= 73 ? (level - 70) * 3 + 223 : (level - 73) * 4 + 232;
        case 6: return (level - 70) * 3 + 215;
        case 7: return level <= 72 ? (level - 70) * 3 + 211 : (level - 72) * 3 + 216;
        case 8: return (level - 70) * 2 + 210;
        case 9: return level <= 73 ? (level - 70) * 2 + 201 : (level - 73) * 2 + 206;
        case 10: return (level - 70) * 2 + 190;
        default: return (level - 70) * 2 + 179;
    }
}

// Thirty "n_" joined by commas: what a job missing from the file reads as.
std::string NoSkillsValue() {
    std::string value = "n_";
    for (std::size_t i = 1; i < kSkillSlotCount; ++i) value += ",n_";
    return value;
}

}  // namespace

int SkillGrade(std::string_view code) {
    if (code.size() != 2) return kNoGrade;
    const char letter = code[0], mark = code[1];
    if (letter >= 'a' && letter <= 'c') {
        const int base = (letter - 'a') * 3;
        if (mark == '+') return base;
        if (mark == '_' || mark == '?') return base + 1;
        if (mark == '-') return base + 2;
        return kNoGrade;
    }
    if (mark != '_') return kNoGrade;
    if (letter == 'd') return 9;
    if (letter == 'e') return 10;
    if (letter == 'f') return 11;
    return kNoGrade;
}

int SkillCap(std::string_view code, int level) {
    const int grade = SkillGrade(code);
    // Below level 1 the formulas would run backwards; the page never asks for it.
    if (grade == kNoGrade || level < kMinSkillLevel || level > kMaxSkillLevel) return kNoSkillCap;
    if (level <= 50) return kUpTo50[static_cast<std::size_t>(Letter(grade))].At(level - 1);
    if (level <= 60) return kUpTo60[static_cast<std::size_t>(Letter(grade))].At(level - 50);
    if (level <= 70) return kUpTo70[static_cast<std::size_t>(grade)].At(level - 60);
    return CapAbove70(grade, level);
}

std::string SkillGradeText(std::string_view code) {
    std::string text;
    if (code.find('_') != std::string_view::npos) {
        if (!code.empty()) text.push_back(code[0]);
        text.push_back(' ');
    } else {
        text = code;
    }
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int JobOfKey(std::string_view key) {
    for (std::size_t i = 0; i < kJobKeys.size(); ++i)
        if (kJobKeys[i] == key) return static_cast<int>(i);
    return kNoJob;
}

std::vector<std::string> ReadSkillCodes(const IniFile& skillIni, int job) {
    if (job < 0 || job >= static_cast<int>(kJobCount)) return {};
    static const std::string kNone = NoSkillsValue();
    return SplitCommaText(skillIni.ReadString("Skill", kJobKeys[static_cast<std::size_t>(job)], kNone));
}

SkillPageView ComputeSkillPage(const std::vector<std::string>& codes, int level) {
    SkillPageView page;
    for (std::size_t slot = 0; slot < kSkillSlotCount; ++slot) {
        SkillRow& row = page[slot];
        row.name = kSkillNames[slot];
        // A short list leaves the last slots without a code: they show no cap.
        const int cap = slot < codes.size() ? SkillCap(codes[slot], level) : kNoSkillCap;
        if (cap == kNoSkillCap) {
            row.value = kSkillNoneText;
            continue;
        }
        row.cap = cap;
        row.grade = SkillGradeText(codes[slot]);
        row.value = row.grade + "   " + std::to_string(cap);
        row.none = false;
        row.colour = kColourBlack;
    }
    return page;
}

SkillPageView ComputeSkillPage(const IniFile& skillIni, int job, int level) {
    return ComputeSkillPage(ReadSkillCodes(skillIni, job), level);
}

SkillPageView ComputeSkillPage(const std::string& skillIniPath, int job, int level) {
    return ComputeSkillPage(IniFile::Load(skillIniPath), job, level);
}

int SkillLevelOfText(std::string_view text) {
    int level = kMinSkillLevel;
    if (!ParseDecimalInteger(text, level)) return kMinSkillLevel;
    if (level > kMaxSkillLevel) return kMaxSkillLevel;
    if (level < kMinSkillLevel) return kMinSkillLevel;
    return level;
}

}  // namespace norvane
