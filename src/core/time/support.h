#pragma once
// Small routines shared across the program: where its data files lie, its
// version information, and the splitting of a two-field comma list.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace norvane {

// Folder of the running executable (symbolic links resolved), ending in '/'.
std::string ProgramFolder();
// Full path of the running executable.
std::string ProgramPath();

// Data-file paths beside the executable whose full path is given.
std::string BallistaIniPath(const std::string& exePath);
std::string SkillIniPath(const std::string& exePath);
std::string TimerIniPath(const std::string& exePath);
std::string HelpFilePath(const std::string& exePath);

// A version-information record: an optional translation table (language in the
// low 16 bits, code page in the high 16 bits of each entry) and string values
// keyed by their full query path ("\StringFileInfo\041104b0\ProductVersion").
struct VersionRecord {
    std::optional<std::vector<std::uint32_t>> translations;
    std::map<std::string, std::string> strings;
};

// The record of a file, if it has one. Only the running program has one here.
std::optional<VersionRecord> LoadVersionRecord(const std::string& file);
// The program's own record, generated at build time.
VersionRecord ProgramVersionRecord();
// Reads a string of a record; "UnKnown" when it has no translation table.
std::string VersionStringOf(const std::optional<VersionRecord>& record, const std::string& name);
// VersionStringOf(LoadVersionRecord(file), name); empty for an empty path.
std::string VersionString(const std::string& file, const std::string& name);

// Version rule: 5.1 and later.
bool IsXPOrLaterVersion(unsigned major, unsigned minor);
bool IsWindowsXPOrLater();
bool IsNTPlatform();

// Splits one comma-text line into its fields (quotes, doubled quotes, blanks
// ending unquoted fields).
std::vector<std::string> SplitCommaText(const std::string& text);
// First and second field of list[index]; two empty texts when it has fewer than
// two fields or the index is out of range.
void SplitPair(const std::vector<std::string>& list, int index, std::string& first,
               std::string& second);

}  // namespace norvane
