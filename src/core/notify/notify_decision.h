#pragma once
// Which upcoming events to announce at a moment, and what the announcement
// says. Plain functions of the events, the moment, the player's choices and the
// events already announced, so that a restart, a clock change or a wake from
// standby is only another call.
#include <cstdint>
#include <string>
#include <vector>

#include "core/main_window/page.h"
#include "core/notify/notify_choices.h"
#include "core/schedules/upcoming_events.h"

namespace norvane {

// An event is announced from this long before it at the earliest even when the
// player asked for 0 minutes: the list drops an event when its game minute
// begins, so "at the moment itself" is the game minute before it.
inline constexpr std::int64_t kNotifyMinLeadMs = 2'400;
// Announced keys are kept this long after their instant, so that a clock set
// back a little (by hand, or by a time synchronisation) announces nothing twice.
inline constexpr std::int64_t kNotifiedKeepMs = 60 * 60'000;

struct NotifyDecision {
    std::vector<UpcomingEvent> due;    // to announce now, earliest first
    std::vector<NotifiedKey> keys;     // the keys to keep: the given ones not long past, and the due ones
    bool keysChanged = false;          // keys differ from the given ones
};

// The chosen events still ahead of `nowUtcMs` and within the chosen minutes of
// it that were not announced before. Events that passed while the machine
// slept or the clock jumped are no longer in the list, and are not announced.
NotifyDecision DecideNotifications(const std::vector<UpcomingEvent>& events, std::int64_t nowUtcMs,
                                   const NotifyChoices& choices, const std::vector<NotifiedKey>& notified);

// Whether the choices announce an event of this kind and subject.
bool Chosen(const NotifyChoices& choices, EventKind kind, int subject);

struct NotificationText {
    std::string summary;  // what
    std::string body;     // when, in Earth and game time, and the time left
    Page page = Page::Timer;  // the page the event belongs to
};

NotificationText NotificationTextFor(const UpcomingEvent& e, std::int64_t nowUtcMs);

// A route as the "通知" page lists it: "ジュノ → サンドリア", "セルビナ─マウラ航路".
std::string RouteCaption(int route);

}  // namespace norvane
