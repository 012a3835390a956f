// The D-Bus half of the clock setter, built as a module of its own and loaded on
// the first synchronisation that cannot set the clock directly, so that a session
// that never sets the clock never loads Qt's D-Bus module for it.
//
// systemd-timedated's SetTime asks polkit, which asks the user for the
// administrator's password the way the desktop's own date settings do.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// SetResult::Status of pc_clock.h.
enum Status { kSet = 0, kRefused = 1, kAutomaticSync = 2, kFailed = 3 };

// Long enough for the user to type a password into the consent dialog.
constexpr int kConsentTimeoutMs = 120'000;

int Report(int status, const QString& text, char* reason, std::size_t size) {
    if (size > 0) {
        const QByteArray utf8 = text.toUtf8();
        const std::size_t n = std::min(size - 1, static_cast<std::size_t>(utf8.size()));
        std::memcpy(reason, utf8.constData(), n);
        reason[n] = '\0';
    }
    return status;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int norvane_timedate_set(std::int64_t usecUtc, char* reason,
                                                                           std::size_t reasonSize) {
    if (QCoreApplication::instance() == nullptr)
        return Report(kFailed, QStringLiteral("the time service needs a running application"), reason, reasonSize);
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return Report(kFailed, QStringLiteral("no system bus: ") + bus.lastError().message(), reason, reasonSize);

    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    // Absolute time, not relative: the service allows for the time its consent
    // dialog was up before it sets the clock.
    call << static_cast<qint64>(usecUtc) << false << true;
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kConsentTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) return Report(kSet, QString(), reason, reasonSize);

    const QString name = reply.errorName();
    const QString text = reply.errorMessage().isEmpty() ? name : reply.errorMessage();
    if (name == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return Report(kAutomaticSync, QStringLiteral("automatic time synchronisation is on: ") + text, reason,
                      reasonSize);
    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
        name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired") ||
        name.startsWith(QLatin1String("org.freedesktop.PolicyKit1.Error.")))
        return Report(kRefused, QStringLiteral("the administrator's consent was not given: ") + text, reason,
                      reasonSize);
    return Report(kFailed, QStringLiteral("the time service failed: ") + text, reason, reasonSize);
}
