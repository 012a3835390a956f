#pragma once
// Small routines shared across the program: where its data files lie and the
// splitting of a two-field comma list.
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

// Splits one comma-text line into its fields (quotes, doubled quotes, blanks
// ending unquoted fields).
std::vector<std::string> SplitCommaText(const std::string& text);
// First and second field of list[index]; two empty texts when it has fewer than
// two fields or the index is out of range.
void SplitPair(const std::vector<std::string>& list, int index, std::string& first,
               std::string& second);

}  // namespace norvane
