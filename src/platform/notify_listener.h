#pragma once
// The notifications module's ear on the bus: the service's two signals, handed
// on to the program through a plain function, as the module's calls are.
#include <QObject>
#include <QString>

#include <cstdint>

namespace norvane::notify_module {

// kind 0: the notification was clicked; 1: it was closed.
using EventFn = void (*)(void* context, std::uint32_t id, int kind);

class Listener : public QObject {
    Q_OBJECT
public:
    Listener(EventFn onEvent, void* context) : event_(onEvent), context_(context) {}

public slots:
    void ActionInvoked(uint id, const QString& action) {
        if (action == QLatin1String("default")) event_(context_, id, 0);
    }
    void NotificationClosed(uint id, uint) { event_(context_, id, 1); }

private:
    EventFn event_;
    void* context_;
};

}  // namespace norvane::notify_module
