// The D-Bus half of the desktop notifications, a module of its own loaded when
// the first notification is shown, so that a session that notifies nothing
// never loads Qt's D-Bus module nor connects to the bus.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <cstdint>
#include <cstdio>

#include "platform/notify_listener.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// A notification service answers at once; a hung one must not hold the window long.
constexpr int kCallTimeoutMs = 3'000;

using norvane::notify_module::EventFn;
using norvane::notify_module::Listener;

void Report(const QString& text, char* error, std::size_t size) {
    if (size > 0) std::snprintf(error, size, "%s", text.toUtf8().constData());
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void* norvane_notify_open(EventFn event, void* context,
                                                                           char* error, std::size_t errorSize) {
    if (QCoreApplication::instance() == nullptr) {
        Report(QStringLiteral("notifications need a running application"), error, errorSize);
        return nullptr;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Report(QStringLiteral("no session bus: ") + bus.lastError().message(), error, errorSize);
        return nullptr;
    }
    auto* listener = new Listener(event, context);
    const QString iface = kService;
    bus.connect(kService, kPath, iface, QStringLiteral("ActionInvoked"), listener,
                SLOT(ActionInvoked(uint, QString)));
    bus.connect(kService, kPath, iface, QStringLiteral("NotificationClosed"), listener,
                SLOT(NotificationClosed(uint, uint)));
    return listener;
}

extern "C" __attribute__((visibility("default"))) std::uint32_t norvane_notify_show(
    void*, const char* summary, const char* body, int iconWidth, int iconHeight, const unsigned char* iconRgba,
    char* error, std::size_t errorSize) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    QVariantMap hints;
    if (iconRgba != nullptr && iconWidth > 0 && iconHeight > 0) {
        // The icon's pixels themselves: the program is not installed with an icon theme.
        QDBusArgument image;
        image.beginStructure();
        image << iconWidth << iconHeight << iconWidth * 4 << true << 8 << 4
              << QByteArray(reinterpret_cast<const char*>(iconRgba), qsizetype{iconWidth} * iconHeight * 4);
        image.endStructure();
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(image));
    }
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("norvane"));
    call << QStringLiteral("Norvane") << 0u << QString() << QString::fromUtf8(summary) << QString::fromUtf8(body)
         << QStringList{QStringLiteral("default"), QStringLiteral("開く")} << hints << -1;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        Report(reply.errorName() + QStringLiteral(": ") + reply.errorMessage(), error, errorSize);
        return 0;
    }
    return reply.arguments().first().toUInt();
}

extern "C" __attribute__((visibility("default"))) void norvane_notify_close(void* handle) {
    // At the end of the process the application (and the bus) may be gone first.
    if (QCoreApplication::instance() != nullptr) delete static_cast<Listener*>(handle);
}
