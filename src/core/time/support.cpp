#include "core/time/support.h"

#include <filesystem>
#include <system_error>

namespace norvane {
namespace {

std::string FolderPart(const std::string& path) {
    auto pos = path.find_last_of('/');
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string ProgramPath() {
    std::error_code ec;
    auto p = std::filesystem::canonical("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

std::string ProgramFolder() { return FolderPart(ProgramPath()); }

std::string BallistaIniPath(const std::string& exePath) { return FolderPart(exePath) + "ballista.ini"; }
std::string SkillIniPath(const std::string& exePath) { return FolderPart(exePath) + "skill.ini"; }
std::string TimerIniPath(const std::string& exePath) { return FolderPart(exePath) + "timer.ini"; }
std::string HelpFilePath(const std::string& exePath) { return FolderPart(exePath) + "norvane.hlp"; }

std::vector<std::string> SplitCommaText(const std::string& text) {
    std::vector<std::string> out;
    std::size_t i = 0, n = text.size();
    auto skipBlanks = [&] {
        while (i < n && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    while (i < n) {
        std::string field;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            std::size_t start = i;
            while (i < n && !IsBlank(text[i]) && text[i] != ',') ++i;
            field = text.substr(start, i - start);
        }
        out.push_back(std::move(field));
        skipBlanks();
        if (i < n && text[i] == ',') {
            if (i + 1 == n) out.emplace_back();  // a trailing comma ends with an empty field
            ++i;
            skipBlanks();
        }
    }
    return out;
}

void SplitPair(const std::vector<std::string>& list, int index, std::string& first,
               std::string& second) {
    first.clear();
    second.clear();
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return;
    auto fields = SplitCommaText(list[static_cast<std::size_t>(index)]);
    if (fields.size() >= 2) {
        first = fields[0];
        second = fields[1];
    }
}

}  // namespace norvane
