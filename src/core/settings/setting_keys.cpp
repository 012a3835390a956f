#include "core/settings/setting_keys.h"

namespace norvane::setting {
namespace {

template <class T>
NumberedKey<T> At(const QString& section, const QString& name, T fallback) {
    return {section, name, fallback};
}

QString SubSection(const QString& set, int k) { return set + QStringLiteral("\\Section%1").arg(k); }

}  // namespace

NumberedKey<const char*> ServerHistoryItem(int index) {
    return At(QStringLiteral("Time\\History"), QStringLiteral("Item%1").arg(index, 2, 10, QLatin1Char('0')), "");
}

NumberedKey<int> CellTimerSet(int cell) {
    return At(QStringLiteral("Timer"), QStringLiteral("Item%1").arg(cell + 1), -1);
}

NumberedKey<int> CellAlarmSet(int cell) {
    return At(QStringLiteral("Timer\\Alarm"), QStringLiteral("Item%1").arg(cell), 0);
}

QString TimerSetSection(int index) { return QString::asprintf("Timer\\Timer-Set%.2d", index); }
QString AlarmSetSection(int index) { return QString::asprintf("Alarm\\Alarm-Set%.2d", index); }

TimerSetKeys TimerSetKeysOf(int index) {
    const QString s = TimerSetSection(index);
    TimerSetKeys k{At(s, QStringLiteral("Name"), ""), At(s, QStringLiteral("Option"), ""),
                   At(s, QStringLiteral("Timer"), 0), {}};
    for (int i = 0; i < 3; ++i) k.seconds[static_cast<std::size_t>(i)] = At(SubSection(s, i), QStringLiteral("Second"), 0);
    return k;
}

AlarmSetKeys AlarmSetKeysOf(int index) {
    const QString s = AlarmSetSection(index);
    AlarmSetKeys k{At(s, QStringLiteral("Name"), ""), {}, {}};
    for (int i = 0; i < 3; ++i) {
        k.files[static_cast<std::size_t>(i)] = At(SubSection(s, i), QStringLiteral("Filename"), "");
        k.seconds[static_cast<std::size_t>(i)] = At(SubSection(s, i), QStringLiteral("Second"), 0);
    }
    return k;
}

}  // namespace norvane::setting
