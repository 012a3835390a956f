#pragma once
// The desktop notifications of the main window: at each clock tick, the
// upcoming events the player chose are announced once, the chosen minutes
// ahead, through notifier(); a click on one asks for the page it belongs to.
// Made only while some choice is on, and the notifier connects to the bus
// only when the first announcement is due.
#include <QImage>
#include <QObject>

#include <cstdint>
#include <map>
#include <vector>

#include "core/main_window/page.h"
#include "core/notify/notify_choices.h"
#include "core/schedules/upcoming_events.h"

namespace norvane {

class TNotifyController : public QObject {
    Q_OBJECT
public:
    // Reads the keys already announced from the settings.
    explicit TNotifyController(QObject* parent);
    ~TNotifyController() override;

    void SetChoices(const NotifyChoices& choices);
    // The clock tick, with the timer cells as they are now.
    void Tick(const TimerCells& cells);

signals:
    void pageRequested(Page page);

private:
    NotifyChoices choices_;
    UpcomingEvents upcoming_;
    std::vector<NotifiedKey> keys_;
    std::map<std::uint32_t, Page> shown_;  // notification id -> its page
    QImage icon_;
    std::vector<unsigned char> iconRgba_;  // its rows, as each notification sends them
};

}  // namespace norvane
