#include "core/settings/reg_document.h"

namespace norvane {
namespace {

bool IsBelow(const RegKey& key, const QString& foldedPath) {
    return key.folded.size() > foldedPath.size() && key.folded.startsWith(foldedPath) &&
           key.folded[foldedPath.size()] == QLatin1Char('\\');
}

bool IsAtOrBelow(const RegKey& key, const QString& foldedPath) {
    return !key.removal && (key.folded == foldedPath || IsBelow(key, foldedPath));
}

}  // namespace

QString FoldName(const QString& name) {
    // Names are nearly always plain ASCII: fold those without the Unicode tables,
    // and hand back the same (shared) text when there is nothing to fold.
    bool upper = false;
    for (QChar c : name) {
        if (c.unicode() >= 0x80) return name.toCaseFolded();
        upper = upper || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    }
    if (!upper) return name;
    QString folded = name;
    for (QChar& c : folded)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

QString FoldPath(const QStringList& path) { return FoldName(path.join(QLatin1Char('\\'))); }

RegValue* RegKey::FindValue(const QString& foldedName) {
    if (indexedValues_ > values.size()) {  // shrunk: start again
        index_.clear();
        indexedValues_ = 0;
    }
    // The first of equal names wins, as a scan from the front would find it.
    for (; indexedValues_ < values.size(); ++indexedValues_) {
        const RegValue& v = values[indexedValues_];
        if (v.type != RegType::Comment && !index_.contains(v.folded)) index_.insert(v.folded, indexedValues_);
    }
    const auto it = index_.constFind(foldedName);
    if (it == index_.cend()) return nullptr;
    RegValue& v = values[*it];
    return v.type != RegType::Comment && v.folded == foldedName ? &v : nullptr;
}

const RegValue* RegKey::FindValue(const QString& foldedName) const {
    return const_cast<RegKey*>(this)->FindValue(foldedName);
}

void RegDocument::IndexKeys() const {
    index_.clear();
    index_.reserve(static_cast<qsizetype>(keys.size()));
    // The first of equal paths wins, as a scan from the front would find it.
    for (size_t i = keys.size(); i-- > 0;)
        if (!keys[i].removal) index_.insert(keys[i].folded, static_cast<int>(i));
    indexedSize_ = keys.size();
}

int RegDocument::FindKey(const QString& foldedPath) const {
    if (indexedSize_ != keys.size()) IndexKeys();
    int i = index_.value(foldedPath, -1);
    const auto at = static_cast<size_t>(i);
    if (i >= 0 && (keys[at].removal || keys[at].folded != foldedPath)) {
        // Keys were changed in place since: look again.
        IndexKeys();
        i = index_.value(foldedPath, -1);
    }
    return i;
}

QStringList RegDocument::ChildNames(const QStringList& path) const {
    const QString folded = FoldPath(path);
    QStringList names, seen;
    for (const auto& k : keys) {
        if (k.removal || !IsBelow(k, folded)) continue;
        const QString& name = k.path[path.size()];
        QString f = FoldName(name);
        if (seen.contains(f)) continue;
        seen << f;
        names << name;
    }
    return names;
}

int RegDocument::EnsureKey(const QStringList& path, int topDepth, bool& created) {
    const QString folded = FoldPath(path);
    int found = FindKey(folded);
    if (found >= 0) return found;

    int parentIndex = -1;
    QString parentFolded;
    if (path.size() > topDepth) {
        parentIndex = EnsureKey(path.mid(0, path.size() - 1), topDepth, created);
        parentFolded = keys[parentIndex].folded;
    }
    auto pos = static_cast<int>(keys.size());
    int firstBelow = -1;
    for (size_t i = 0; i < keys.size() && firstBelow < 0; ++i)
        if (!keys[i].removal && IsBelow(keys[i], folded)) firstBelow = static_cast<int>(i);
    if (firstBelow >= 0) {
        pos = firstBelow;
    } else if (parentIndex >= 0) {
        pos = parentIndex + 1;
        for (size_t i = 0; i < keys.size(); ++i)
            if (IsAtOrBelow(keys[i], parentFolded)) pos = std::max(pos, static_cast<int>(i) + 1);
    }
    RegKey key;
    // Keep the spelling already in use for the components the key shares.
    if (firstBelow >= 0)
        key.path = keys[firstBelow].path.mid(0, path.size());
    else if (parentIndex >= 0)
        key.path = keys[parentIndex].path + QStringList{path.last()};
    else
        key.path = path;
    key.folded = folded;
    keys.insert(keys.begin() + pos, std::move(key));
    indexedSize_ = static_cast<size_t>(-1);
    created = true;
    return pos;
}

bool RegDocument::EraseTree(const QString& foldedPath) {
    auto before = keys.size();
    std::erase_if(keys, [&](const RegKey& k) { return IsAtOrBelow(k, foldedPath); });
    indexedSize_ = static_cast<size_t>(-1);
    return keys.size() != before;
}

}  // namespace norvane
