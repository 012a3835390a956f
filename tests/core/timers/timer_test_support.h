#pragma once
// Shared by the timer tests: a private settings file per test and quick builders.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "core/timers/timer_sets.h"

namespace norvane::testing_support {

// A fresh folder holding the test's own settings file (and any data files).
class TempFolder {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString settings() const { return file(QStringLiteral("settings.reg")); }

private:
    QTemporaryDir dir_;
};

// Two sound folders under `root`, as an alarm set meets them: "sounds/" with two
// wave files and a text file beside them, "other/" with one wave file. Both
// paths end in "/"; false when a file could not be made.
struct SoundFolders {
    QString sounds, other;
};
inline bool MakeSoundFolders(const QString& root, SoundFolders& out) {
    out = {root + "/sounds/", root + "/other/"};
    if (!QDir().mkpath(out.sounds) || !QDir().mkpath(out.other)) return false;
    for (const QString& f : {out.sounds + "bell.wav", out.sounds + "gong.wav", out.sounds + "notes.txt",
                             out.other + "horn.wav"}) {
        QFile file(f);
        if (!file.open(QIODevice::WriteOnly)) return false;
    }
    return true;
}

inline TTimerSet MakeSet(const QString& name, const QString& kind, int value, int s0 = 0,
                         int s1 = 0, int s2 = 0) {
    TTimerSet set;
    set.Used = true;
    set.Name = name;
    set.Kind = kind;
    set.Value = value;
    set.Section = {s0, s1, s2};
    return set;
}

inline TAlarmSet MakeAlarm(const QString& name, QString f0, int s0, QString f1 = {}, int s1 = 0,
                           QString f2 = {}, int s2 = 0) {
    TAlarmSet a;
    a.Used = true;
    a.Name = name;
    a.Section[0] = {!f0.isEmpty(), false, f0, s0};
    a.Section[1] = {!f1.isEmpty(), false, f1, s1};
    a.Section[2] = {!f2.isEmpty(), false, f2, s2};
    return a;
}

}  // namespace norvane::testing_support
