#include "settings/settings_store.h"

// Placeholder until the file-backed store lands: reads return defaults.
namespace norvane {
class SettingsFile {};
SettingsStore::SettingsStore() = default;
SettingsStore::SettingsStore(const QString&) {}
SettingsStore::~SettingsStore() = default;
QString SettingsStore::DefaultPath() { return {}; }
QString SettingsStore::ReadString(const QString&, const QString&, const QString& def) const { return def; }
int SettingsStore::ReadInteger(const QString&, const QString&, int def) const { return def; }
bool SettingsStore::ReadBool(const QString&, const QString&, bool def) const { return def; }
void SettingsStore::WriteString(const QString&, const QString&, const QString&) {}
void SettingsStore::WriteInteger(const QString&, const QString&, int) {}
void SettingsStore::WriteBool(const QString&, const QString&, bool) {}
void SettingsStore::EraseSection(const QString&) {}
bool SettingsStore::SectionExists(const QString&) const { return false; }
bool SettingsStore::ValueExists(const QString&, const QString&) const { return false; }
QStringList SettingsStore::SubSections(const QString&) const { return {}; }
QStringList SettingsStore::ValueNames(const QString&) const { return {}; }
}  // namespace norvane
