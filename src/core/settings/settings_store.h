#pragma once
// The per-user settings: a registry-like tree of sections and typed values kept
// in one text file in the format of a Windows registry export.
//
// A SettingsStore is a short-lived accessor: create one, do a batch of reads and
// writes, let it go. Creating it locks the file against other processes and reads
// it; destroying it writes the file (atomically) only if something changed.
#include <QString>
#include <QStringList>
#include <memory>
#include <type_traits>

#include "core/settings/setting_keys.h"

namespace norvane {

class SettingsFile;

class SettingsStore {
public:
    // The user's settings file: $NORVANE_SETTINGS, else $XDG_CONFIG_HOME/Tobrin/Norvane.reg
    // (~/.config when unset).
    SettingsStore();
    explicit SettingsStore(const QString& path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString DefaultPath();

    // Sections are backslash-separated paths below the root ("Option\\Scroll").
    // Names compare without regard to letter case.
    QString ReadString(const QString& section, const QString& name, const QString& def) const;
    int ReadInteger(const QString& section, const QString& name, int def) const;
    bool ReadBool(const QString& section, const QString& name, bool def) const;

    void WriteString(const QString& section, const QString& name, const QString& value);
    // Stored as a dword, or as decimal text when the value already exists as a string.
    void WriteInteger(const QString& section, const QString& name, int value);
    void WriteBool(const QString& section, const QString& name, bool value);

    // The same through an entry of the key table (setting_keys.h), its fallback
    // for a missing value: a bool, an int or a text, as the entry says.
    template <class Key>
    auto Read(const Key& key) const {
        return Read(key, key.fallback);
    }
    // With a fallback of the caller's, where a dialog offers another value than
    // the window starts with.
    template <class Key, class F>
    auto Read(const Key& key, const F& fallback) const {
        using T = decltype(key.fallback);
        if constexpr (std::is_same_v<T, bool>)
            return ReadBool(KeyText(key.section), KeyText(key.name), fallback);
        else if constexpr (std::is_same_v<T, int>)
            return ReadInteger(KeyText(key.section), KeyText(key.name), fallback);
        else
            return ReadString(KeyText(key.section), KeyText(key.name), KeyText(fallback));
    }
    template <class Key, class V>
    void Write(const Key& key, const V& value) {
        using T = decltype(key.fallback);
        if constexpr (std::is_same_v<T, bool>)
            WriteBool(KeyText(key.section), KeyText(key.name), value);
        else if constexpr (std::is_same_v<T, int>)
            WriteInteger(KeyText(key.section), KeyText(key.name), value);
        else
            WriteString(KeyText(key.section), KeyText(key.name), value);
    }
    template <class Key>
    bool Exists(const Key& key) const {
        return ValueExists(KeyText(key.section), KeyText(key.name));
    }

    // This batch's changes reach the disk with the next accessor that closes
    // rather than with this one, so that a click need not wait for the disk.
    // Until then every accessor of this process reads them. When other accessors
    // are open as well, the last of them saves as always.
    void SaveLater();

    // Deletes the section with all its subsections.
    void EraseSection(const QString& section);

    bool ValueExists(const QString& section, const QString& name) const;
    // Names of the direct subsections of a section, in file order.
    QStringList SubSections(const QString& section) const;

private:
    static QString KeyText(const char* text) { return QString::fromUtf8(text); }
    static const QString& KeyText(const QString& text) { return text; }

    std::unique_ptr<SettingsFile> file_;
};

}  // namespace norvane
