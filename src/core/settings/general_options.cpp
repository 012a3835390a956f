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
    o.wheelOwn = store.Read(setting::kWheelOwn, d.wheelOwn);
    o.wheelLines = std::clamp(store.Read(setting::kWheelLines), kWheelLinesMin, kWheelLinesMax);
    o.timeServerAccess = store.Read(*kTimeServerAccess.ask);
    o.webAccess = store.Read(*kWebAccess.ask);
    o.newVersionAccess = store.Read(*kNewVersionAccess.ask);
    return o;
}

void StoreWheelOptions(SettingsStore& store, bool own, int lines) {
    store.Write(setting::kWheelOwn, own);
    store.Write(setting::kWheelLines, static_cast<std::int16_t>(lines));
}

void StoreAccessOptions(SettingsStore& store, bool timeServer, bool web, bool newVersion) {
    store.Write(*kTimeServerAccess.ask, timeServer);
    store.Write(*kWebAccess.ask, web);
    store.Write(*kNewVersionAccess.ask, newVersion);
}

QString TimeNowText(const EarthTime& local) {
    return QStringLiteral("現在の時刻 : ") + QString::fromStdString(FormatEarthTime(local));
}

}  // namespace norvane
