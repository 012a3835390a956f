#include "core/settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <cerrno>
#include <chrono>
#include <map>
#include <set>
#include <utility>

#include "core/settings/settings_notice.h"
#include "platform/bounded_file.h"
#include "platform/durable_file.h"
#include "platform/os_clock.h"

namespace norvane {

struct SharedSettings {
    QString path;  // the file itself, symbolic links resolved
    QString link;  // the path given, when it is a symbolic link
    std::mutex mutex;
    RegDocument doc;
    // What the document was read from or saved as, so that an unchanged file is
    // not read again: the file's stamp and the count of saves in the lock file.
    bool loaded = false;
    bool settled = false;  // false: the stamp was taken too soon after a change to prove anything
    FileStamp stamp;
    std::uint64_t saves = 0;
    bool dirty = false;        // changes not yet on disk
    bool saveBlocked = false;  // the file could not be read or copied aside: leave it alone
    bool saveLater = false;    // the closing accessor leaves the save to the next one
    int users = 0;
    FileLock lock;
};

namespace {

constexpr auto kLockWait = std::chrono::seconds(10);
// Far beyond any settings file the program writes; what is larger is not read.
constexpr std::int64_t kMaxSettingsBytes = 16 * 1024 * 1024;

std::mutex g_filesMutex;  // guards the map and every open and close
std::map<QString, std::shared_ptr<SharedSettings>> g_files;
std::mutex g_reportMutex;
std::set<QString> g_reported;

Q_LOGGING_CATEGORY(lcSettings, "norvane.settings")

void Report(const QString& message) { qCWarning(lcSettings).noquote() << message; }

// A problem that would repeat with every accessor is told once per process.
void ReportOnce(const QString& kind, const QString& path, const QString& message) {
    {
        std::lock_guard guard(g_reportMutex);
        if (!g_reported.insert(kind + QLatin1Char(':') + path).second) return;
    }
    Report(message);
}

struct ResolvedPath {
    QString path;
    QString link;
};

// A symbolic link to the file stays a link (settings kept in a synced folder):
// the file it points to is replaced. A link that leads nowhere stays the path.
ResolvedPath ResolvePath(const QString& given) {
    QFileInfo info(given);
    ResolvedPath r{QDir::cleanPath(info.absoluteFilePath()), {}};
    if (info.isSymLink()) {
        r.link = r.path;
        QString target = info.canonicalFilePath();
        if (!target.isEmpty()) r.path = target;
    }
    return r;
}

void LockFile(SharedSettings& s) {
    // Nothing is made beside what is no file (a device, a folder): it is only refused.
    const FileKind kind = StatFile(s.path).kind;
    if (kind != FileKind::Missing && kind != FileKind::Regular) return;
    QDir().mkpath(QFileInfo(s.path).absolutePath());  // a failure shows at the save
    // Beside the link when there is one: nothing is made beside its target before
    // the target has read as a settings file.
    const QString& base = s.link.isEmpty() ? s.path : s.link;
    Result<FileLock> lock = FileLock::Acquire(base + QStringLiteral(".lock"), kLockWait);
    if (lock) {
        s.lock = std::move(lock).value();
        return;
    }
    // A folder that cannot be written: no other process can save either.
    if (lock.failure().code != EWOULDBLOCK) return;
    ReportOnce(QStringLiteral("lock"), s.path,
               QStringLiteral("the settings file %1 stayed locked by another process; "
                              "going on without the lock").arg(s.path));
}

// Every save adds one to a count kept in the lock file, so that the other
// processes know their document is old even where the file's stamp cannot tell
// (a save of the same size within one tick of the file system's clock).
// After a save, with the lock held. False when the count could not be kept.
bool CountSave(SharedSettings& s) {
    s.saves = s.lock.Count() + 1;
    return s.lock.SetCount(s.saves);
}

// The document is that of the file on disk: nothing to read again.
bool UpToDate(const SharedSettings& s) {
    return s.loaded && s.settled && StatFile(s.path) == s.stamp && s.lock.Count() == s.saves;
}

QString BadCopyName(const QString& path) {
    EarthTime t = osClock().localNow();
    QString base = path + QString::asprintf(".bad-%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day,
                                            t.hour, t.minute, t.second);
    QString name = base;
    auto taken = [](const QString& n) { return QFileInfo::exists(n) || QFileInfo(n).isSymLink(); };
    for (int n = 2; taken(name); ++n) name = base + QStringLiteral("-%1").arg(n);
    return name;
}

QString ProblemText(const RegParseResult& r, bool clean) {
    QStringList parts;
    if (r.headerMissing) parts << QStringLiteral("does not begin with \"Windows Registry Editor Version 5.00\"");
    if (!clean) parts << QStringLiteral("holds bytes that are not valid text");
    if (!r.badLines.empty())
        parts << QStringLiteral("has %1 line(s) that could not be read (the first is line %2)")
                     .arg(r.badLines.size())
                     .arg(r.badLines.front());
    return parts.join(QStringLiteral(" and "));
}

// Keeps the broken original beside the file before the cleaned text replaces it.
void CopyAside(SharedSettings& s, const QByteArray& bytes, const RegParseResult& r, bool clean) {
    const QString problem = ProblemText(r, clean);
    const QString damage = SettingsDamageText(r.headerMissing, !clean, static_cast<int>(r.badLines.size()),
                                              r.badLines.empty() ? 0 : r.badLines.front());
    const QString copy = BadCopyName(s.path);
    const Status written = WriteNewFileDurably(copy, bytes);
    if (written) {
        s.dirty = true;
        QueueSettingsNotice({SettingsNoticeKind::Damaged, s.path, damage, copy});
        Report(QStringLiteral("the settings file %1 %2; every setting that could be read is kept, "
                              "and the original file was copied to %3")
                   .arg(s.path, problem, copy));
        return;
    }
    s.saveBlocked = true;
    const QString& error = written.failure().message;
    QueueSettingsNotice({SettingsNoticeKind::DamagedNotCopied, s.path, damage, error});
    ReportOnce(QStringLiteral("bad"), s.path,
               QStringLiteral("the settings file %1 %2; it could not be copied aside (%3), so it is "
                              "left as it is and settings changed while the program runs are not saved")
                   .arg(s.path, problem, error));
}

// The file is left as it is for the rest of the run: told once, nothing saved over it.
void Refuse(SharedSettings& s, const SettingsNotice& notice, const QString& kind, const QString& message) {
    s.saveBlocked = true;
    QueueSettingsNotice(notice);
    ReportOnce(kind, s.path, message);
}

void RefuseLink(SharedSettings& s, const QString& reason, const QString& problem) {
    const QString target = QFileInfo(s.link).symLinkTarget();
    Refuse(s, {SettingsNoticeKind::LinkRefused, s.link, reason, target}, QStringLiteral("link"),
           QStringLiteral("the settings file %1 is a link to %2, which %3; nothing is saved there, and "
                          "settings changed while the program runs are kept in memory only")
               .arg(s.link, target, problem));
}

void Load(SharedSettings& s) {
    s.saveBlocked = false;
    s.doc = ParseRegText(QString()).doc;
    const FileRead read = ReadBoundedFile(s.path, kMaxSettingsBytes);
    s.loaded = true;
    s.stamp = read.stamp;
    s.saves = s.lock.Count();
    s.settled = !RecentlyModified(read.stamp);
    const QString problem = FileReadProblem(read, kMaxSettingsBytes);
    const QString leftAlone = QStringLiteral("the settings file %1 %2; the defaults are used and nothing is saved "
                                             "over it").arg(s.path, problem);
    switch (read.status) {
    case FileReadStatus::Read: break;
    case FileReadStatus::Missing:
        if (!s.link.isEmpty())
            RefuseLink(s, QStringLiteral("リンク先のファイルがありません。"), QStringLiteral("does not exist"));
        return;
    case FileReadStatus::NotAFile:
        Refuse(s, {SettingsNoticeKind::NotAFile, s.path, SettingsNotAFileText(read.stamp.kind)},
               QStringLiteral("kind"), leftAlone);
        return;
    case FileReadStatus::TooLarge:
        Refuse(s, {SettingsNoticeKind::TooLarge, s.path, QStringLiteral("%1 MB").arg(kMaxSettingsBytes >> 20)},
               QStringLiteral("size"), leftAlone);
        return;
    case FileReadStatus::Failed:
        Refuse(s, {SettingsNoticeKind::Unreadable, s.path, problem}, QStringLiteral("read"),
               QStringLiteral("cannot read the settings file %1 (%2); the defaults are used and the file is "
                              "left as it is").arg(s.path, problem));
        return;
    }
    bool clean = true;
    RegParseResult r = ParseRegText(DecodeRegBytes(read.bytes, clean));
    s.doc = std::move(r.doc);
    // Through a link the file may be anything the link was pointed at: what does
    // not read as settings at all is never replaced.
    if (!s.link.isEmpty() && (r.headerMissing || (s.doc.keys.empty() && !r.badLines.empty()))) {
        RefuseLink(s, QStringLiteral("レジストリのエクスポート形式のファイルではありません。"),
                   QStringLiteral("is not a registry export"));
        return;
    }
    if (!clean || r.headerMissing || !r.badLines.empty()) CopyAside(s, read.bytes, r, clean);
}

bool Save(SharedSettings& s) {
    const Status saved = ReplaceFileDurably(s.path, FormatRegText(s.doc).toUtf8());
    if (saved) {
        // What is on disk now is this document.
        s.stamp = StatFile(s.path);
        s.settled = CountSave(s);
        s.loaded = true;
        return true;
    }
    const Failure& failure = saved.failure();
    QueueSettingsNotice({SaveFailureKind(failure.code), s.path, failure.message});
    ReportOnce(QStringLiteral("save"), s.path,
               QStringLiteral("cannot save the settings to %1 (%2); changed settings are kept in "
                              "memory while the program runs")
                   .arg(s.path, failure.message));
    return false;
}

std::shared_ptr<SharedSettings> Acquire(const QString& given) {
    const ResolvedPath resolved = ResolvePath(given);
    std::lock_guard guard(g_filesMutex);
    auto& s = g_files[resolved.path];
    if (!s) {
        s = std::make_shared<SharedSettings>();
        s->path = resolved.path;
    }
    if (s->users++ == 0) {
        s->link = resolved.link;
        LockFile(*s);
        // A save cut off by a crash leaves its temporary; with the lock held no save
        // is under way, so it goes now rather than lingering until the next save.
        if (s->lock.held()) RemoveStaleTemporaries(s->path);
        // Unsaved values of an earlier failed save win; a file unchanged on disk
        // is not read again.
        if (!s->dirty && !UpToDate(*s)) Load(*s);
    }
    return s;
}

// The document stays for the next accessor, which reads the file again only
// when it changed.
void Release(const std::shared_ptr<SharedSettings>& s) {
    std::lock_guard guard(g_filesMutex);
    if (--s->users > 0) return;
    const bool later = std::exchange(s->saveLater, false);
    if (s->dirty && !s->saveBlocked && !later && Save(*s)) s->dirty = false;
    s->lock.Release();
}

}  // namespace

SettingsFile::SettingsFile(const QString& path) : shared_(Acquire(path)) {}

SettingsFile::~SettingsFile() { Release(shared_); }

std::unique_lock<std::mutex> SettingsFile::Lock() const { return std::unique_lock(shared_->mutex); }

RegDocument& SettingsFile::Document() const { return shared_->doc; }

void SettingsFile::MarkChanged() { shared_->dirty = true; }

void SettingsFile::SaveLater() {
    std::lock_guard guard(g_filesMutex);
    if (shared_->users == 1) shared_->saveLater = true;
}

void ReportSettingsProblemOnce(const QString& key, const QString& message) {
    ReportOnce(QStringLiteral("other"), key, message);
}

}  // namespace norvane
