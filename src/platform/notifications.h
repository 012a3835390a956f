#pragma once
// Desktop notifications, behind one small interface so that tests never show
// real ones. The desktop's notification service is reached over D-Bus
// (org.freedesktop.Notifications) by a module beside the program
// ("libnorvane_notify.so"), loaded when the first notification is shown: a
// session that notifies nothing never connects to the bus.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace norvane {

struct Notification {
    std::string summary;  // UTF-8
    std::string body;
    // The program's icon, sent with the notification: rows of 32-bit RGBA.
    int iconWidth = 0;
    int iconHeight = 0;
    std::vector<unsigned char> iconRgba;
};

class Notifier {
public:
    struct Handlers {
        std::function<void(std::uint32_t id)> activated;  // the player clicked it
        std::function<void(std::uint32_t id)> closed;     // it went away, clicked or not
    };

    virtual ~Notifier() = default;
    // Shows it and returns the id the service gave; 0 when nothing could be
    // shown (no bus, no service), which is written once to the log and
    // otherwise goes unsaid.
    virtual std::uint32_t Show(const Notification& n) = 0;
    // Called from the event loop of the thread that showed.
    void SetHandlers(Handlers handlers) { handlers_ = std::move(handlers); }

protected:
    Handlers handlers_;
};

// The D-Bus notifier with the module at `modulePath`, on the session bus.
std::unique_ptr<Notifier> DBusNotifier(const std::string& modulePath);

// The notifier every part of the program uses: DBusNotifier with the module
// beside the program.
Notifier& notifier();

// Replaces the process notifier while alive (tests); restores the previous one on destruction.
class ScopedNotifier {
public:
    explicit ScopedNotifier(Notifier& n);
    ~ScopedNotifier();
    ScopedNotifier(const ScopedNotifier&) = delete;
    ScopedNotifier& operator=(const ScopedNotifier&) = delete;

private:
    Notifier* previous_;
};

}  // namespace norvane
