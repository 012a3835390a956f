#pragma once
// The skill page: the skill caps of the thirty combat and magic skills for a
// job and a character level. Which skills a job has, and at which grade, comes
// from "skill.ini"; the caps follow from grade and level by fixed formulas.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"

namespace norvane {

class IniFile;

inline constexpr std::size_t kJobCount = 15;
inline constexpr std::size_t kSkillSlotCount = 30;

// The items of cmbSkillMain, in index order.
inline constexpr std::array<std::string_view, kJobCount> kJobNames = {
    "戦士",   "モンク", "白魔道士", "黒魔道士", "赤魔道士", "シーフ", "ナイト", "暗黒騎士",
    "獣使い", "吟遊詩人", "狩人",   "侍",       "忍者",     "竜騎士", "召喚士"};
// The job's key in section "Skill" of "skill.ini".
inline constexpr std::array<std::string_view, kJobCount> kJobKeys = {
    "war", "mnk", "whm", "blm", "rdm", "thf", "pld", "drk",
    "bst", "brd", "rng", "sam", "nin", "drg", "smn"};

// Slots 0-14 are the left column (lblSkillLineA n / B n), 15-29 the right one
// (lblSkillLineC n-15 / B n).
inline constexpr std::array<std::string_view, kSkillSlotCount> kSkillNames = {
    "格闘",     "短剣",   "片手剣", "両手剣",   "片手斧",   "両手斧",   "両手鎌", "両手槍",
    "片手刀",   "両手刀", "片手棍", "両手棍",   "弓術",     "射撃",     "投てき", "ガード",
    "回避",     "盾",     "受け流し", "神聖魔法", "回復魔法", "強化魔法", "弱体魔法", "精霊魔法",
    "暗黒魔法", "歌唱",   "弦楽器", "管楽器",   "忍術",     "召喚魔法"};

inline constexpr std::string_view kSkillRefCaption = "更新(&R)";
inline constexpr std::array<std::string_view, 4> kSkillHeadCaptions = {"スキル", "キャップ", "スキル", "キャップ"};

inline constexpr int kNoJob = -1;         // the stored "Option" "SkillJob" default
inline constexpr int kMinSkillLevel = 1;  // also the stored "Option" "SkillLv" default
inline constexpr int kMaxSkillLevel = 75;
inline constexpr int kNoGrade = 99;
inline constexpr int kNoSkillCap = 999;
inline constexpr Colour kSkillNoneColour = 0x808080;
inline constexpr std::string_view kSkillNoneText = "-";

// Grade number of a code as "skill.ini" writes it (exact, case-sensitive): "a+" 0,
// "a_"/"a?" 1, "a-" 2, "b+" 3 ... "c-" 8, "d_" 9, "e_" 10, "f_" 11; any other
// code (the file writes "n_") is kNoGrade.
int SkillGrade(std::string_view code);

// The cap of a grade code at character level `level`; kNoSkillCap for no
// grade and for levels outside 1-75.
int SkillCap(std::string_view code, int level);

// "a-" -> "A-", "b_" -> "B " (an underscore code shows its letter and a blank).
std::string SkillGradeText(std::string_view code);

// The job whose key is `key` exactly ("war" ... "smn"), or kNoJob.
int JobOfKey(std::string_view key);

// The grade codes of a job in slot order, as section "Skill" holds them at the
// job's key; a missing key reads as thirty "n_". Entries are split at commas and
// blanks, and may be quoted. The list may hold more or fewer than thirty codes.
std::vector<std::string> ReadSkillCodes(const IniFile& skillIni, int job);

// One slot: the skill's name and its value label.
struct SkillRow {
    std::string_view name;
    std::string value;        // "A-   269", or "-" when the job has no cap
    bool none = true;         // the "-" case
    int cap = kNoSkillCap;
    std::string grade;        // "A-", "B " ...; empty for none
    Colour colour = kSkillNoneColour;  // black, or grey for "-"
};

using SkillPageView = std::array<SkillRow, kSkillSlotCount>;

// ShowSkillCaps: the thirty slots for these codes at `level`. Slots past the end
// of the list show "-".
SkillPageView ComputeSkillPage(const std::vector<std::string>& codes, int level);
// The same for job `job` (0-14) of the file; every slot shows "-" for another index.
SkillPageView ComputeSkillPage(const IniFile& skillIni, int job, int level);
// Opens and reads "skill.ini" at `skillIniPath` every time, as the page does.
SkillPageView ComputeSkillPage(const std::string& skillIniPath, int job, int level);

// The level a text stands for: 1 when it is no number, kept within 1-75
// ("0" -> 1, "99" -> 75, "07" -> 7, "" -> 1).
int SkillLevelOfText(std::string_view text);

}  // namespace norvane
