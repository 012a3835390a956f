#include "core/main_window/skin.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/settings/ini_file.h"
#include "core/time/support.h"

namespace norvane {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool ParseHex(std::string_view digits, Colour& value) {
    if (digits.empty() || digits.size() > 8) return false;
    Colour v = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return false;
        v = (v << 4) | static_cast<Colour>(d);
    }
    value = v;
    return true;
}

Colour ReadColour(const IniFile& ini, std::string_view key, Colour defaultValue) {
    Colour v = defaultValue;
    if (!ini.HasKey("Color", key)) return defaultValue;
    return ParseSkinColour(ini.ReadString("Color", key, ""), v) ? v : defaultValue;
}

bool EndsWithSkn(const std::string& name) {
    if (name.size() < 4) return false;
    const std::string_view ext(name.data() + name.size() - 4, 4);
    return ext[0] == '.' && (ext[1] | 0x20) == 's' && (ext[2] | 0x20) == 'k' && (ext[3] | 0x20) == 'n';
}

}  // namespace

bool ParseSkinColour(std::string_view text, Colour& value) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '$') return ParseHex(text.substr(1), value);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2), value);
    int v = 0;
    if (!ParseDecimalInteger(text, v)) return false;
    value = static_cast<Colour>(v);
    return true;
}

SkinColours ReadSkinColours(const IniFile& ini) {
    const SkinColours d;
    SkinColours c;
    c.Vana = ReadColour(ini, "Vana", d.Vana);
    c.Earth = ReadColour(ini, "Eart", d.Earth);
    c.Back = ReadColour(ini, "Back", d.Back);
    c.Edge = ReadColour(ini, "Edge", d.Edge);
    c.Base = ReadColour(ini, "Bace", d.Base);
    c.Item = ReadColour(ini, "Item", d.Item);
    return c;
}

std::string ReadSkinName(const IniFile& ini) {
    std::string name = ini.ReadString("Skin", "Name", "");
    return name.empty() ? std::string(kNamelessSkin) : name;
}

std::vector<std::string> ListSkinFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code fileEc;
        // Only files: a folder, a FIFO or a device of that name is no skin.
        if (EndsWithSkn(name) && it->is_regular_file(fileEc)) files.push_back(name);
    }
    return files;
}

std::string SkinListEntry(const std::string& file, const std::string& name) {
    // A quote inside a field is doubled, so that a name holding one still splits right.
    auto quoted = [](const std::string& s) {
        std::string q = "\"";
        for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
        return q + '"';
    };
    return quoted(file) + ',' + quoted(name);
}

std::vector<std::string> BuildSkinList(const std::string& folder) {
    struct Skin {
        std::string file, name;
        QString key;
    };
    std::vector<Skin> skins;
    for (std::string& file : ListSkinFiles(folder)) {
        std::string name = ReadSkinName(IniFile::Load(folder + file));
        QString key = QString::fromStdString(name);
        skins.push_back({std::move(file), std::move(name), std::move(key)});
    }
    // By name as a Japanese reader orders them, whatever the user's locale:
    // kana in their order, Latin letters without regard to case, numbers by
    // value ("2" before "10"). Equal names keep one order: by file name.
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(skins.begin(), skins.end(), [&collator](const Skin& a, const Skin& b) {
        const int byName = collator.compare(a.key, b.key);
        return byName != 0 ? byName < 0 : a.file < b.file;
    });
    std::vector<std::string> list;
    list.reserve(skins.size());
    for (const Skin& s : skins) list.push_back(SkinListEntry(s.file, s.name));
    return list;
}

int ChosenSkinIndex(const std::vector<std::string>& list, const std::string& chosen) {
    auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    const std::string folded = lower(chosen);
    int sameLetters = -1, sameLetterCount = 0;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        std::string file, name;
        SplitPair(list, i, file, name);
        if (file == chosen) return i;
        if (lower(file) == folded) {
            sameLetters = i;
            ++sameLetterCount;
        }
    }
    // Two files that differ only in case: neither is the one meant.
    return sameLetterCount == 1 ? sameLetters : -1;
}

}  // namespace norvane
