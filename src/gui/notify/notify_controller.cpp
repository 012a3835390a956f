#include "gui/notify/notify_controller.h"

#include <QIcon>

#include "core/notify/notify_decision.h"
#include "core/schedules/schedule_common.h"
#include "core/settings/settings_store.h"
#include "core/time/earth_time.h"
#include "gui/art/pictures.h"
#include "platform/notifications.h"

namespace norvane {

TNotifyController::TNotifyController(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("notifyMain"));
    {
        SettingsStore store;
        keys_ = ReadNotifiedKeys(store);
    }
    notifier().SetHandlers({[this](std::uint32_t id) {
                                if (auto it = shown_.find(id); it != shown_.end()) emit pageRequested(it->second);
                            },
                            [this](std::uint32_t id) { shown_.erase(id); }});
}

TNotifyController::~TNotifyController() { notifier().SetHandlers({}); }

void TNotifyController::SetChoices(const NotifyChoices& choices) {
    choices_ = choices;
    upcoming_.SetChoices(choices.events);
}

void TNotifyController::Tick(const TimerCells& cells) {
    const EarthTime utc = GetUtcNow();
    const int bias = GetLocalBias();
    const std::int64_t now = EarthMilliseconds(utc);
    if (choices_.timers) upcoming_.UpdateTimers(cells, osClock().tickCount(), now, bias);
    const NotifyDecision d = DecideNotifications(upcoming_.At(ScheduleMomentAt(utc, bias)), now, choices_, keys_);
    if (d.keysChanged) {
        // Kept before showing, so that a crash in between announces nothing twice.
        keys_ = d.keys;
        SettingsStore store;
        WriteNotifiedKeys(store, keys_);
    }
    if (d.due.empty()) return;
    if (icon_.isNull()) {
        icon_ = WindowIcon().pixmap(48, 48).toImage().convertToFormat(QImage::Format_RGBA8888);
        for (int y = 0; y < icon_.height(); ++y) {
            const uchar* row = icon_.constScanLine(y);
            iconRgba_.insert(iconRgba_.end(), row, row + icon_.width() * 4);
        }
    }
    for (const UpcomingEvent& e : d.due) {
        const NotificationText text = NotificationTextFor(e, now);
        const Notification n{text.summary, text.body, icon_.width(), icon_.height(), iconRgba_};
        if (const std::uint32_t id = notifier().Show(n)) shown_[id] = text.page;
    }
}

}  // namespace norvane
