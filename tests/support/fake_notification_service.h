#pragma once
// A private D-Bus daemon (dbus-daemon with a configuration of its own, no
// service activation) and a notification service on it, answering Notify from a
// thread of its own and keeping what it was asked. The process's session bus
// is pointed at the private daemon before anything connects to it.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

namespace norvane {

struct NotifyCall {
    QString app, icon, summary, body;
    QStringList actions;
    int imageWidth = 0, imageHeight = 0;  // of the "image-data" hint, 0 without one
    int timeout = 0;
    std::uint32_t id = 0;
};

class FakeNotificationService {
public:
    // Starts the daemon; Running() is false when dbus-daemon is not installed.
    FakeNotificationService();
    ~FakeNotificationService();
    FakeNotificationService(const FakeNotificationService&) = delete;
    FakeNotificationService& operator=(const FakeNotificationService&) = delete;

    bool Running() const;
    // Takes the name org.freedesktop.Notifications (or gives it up).
    bool Register();
    void Unregister();

    std::vector<NotifyCall> Calls() const;
    // What the desktop sends when the player clicks a notification or it closes.
    void Invoke(std::uint32_t id, const QString& action);
    void Close(std::uint32_t id, std::uint32_t reason);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace norvane
