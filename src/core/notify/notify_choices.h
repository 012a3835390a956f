#pragma once
// What the desktop notifications announce, and the events already announced,
// as kept under the settings key "Notify". Everything is off by default.
#include <cstdint>
#include <string>
#include <vector>

#include "core/schedules/upcoming_events.h"

namespace norvane {

class SettingsStore;

inline constexpr int kNotifyMinutesMax = 60;

struct NotifyChoices {
    // The schedule events that notify; none by default.
    EventChoices events = NoEvents();
    bool timers = false;   // a running timer's end and its alarms
    int minutesAhead = 3;  // Earth minutes before the event, 0-60

    bool Any() const;
    static EventChoices NoEvents();
    friend bool operator==(const NotifyChoices&, const NotifyChoices&) = default;
};

NotifyChoices ReadNotifyChoices(const SettingsStore& store);
void WriteNotifyChoices(SettingsStore& store, const NotifyChoices& choices);

// One event announced: what and its instant. The same event computed again (at
// the next tick, after a restart, after the clock went back) has the same key.
struct NotifiedKey {
    EventKind kind = EventKind::ShipDeparts;
    int subject = 0;
    std::int64_t utcMs = 0;

    friend auto operator<=>(const NotifiedKey&, const NotifiedKey&) = default;
};

NotifiedKey KeyOf(const UpcomingEvent& e);

// "kind,subject,instant" joined by ';'. Reading skips what is malformed and
// keeps at most kNotifiedKeysMax keys, so a hand-edited value cannot grow the
// work of every tick.
inline constexpr std::size_t kNotifiedKeysMax = 512;
std::string FormatNotifiedKeys(const std::vector<NotifiedKey>& keys);
std::vector<NotifiedKey> ParseNotifiedKeys(const std::string& text);

std::vector<NotifiedKey> ReadNotifiedKeys(const SettingsStore& store);
void WriteNotifiedKeys(SettingsStore& store, const std::vector<NotifiedKey>& keys);

}  // namespace norvane
