#include "core/settings/general_options.h"

#include <algorithm>
#include <cstdint>

#include "core/settings/internet_access.h"
#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"

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

QString TimeNowText(const EarthTime& local) {
    return QStringLiteral("現在の時刻 : ") + QString::fromStdString(FormatEarthTime(local));
}

}  // namespace norvane
