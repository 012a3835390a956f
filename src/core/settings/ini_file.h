#pragma once
// The data files beside the program ("skill.ini", "ballista.ini", the skins) are
// private-profile (INI) files in code page 932. They are read whole and looked up
// by the rules players know from their editors:
//   - section and key names are compared without regard to case; the first
//     section of a name and the first key of a name within it count;
//   - blanks around names and values are dropped, and one pair of matching
//     quotes (" or ') around a whole value is removed;
//   - lines beginning with ';' are comments; lines without '=' carry no key;
//   - a missing or unreadable file reads as empty, so every key takes its default
//     (see data_file.h).
#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace norvane {

// Shift-JIS text as Unicode. Falls back to UTF-8 when this Qt has no Shift-JIS
// table, so ASCII files still read.
QString DecodeShiftJis(const QByteArray& bytes);
// Whether this Qt can decode Shift-JIS (looked up at run time).
bool HasShiftJisDecoder();
// The text, or nothing when some bytes are not Shift-JIS (or there is no table).
std::optional<QString> DecodeShiftJisExactly(QByteArrayView bytes);

// A decimal integer with an optional sign and blanks around it; false for
// anything else, including numbers beyond int.
bool ParseDecimalInteger(std::string_view text, int& value);

class IniFile {
public:
    IniFile() = default;  // empty: every key missing

    static IniFile Load(const std::string& path);
    static IniFile FromBytes(const QByteArray& bytes);

    // Values are UTF-8. A key that is present with an empty value reads as "",
    // not as the default.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // ReadString as a decimal integer; the default when missing or not a number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;

    bool HasKey(std::string_view section, std::string_view key) const;

private:
    // Case-folded section name -> case-folded key name -> value.
    using Section = std::unordered_map<std::string, std::string>;
    std::unordered_map<std::string, Section> sections_;

    const std::string* Find(std::string_view section, std::string_view key) const;
};

}  // namespace norvane
