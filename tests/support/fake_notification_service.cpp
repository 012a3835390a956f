#include "support/fake_notification_service.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>
#include <QVariantMap>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace norvane {
namespace {

const QString kConnection = QStringLiteral("fake-notifications");

class Service : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    std::vector<NotifyCall> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

public slots:
    uint Notify(const QString& app, uint, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout) {
        NotifyCall c{app, icon, summary, body, actions, 0, 0, timeout, 0};
        if (hints.contains(QStringLiteral("image-data"))) {
            const QDBusArgument arg = hints.value(QStringLiteral("image-data")).value<QDBusArgument>();
            int w = 0, h = 0, stride = 0, bits = 0, channels = 0;
            bool alpha = false;
            QByteArray data;
            arg.beginStructure();
            arg >> w >> h >> stride >> alpha >> bits >> channels >> data;
            arg.endStructure();
            if (data.size() == qsizetype{stride} * h && channels == 4) c.imageWidth = w, c.imageHeight = h;
        }
        std::lock_guard lock(mutex_);
        c.id = static_cast<std::uint32_t>(calls_.size() + 1);
        calls_.push_back(c);
        return c.id;
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }

private:
    mutable std::mutex mutex_;
    std::vector<NotifyCall> calls_;
};

}  // namespace

struct FakeNotificationService::Impl {
    QTemporaryDir dir;
    pid_t daemon = -1;
    QString address;
    Service* service = nullptr;
    QThread thread;
};

FakeNotificationService::FakeNotificationService() : impl_(std::make_unique<Impl>()) {
    if (access("/usr/bin/dbus-daemon", X_OK) != 0) return;
    const QString conf = impl_->dir.filePath("bus.conf");
    QFile f(conf);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
                           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                           "<busconfig><type>session</type><listen>unix:dir=%1</listen><auth>EXTERNAL</auth>\n"
                           "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                           "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
                .arg(impl_->dir.path())
                .toUtf8());
    f.close();
    int out[2];
    if (pipe(out) != 0) return;
    const QByteArray confArg = ("--config-file=" + conf).toUtf8();
    char* argv[] = {const_cast<char*>("/usr/bin/dbus-daemon"), const_cast<char*>(confArg.constData()),
                    const_cast<char*>("--print-address"), const_cast<char*>("--nofork"),
                    const_cast<char*>("--nopidfile"), nullptr};
    impl_->daemon = fork();
    if (impl_->daemon == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[0], argv);
        _exit(127);
    }
    close(out[1]);
    // The address is the first line the daemon prints.
    QByteArray line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    if (line.isEmpty()) return;
    impl_->address = QString::fromUtf8(line);
    // Read by the D-Bus library when the program first asks for the session bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", line);
    impl_->service = new Service;
    impl_->service->moveToThread(&impl_->thread);
    impl_->thread.start();
    QDBusConnection bus = QDBusConnection::connectToBus(impl_->address, kConnection);
    bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), impl_->service,
                       QDBusConnection::ExportAllSlots);
}

FakeNotificationService::~FakeNotificationService() {
    if (impl_->service) {
        QDBusConnection::disconnectFromBus(kConnection);
        impl_->thread.quit();
        impl_->thread.wait();
        delete impl_->service;
    }
    if (impl_->daemon > 0) {
        kill(impl_->daemon, SIGTERM);
        waitpid(impl_->daemon, nullptr, 0);
    }
}

bool FakeNotificationService::Running() const { return impl_->service != nullptr; }

bool FakeNotificationService::Register() {
    return QDBusConnection(kConnection).registerService(QStringLiteral("org.freedesktop.Notifications"));
}

void FakeNotificationService::Unregister() {
    QDBusConnection(kConnection).unregisterService(QStringLiteral("org.freedesktop.Notifications"));
}

std::vector<NotifyCall> FakeNotificationService::Calls() const {
    return impl_->service ? impl_->service->Calls() : std::vector<NotifyCall>{};
}

void FakeNotificationService::Invoke(std::uint32_t id, const QString& action) {
    QDBusMessage m = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                QStringLiteral("org.freedesktop.Notifications"),
                                                QStringLiteral("ActionInvoked"));
    m << id << action;
    QDBusConnection(kConnection).send(m);
}

void FakeNotificationService::Close(std::uint32_t id, std::uint32_t reason) {
    QDBusMessage m = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                QStringLiteral("org.freedesktop.Notifications"),
                                                QStringLiteral("NotificationClosed"));
    m << id << reason;
    QDBusConnection(kConnection).send(m);
}

}  // namespace norvane

#include "fake_notification_service.moc"
