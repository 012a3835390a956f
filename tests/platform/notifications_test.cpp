// The D-Bus notifier against a notification service on a private bus.
#include "platform/notifications.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QtCore/qtestsupport_core.h>

#include "support/fake_notification_service.h"

namespace norvane {
namespace {

QStringList g_log;
void Collect(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (QByteArray(context.category) == "norvane.notify") g_log.append(text);
}

class NotifierTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { service_ = new FakeNotificationService; }
    static void TearDownTestSuite() {
        notifier_.reset();
        delete service_;
    }
    void SetUp() override {
        if (!service_->Running()) GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon; see scripts/setup)";
        if (!notifier_) notifier_ = DBusNotifier(NOTIFY_MODULE);
    }

    static inline FakeNotificationService* service_ = nullptr;
    static inline std::unique_ptr<Notifier> notifier_;
};

TEST_F(NotifierTest, WithoutAServiceNothingIsShownAndTheLogSaysSoOnce) {
    g_log.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    EXPECT_EQ(notifier_->Show({"a", "b"}), 0u);
    EXPECT_EQ(notifier_->Show({"a", "b"}), 0u);
    qInstallMessageHandler(previous);
    ASSERT_EQ(g_log.size(), 1);
    EXPECT_TRUE(g_log[0].contains("ServiceUnknown")) << g_log[0].toStdString();
}

TEST_F(NotifierTest, SendsTheTextsIconAndActionAndHearsTheClickAndTheClose) {
    ASSERT_TRUE(service_->Register());
    std::vector<std::uint32_t> activated, closed;
    notifier_->SetHandlers({[&](std::uint32_t id) { activated.push_back(id); },
                            [&](std::uint32_t id) { closed.push_back(id); }});
    Notification n{"ジュノ発サンドリア行きの飛空艇が出発します", "地球時間 2026/03/01 12:03:05\nあと 3 分 5 秒です。", 16, 16,
                   std::vector<unsigned char>(16 * 16 * 4, 0x80)};
    const std::uint32_t id = notifier_->Show(n);
    ASSERT_NE(id, 0u);
    const std::vector<NotifyCall> calls = service_->Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].app, "Norvane");
    EXPECT_EQ(calls[0].summary.toStdString(), n.summary);
    EXPECT_EQ(calls[0].body.toStdString(), n.body);
    EXPECT_EQ(calls[0].actions, (QStringList{"default", "開く"}));
    EXPECT_EQ(calls[0].imageWidth, 16);
    EXPECT_EQ(calls[0].imageHeight, 16);
    EXPECT_EQ(calls[0].timeout, -1);

    service_->Invoke(id, "other");
    service_->Invoke(id, "default");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !activated.empty(); }));
    service_->Close(id, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !closed.empty(); }));
    EXPECT_EQ(activated, std::vector<std::uint32_t>{id});
    EXPECT_EQ(closed, std::vector<std::uint32_t>{id});
    notifier_->SetHandlers({});
    service_->Unregister();
}

}  // namespace
}  // namespace norvane
