#include "platform/desktop_bus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QThreadPool>
#include <atomic>

namespace norvane {

void PrepareDesktopBus() {
    static std::atomic<bool> started{false};
    // The bus refuses (with a warning) to be reached before the application object.
    if (!QCoreApplication::instance() || started.exchange(true)) return;
    QThreadPool::globalInstance()->start([] { (void)QDBusConnection::sessionBus(); });
}

}  // namespace norvane
