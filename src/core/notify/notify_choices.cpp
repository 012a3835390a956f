#include "core/notify/notify_choices.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "core/settings/setting_keys.h"
#include "core/settings/settings_store.h"

namespace norvane {
namespace {

using TextKey = SettingKey<const char*>;

template <std::size_t N>
std::bitset<N> ReadBits(const SettingsStore& store, const TextKey& key) {
    const QString text = store.Read(key);
    std::bitset<N> bits;
    for (std::size_t i = 0; i < N && i < static_cast<std::size_t>(text.size()); ++i)
        bits[i] = text[static_cast<qsizetype>(i)] == QLatin1Char('1');
    return bits;
}

template <std::size_t N>
void WriteBits(SettingsStore& store, const TextKey& key, const std::bitset<N>& bits) {
    QString text;
    for (std::size_t i = 0; i < N; ++i) text += bits[i] ? QLatin1Char('1') : QLatin1Char('0');
    store.Write(key, text);
}

bool ParseInt(std::string_view s, std::int64_t& out) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && !s.empty();
}

}  // namespace

EventChoices NotifyChoices::NoEvents() {
    EventChoices none;
    none.routes.reset();
    none.guilds.reset();
    none.weekdays.reset();
    none.moonPhases.reset();
    none.racial = none.chocobo = false;
    return none;
}

bool NotifyChoices::Any() const {
    return timers || events.racial || events.chocobo || events.routes.any() || events.guilds.any() ||
           events.weekdays.any() || events.moonPhases.any();
}

NotifyChoices ReadNotifyChoices(const SettingsStore& store) {
    NotifyChoices c;
    c.events.routes = ReadBits<kShipRouteCount>(store, setting::kNotifyRoutes);
    c.events.guilds = ReadBits<kGuildShopCount>(store, setting::kNotifyGuilds);
    c.events.weekdays = ReadBits<8>(store, setting::kNotifyWeekdays);
    c.events.moonPhases = ReadBits<12>(store, setting::kNotifyMoonPhases);
    c.events.racial = store.Read(setting::kNotifyRacial);
    c.events.chocobo = store.Read(setting::kNotifyChocobo);
    c.timers = store.Read(setting::kNotifyTimers);
    c.minutesAhead = std::clamp(store.Read(setting::kNotifyMinutesAhead), 0, kNotifyMinutesMax);
    return c;
}

void WriteNotifyChoices(SettingsStore& store, const NotifyChoices& c) {
    WriteBits(store, setting::kNotifyRoutes, c.events.routes);
    WriteBits(store, setting::kNotifyGuilds, c.events.guilds);
    WriteBits(store, setting::kNotifyWeekdays, c.events.weekdays);
    WriteBits(store, setting::kNotifyMoonPhases, c.events.moonPhases);
    store.Write(setting::kNotifyRacial, c.events.racial);
    store.Write(setting::kNotifyChocobo, c.events.chocobo);
    store.Write(setting::kNotifyTimers, c.timers);
    store.Write(setting::kNotifyMinutesAhead, std::clamp(c.minutesAhead, 0, kNotifyMinutesMax));
}

NotifiedKey KeyOf(const UpcomingEvent& e) { return {e.kind, e.subject, e.utcMs}; }

std::string FormatNotifiedKeys(const std::vector<NotifiedKey>& keys) {
    std::string text;
    for (const NotifiedKey& k : keys) {
        if (!text.empty()) text += ';';
        text += std::to_string(static_cast<int>(k.kind)) + ',' + std::to_string(k.subject) + ',' +
                std::to_string(k.utcMs);
    }
    return text;
}

std::vector<NotifiedKey> ParseNotifiedKeys(const std::string& text) {
    std::vector<NotifiedKey> keys;
    std::string_view rest = text;
    while (!rest.empty() && keys.size() < kNotifiedKeysMax) {
        const std::size_t semi = rest.find(';');
        std::string_view item = rest.substr(0, semi);
        rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
        const std::size_t a = item.find(','), b = item.find(',', a == std::string_view::npos ? a : a + 1);
        if (a == std::string_view::npos || b == std::string_view::npos) continue;
        std::int64_t kind = 0, subject = 0, ms = 0;
        if (!ParseInt(item.substr(0, a), kind) || !ParseInt(item.substr(a + 1, b - a - 1), subject) ||
            !ParseInt(item.substr(b + 1), ms))
            continue;
        if (kind < 0 || kind > static_cast<int>(EventKind::TimerAlarm) || subject < 0 || subject > 1000) continue;
        keys.push_back({static_cast<EventKind>(kind), static_cast<int>(subject), ms});
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

std::vector<NotifiedKey> ReadNotifiedKeys(const SettingsStore& store) {
    return ParseNotifiedKeys(store.Read(setting::kNotifySent).toStdString());
}

void WriteNotifiedKeys(SettingsStore& store, const std::vector<NotifiedKey>& keys) {
    store.Write(setting::kNotifySent, QString::fromStdString(FormatNotifiedKeys(keys)));
}

}  // namespace norvane
