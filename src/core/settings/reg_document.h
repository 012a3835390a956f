#pragma once
// The text of a registry export ("Windows Registry Editor Version 5.00") held as
// keys and values in file order. Lines that are not changed are written back
// exactly as they were read, so a save shows only what really changed.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace norvane {

enum class RegType {
    String,        // REG_SZ: "text", or hex(1): when it holds line breaks
    ExpandString,  // REG_EXPAND_SZ: hex(2):
    Dword,         // REG_DWORD: dword:
    Other,         // any other type (hex:, hex(7):, deletions): kept as read
    Comment,       // a ";" line: kept as read, not a value
};

struct RegValue {
    RegType type = RegType::String;
    QString name;    // as first written; empty for the default value "@"
    QString folded;  // case-folded name, for lookups
    QString text;    // String and ExpandString
    std::uint32_t dword = 0;
    // Lines as read. Emptied when the value changes, so that it is written anew.
    QStringList source;
};

struct RegKey {
    QStringList path;  // components, in the case first written
    QString folded;    // components joined by '\', case-folded
    bool removal = false;  // a "[-key]" line: kept, never looked up
    QString source;        // the key line as read; empty for a created key
    // Values and comment lines in file order. Values are only ever appended or
    // changed in place under the same name, which the index below relies on.
    std::vector<RegValue> values;

    // Through an index of folded names, so that a key of many values reads and
    // writes in time proportional to their number.
    RegValue* FindValue(const QString& foldedName);
    const RegValue* FindValue(const QString& foldedName) const;

private:
    mutable QHash<QString, size_t> index_;
    mutable size_t indexedValues_ = 0;  // values[0, indexedValues_) are in index_
};

QString FoldName(const QString& name);
QString FoldPath(const QStringList& path);

struct RegDocument {
    QString header;         // first line of the file
    QStringList preamble;   // comment lines before the first key
    std::vector<RegKey> keys;

    // Index of the key, or -1. Keys are looked up through an index of folded
    // paths, built when first needed and again when `keys` changed.
    int FindKey(const QString& foldedPath) const;
    // Names of the direct subkeys, in file order, each once.
    QStringList ChildNames(const QStringList& path) const;
    // Finds or creates the key and its missing parents down from the first
    // `topDepth` components. A new key goes before its first existing subkey,
    // else after the last key below its parent, else at the end. Returns its
    // index; `created` tells whether any key line was added.
    int EnsureKey(const QStringList& path, int topDepth, bool& created);
    // Removes the key and every key below it; true when anything was removed.
    bool EraseTree(const QString& foldedPath);

private:
    void IndexKeys() const;
    mutable QHash<QString, int> index_;
    mutable size_t indexedSize_ = static_cast<size_t>(-1);  // keys.size() when indexed
};

struct RegParseResult {
    RegDocument doc;
    std::vector<int> badLines;  // 1-based numbers of the lines that were left out
    bool headerMissing = false;
};

// Text of a settings file: UTF-8 (with or without byte-order mark), UTF-16 with
// byte-order mark as a registry editor exports it, or Shift_JIS as an old
// export may be. `clean` is false when some bytes could not be decoded.
QString DecodeRegBytes(const QByteArray& bytes, bool& clean);

RegParseResult ParseRegText(const QString& text);
// The file text with "\n" line ends.
QString FormatRegText(const RegDocument& doc);
// The lines of one value as it is written.
QStringList FormatRegValue(const RegValue& value);

}  // namespace norvane
