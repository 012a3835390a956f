#include "core/settings/settings_store.h"

#include <QDir>
#include <limits>

#include "core/settings/settings_file.h"

namespace norvane {
namespace {

const QStringList kRoot = {QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral("Software"),
                           QStringLiteral("Tobrin"), QStringLiteral("Norvane")};

QStringList SectionParts(const QString& section) {
    return section.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QStringList KeyPath(const QString& section) { return kRoot + SectionParts(section); }

// Decimal text with an optional sign and surrounding blanks, within 32 bits.
bool ParseDecimal(const QString& text, int& out) {
    QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negative = t[i++] == QLatin1Char('-');
    if (i >= t.size()) return false;
    long long value = 0;
    for (; i < t.size(); ++i) {
        char16_t c = t[i].unicode();
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 1LL + std::numeric_limits<int>::max()) return false;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return false;
    out = static_cast<int>(value);
    return true;
}

// A line break in a name would split the line it is written on; such a write is
// refused rather than corrupting the file.
bool IsStorableName(const QString& section, const QString& name) {
    QString shown = section + QLatin1Char('\\') + name;
    bool storable = true;
    for (QChar& c : shown)
        if (c.unicode() < 0x20) {
            c = QLatin1Char('?');
            storable = false;
        }
    if (!storable)
        ReportSettingsProblemOnce(section + QLatin1Char('\\') + name,
                                  QStringLiteral("the setting \"%1\" has a control character in its "
                                                 "name and is not saved").arg(shown));
    return storable;
}

bool IsText(const RegValue& v) { return v.type == RegType::String || v.type == RegType::ExpandString; }

const RegValue* FindValue(const RegDocument& doc, const QString& section, const QString& name) {
    int k = doc.FindKey(FoldPath(KeyPath(section)));
    return k < 0 ? nullptr : doc.keys[static_cast<size_t>(k)].FindValue(FoldName(name));
}

// Sets a value, keeping its place and the case of its name when it exists.
// Returns false when it already held exactly this.
bool SetValue(RegKey& key, const QString& name, RegType type, const QString& text, std::uint32_t dword) {
    RegValue* v = key.FindValue(FoldName(name));
    if (v) {
        bool same = v->type == type && (IsText(*v) ? v->text == text : v->dword == dword);
        if (same) return false;
    } else {
        key.values.push_back(RegValue{});
        v = &key.values.back();
        v->name = name;
        v->folded = FoldName(name);
    }
    v->type = type;
    v->text = IsText(*v) ? text : QString();
    v->dword = dword;
    v->source.clear();
    return true;
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(DefaultPath()) {}

SettingsStore::SettingsStore(const QString& path) : file_(std::make_unique<SettingsFile>(path)) {}

SettingsStore::~SettingsStore() = default;

void SettingsStore::SaveLater() { file_->SaveLater(); }

QString SettingsStore::DefaultPath() {
    QString own = qEnvironmentVariable("NORVANE_SETTINGS");
    if (!own.isEmpty()) return own;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) {
        QString home = qEnvironmentVariable("HOME");
        config = (home.isEmpty() ? QDir::homePath() : home) + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/Tobrin/Norvane.reg");
}

QString SettingsStore::ReadString(const QString& section, const QString& name, const QString& def) const {
    auto lock = file_->Lock();
    const RegValue* v = FindValue(file_->Document(), section, name);
    return v && IsText(*v) ? v->text : def;
}

int SettingsStore::ReadInteger(const QString& section, const QString& name, int def) const {
    auto lock = file_->Lock();
    const RegValue* v = FindValue(file_->Document(), section, name);
    if (!v) return def;
    if (v->type == RegType::Dword) return static_cast<int>(v->dword);
    int value = def;
    if (IsText(*v) && ParseDecimal(v->text, value)) return value;
    return def;
}

bool SettingsStore::ReadBool(const QString& section, const QString& name, bool def) const {
    return ReadInteger(section, name, def ? 1 : 0) != 0;
}

void SettingsStore::WriteString(const QString& section, const QString& name, const QString& value) {
    if (!IsStorableName(section, name)) return;
    auto lock = file_->Lock();
    RegDocument& doc = file_->Document();
    bool created = false;
    int k = doc.EnsureKey(KeyPath(section), static_cast<int>(kRoot.size()), created);
    if (SetValue(doc.keys[static_cast<size_t>(k)], name, RegType::String, value, 0) || created)
        file_->MarkChanged();
}

void SettingsStore::WriteInteger(const QString& section, const QString& name, int value) {
    if (!IsStorableName(section, name)) return;
    auto lock = file_->Lock();
    RegDocument& doc = file_->Document();
    bool created = false;
    int k = doc.EnsureKey(KeyPath(section), static_cast<int>(kRoot.size()), created);
    RegKey& key = doc.keys[static_cast<size_t>(k)];
    // A value first stored as text stays text.
    const RegValue* old = key.FindValue(FoldName(name));
    bool changed = old && IsText(*old)
                       ? SetValue(key, name, old->type, QString::number(value), 0)
                       : SetValue(key, name, RegType::Dword, QString(), static_cast<std::uint32_t>(value));
    if (changed || created) file_->MarkChanged();
}

void SettingsStore::WriteBool(const QString& section, const QString& name, bool value) {
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::EraseSection(const QString& section) {
    if (SectionParts(section).isEmpty()) return;  // never the whole tree
    auto lock = file_->Lock();
    if (file_->Document().EraseTree(FoldPath(KeyPath(section)))) file_->MarkChanged();
}

bool SettingsStore::ValueExists(const QString& section, const QString& name) const {
    auto lock = file_->Lock();
    return FindValue(file_->Document(), section, name) != nullptr;
}

QStringList SettingsStore::SubSections(const QString& section) const {
    auto lock = file_->Lock();
    return file_->Document().ChildNames(KeyPath(section));
}

}  // namespace norvane
