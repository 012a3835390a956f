#include "core/settings/ini_file.h"

#include <QFile>
#include <QStringDecoder>
#include <charconv>

#include "core/settings/data_file.h"

namespace norvane {
namespace {

bool IsBlank(QChar c) { return c.unicode() <= ' '; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

QStringView Trimmed(QStringView s) {
    qsizetype begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin])) ++begin;
    while (end > begin && IsBlank(s[end - 1])) --end;
    return s.mid(begin, end - begin);
}

std::string_view Trimmed(std::string_view s) {
    std::size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin])) ++begin;
    while (end > begin && IsBlank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

// Names are compared without case. The data files use ASCII names, which take
// the short way; anything else is folded by Unicode rules (full-width letters too).
std::string FoldName(std::string_view name) {
    bool ascii = true;
    for (char c : name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        std::string out(name);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toCaseFolded().toStdString();
}

std::string FoldName(QStringView name) { return FoldName(name.toString().toStdString()); }

QStringView Unquoted(QStringView value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        return value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

QString DecodeShiftJis(const QByteArray& bytes) {
    // ICU knows the table under several names; which one answers depends on the build.
    for (const char* name : {"Shift_JIS", "windows-31j", "CP932"}) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) return decoder.decode(bytes);
    }
    return QString::fromUtf8(bytes);
}

std::optional<QString> DecodeShiftJisExactly(QByteArrayView bytes) {
    for (const char* name : {"Shift_JIS", "windows-31j", "CP932"}) {
        QStringDecoder decoder(name);
        if (!decoder.isValid()) continue;
        QString text = decoder.decode(bytes);
        if (decoder.hasError()) return std::nullopt;
        return text;
    }
    return std::nullopt;
}

bool HasShiftJisDecoder() {
    for (const char* name : {"Shift_JIS", "windows-31j", "CP932"})
        if (QStringDecoder(name).isValid()) return true;
    return false;
}

bool ParseDecimalInteger(std::string_view text, int& value) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return false;
    }
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = v;
    return true;
}

IniFile IniFile::Load(const std::string& path) {
    std::optional<QByteArray> bytes = ReadDataFile(QFile::decodeName(path.c_str()));
    return bytes ? FromBytes(*bytes) : IniFile();
}

IniFile IniFile::FromBytes(const QByteArray& bytes) {
    IniFile ini;
    // An editor that saved the file as UTF-8 marks it; everything else is code page 932.
    const QString text = bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes.mid(3))
                                                          : DecodeShiftJis(bytes);
    Section* current = nullptr;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r')) ++end;
        const QStringView line = Trimmed(QStringView(text).mid(pos, end - pos));
        pos = end + 1;
        if (line.isEmpty() || line.front() == QLatin1Char(';')) continue;
        if (line.front() == QLatin1Char('[')) {
            const qsizetype close = line.lastIndexOf(QLatin1Char(']'));
            if (close < 0) continue;
            // A repeated section adds nothing: look-ups stop at the first one.
            auto [it, added] = ini.sections_.try_emplace(FoldName(Trimmed(line.mid(1, close - 1))));
            current = added ? &it->second : nullptr;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq < 0) continue;
        const QStringView name = Trimmed(line.left(eq));
        if (name.isEmpty()) continue;
        current->try_emplace(FoldName(name), Unquoted(Trimmed(line.mid(eq + 1))).toString().toStdString());
    }
    return ini;
}

const std::string* IniFile::Find(std::string_view section, std::string_view key) const {
    const auto s = sections_.find(FoldName(Trimmed(section)));
    if (s == sections_.end()) return nullptr;
    const auto k = s->second.find(FoldName(Trimmed(key)));
    return k == s->second.end() ? nullptr : &k->second;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const std::string* value = Find(section, key);
    return value ? *value : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string* value = Find(section, key);
    int v = defaultValue;
    if (value && ParseDecimalInteger(*value, v)) return v;
    return defaultValue;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

}  // namespace norvane
