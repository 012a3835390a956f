// The time-service half of the clock setter, against a private D-Bus daemon that
// stands in for the system bus and a fake systemd-timedated on it. Nothing here
// can set the real clock: the direct route (clock_settime) is never taken.
#include "platform/pc_clock.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace norvane {
namespace {

using namespace std::chrono;

// Answers SetTime with success or with the error it is told to give, and keeps
// what it was asked.
class FakeTimedate : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")

public:
    struct Call {
        qlonglong usec = 0;
        bool relative = true;
        bool interactive = false;
        bool interactiveAllowed = false;
    };

    void Answer(QString name, QString text) {
        std::lock_guard lock(mutex_);
        errorName_ = std::move(name);
        errorText_ = std::move(text);
    }
    std::vector<Call> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

public slots:
    void SetTime(qlonglong usec, bool relative, bool interactive) {
        std::lock_guard lock(mutex_);
        calls_.push_back({usec, relative, interactive, message().isInteractiveAuthorizationAllowed()});
        if (!errorName_.isEmpty()) sendErrorReply(errorName_, errorText_);
    }

private:
    mutable std::mutex mutex_;
    QString errorName_, errorText_;
    std::vector<Call> calls_;
};

class TimedateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (access("/usr/bin/dbus-daemon", X_OK) != 0) return;
        dir_ = new QTemporaryDir;
        const QString socket = dir_->filePath("bus");
        const QString conf = dir_->filePath("bus.conf");
        QFile f(conf);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
                               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                               "<busconfig><type>session</type><listen>unix:path=%1</listen><auth>EXTERNAL</auth>\n"
                               "<policy context=\"default\"><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                               "<allow own=\"*\"/>"
                               "</policy></busconfig>\n")
                    .arg(socket)
                    .toUtf8());
        f.close();
        const QByteArray confArg = ("--config-file=" + conf).toUtf8();
        char* argv[] = {const_cast<char*>("/usr/bin/dbus-daemon"), const_cast<char*>(confArg.constData()),
                        const_cast<char*>("--nofork"), const_cast<char*>("--nopidfile"), nullptr};
        daemon_ = fork();
        if (daemon_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            execv(argv[0], argv);
            _exit(127);
        }
        for (int i = 0; i < 250 && !QFile::exists(socket); ++i) std::this_thread::sleep_for(milliseconds(20));
        address_ = "unix:path=" + socket;
        // Read by the D-Bus library when the module first asks for the system bus.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());

        service_ = new FakeTimedate;
        thread_ = new QThread;
        service_->moveToThread(thread_);
        thread_->start();
        QDBusConnection bus = QDBusConnection::connectToBus(address_, QStringLiteral("fake-timedated"));
        bus.registerObject(QStringLiteral("/org/freedesktop/timedate1"), service_, QDBusConnection::ExportAllSlots);
        registered_ = bus.registerService(QStringLiteral("org.freedesktop.timedate1"));
    }

    static void TearDownTestSuite() {
        if (thread_) {
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-timedated"));
            thread_->quit();
            thread_->wait();
            delete service_;
            delete thread_;
        }
        if (daemon_ > 0) {
            kill(daemon_, SIGTERM);
            waitpid(daemon_, nullptr, 0);
        }
        delete dir_;
    }

    void SetUp() override {
        if (daemon_ <= 0) GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon; see scripts/setup)";
        ASSERT_TRUE(registered_) << "the fake time service could not take its name on " << address_.toStdString();
    }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline pid_t daemon_ = -1;
    static inline QString address_;
    static inline FakeTimedate* service_ = nullptr;
    static inline QThread* thread_ = nullptr;
    static inline bool registered_ = false;
};

TEST_F(TimedateTest, AsksForTheAbsoluteTimeWithConsentAndReadsEachRefusal) {
    struct Case {
        const char* errorName;
        const char* errorText;
        SetResult::Status status;
        const char* reason;
    };
    const Case cases[] = {
        {"", "", SetResult::Status::Set, ""},
        {"org.freedesktop.timedate1.AutomaticTimeSyncEnabled", "Automatic time synchronization is enabled",
         SetResult::Status::AutomaticSync, "Automatic time synchronization is enabled"},
        {"org.freedesktop.DBus.Error.AccessDenied", "Access denied", SetResult::Status::Refused, "Access denied"},
        {"org.freedesktop.DBus.Error.InteractiveAuthorizationRequired", "Interactive authentication required.",
         SetResult::Status::Refused, "Interactive authentication required."},
        {"org.freedesktop.DBus.Error.Failed", "Failed to set time: Operation not permitted",
         SetResult::Status::Failed, "Operation not permitted"},
    };
    const auto clock = TimedatePcClock(TIMEDATE_MODULE);
    const system_clock::time_point t = system_clock::now() + hours(1) + microseconds(123);
    std::size_t calls = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.errorName);
        service_->Answer(c.errorName, c.errorText);
        const SetResult r = clock->Set(t);
        EXPECT_EQ(r.status, c.status) << r.reason;
        EXPECT_NE(r.reason.find(c.reason), std::string::npos) << r.reason;
        EXPECT_EQ(r.ok(), c.status == SetResult::Status::Set);
        const auto seen = service_->Calls();
        ASSERT_EQ(seen.size(), ++calls);
        EXPECT_EQ(seen.back().usec, duration_cast<microseconds>(t.time_since_epoch()).count());
        EXPECT_FALSE(seen.back().relative);
        // The service may ask the user for the administrator's consent.
        EXPECT_TRUE(seen.back().interactive);
        EXPECT_TRUE(seen.back().interactiveAllowed);
    }
}

TEST_F(TimedateTest, NoServiceOrNoModuleIsAFailureWithItsReason) {
    const SetResult missing = TimedatePcClock("/nonexistent/libnorvane_timedate.so")->Set(system_clock::now());
    EXPECT_EQ(missing.status, SetResult::Status::Failed);
    EXPECT_NE(missing.reason.find("cannot be loaded"), std::string::npos) << missing.reason;

    QDBusConnection bus(QStringLiteral("fake-timedated"));
    ASSERT_TRUE(bus.unregisterService(QStringLiteral("org.freedesktop.timedate1")));
    const SetResult r = TimedatePcClock(TIMEDATE_MODULE)->Set(system_clock::now());
    EXPECT_EQ(r.status, SetResult::Status::Failed);
    EXPECT_NE(r.reason.find("org.freedesktop.timedate1"), std::string::npos) << r.reason;
    registered_ = bus.registerService(QStringLiteral("org.freedesktop.timedate1"));
}

}  // namespace
}  // namespace norvane

#include "pc_clock_test.moc"
