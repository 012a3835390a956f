#include "core/settings/general_options.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <algorithm>
#include <cstdint>

#include "core/settings/internet_access.h"
#include "core/settings/settings_store.h"

namespace norvane {

GeneralOptions ReadGeneralOptions(const SettingsStore& store) {
    const GeneralOptions d;
    GeneralOptions o;
    o.wheelOwn = store.ReadBool(kScrollSection, "NewEnable", d.wheelOwn);
    o.wheelLines = std::clamp(store.ReadInteger(kScrollSection, "Count", d.wheelLines), kWheelLinesMin, kWheelLinesMax);
    o.timeServerAccess = store.ReadBool(kAccessSection, kTimeServerAccess.value, d.timeServerAccess);
    o.webAccess = store.ReadBool(kAccessSection, kWebAccess.value, d.webAccess);
    o.newVersionAccess = store.ReadBool(kAccessSection, kNewVersionAccess.value, d.newVersionAccess);
    return o;
}

void StoreWheelOptions(SettingsStore& store, bool own, int lines) {
    store.WriteBool(kScrollSection, "NewEnable", own);
    store.WriteInteger(kScrollSection, "Count", static_cast<std::int16_t>(lines));
}

void StoreAccessOptions(SettingsStore& store, bool timeServer, bool web, bool newVersion) {
    store.WriteBool(kAccessSection, kTimeServerAccess.value, timeServer);
    store.WriteBool(kAccessSection, kWebAccess.value, web);
    store.WriteBool(kAccessSection, kNewVersionAccess.value, newVersion);
}

QString TimeNowText(const EarthTime& local, const QLocale& locale) {
    const QDate date(local.year, local.month, local.day);
    const QTime time(local.hour, local.minute, local.second);
    // The long time format may end in a zone name ("t", "tttt"); the clock shows none.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    timeFormat.replace(zone, QStringLiteral(" "));
    return QStringLiteral("現在の時刻 : ") + locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(time, timeFormat.trimmed());
}

}  // namespace norvane
