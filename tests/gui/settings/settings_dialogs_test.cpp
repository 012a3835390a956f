#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/settings/internet_access.h"
#include "core/settings/settings_store.h"
#include "gui/controls/labels.h"
#include "gui/settings/confirm_dialog.h"
#include "gui/settings/proxy_dialog.h"
#include "layout_check.h"
#include "modal_answer.h"
#include "support/fake_user_messages.h"
#include "window_fixture.h"

namespace norvane {
namespace {

// Each test gets its own settings file and records the beeps.
class SettingsDialogsTest : public testing::Test {
protected:
    SettingsDialogsTest() : scope_(messages_) {
        path_ = dir_.filePath("Norvane.reg");
        qputenv("NORVANE_SETTINGS", path_.toUtf8());
    }

    QTemporaryDir dir_;
    QString path_;
    FakeUserMessages messages_;
    ScopedUserMessages scope_;
};

// --- The confirmation -----------------------------------------------------------------

enum class Close { Yes, No, Escape, CloseButton };

TEST_F(SettingsDialogsTest, OnlyYesWithTheBoxCheckedSilencesTheQuestionForThatKindAlone) {
    struct Case {
        Close close;
        bool check;
        DialogResult result;
        bool asksAgain;
    };
    const Case cases[] = {
        {Close::Yes, true, DialogResult::Yes, false},   {Close::Yes, false, DialogResult::Yes, true},
        {Close::No, true, DialogResult::No, true},      {Close::Escape, true, DialogResult::No, true},
        {Close::CloseButton, true, DialogResult::No, true},
    };
    for (const Case& c : cases) {
        QFile::remove(path_);
        messages_.beeps.clear();
        QString caption, message, shown, yes, no;
        bool onTop = false, okHidden = false, hasIcon = false, unchecked = false;
        WhenModalShows<TfrmDlg>([&](TfrmDlg* d) {
            caption = d->windowTitle();
            message = d->Message();
            shown = Child<QLabel>(d, "lblMsg")->text();
            yes = Child<QPushButton>(d, "btnYes")->text();
            no = Child<QPushButton>(d, "btnNo")->text();
            onTop = d->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            okHidden = Child<QPushButton>(d, "btnOk")->isHidden();
            hasIcon = !Child<QLabel>(d, "imgIcon")->pixmap().isNull();
            QCheckBox* box = Child<QCheckBox>(d, "chkInfo");
            unchecked = !box->isChecked();
            EXPECT_EQ(box->text(), "今後、このメッセージを表示しない(&I)");
            if (c.check) box->click();
            switch (c.close) {
                case Close::Yes: Child<QPushButton>(d, "btnYes")->click(); break;
                case Close::No: Child<QPushButton>(d, "btnNo")->click(); break;
                case Close::Escape: QTest::keyClick(d, Qt::Key_Escape); break;
                case Close::CloseButton: d->close(); break;
            }
        });
        const DialogResult r = ConfirmInternetAccess(nullptr, kWebAccess);
        EXPECT_EQ(r, c.result) << static_cast<int>(c.close);
        EXPECT_EQ(caption, "ウェブサイト表示の確認 - Norvane");
        EXPECT_EQ(message, QString::fromUtf8(kWebAccess.message));
        EXPECT_EQ(shown.remove('\n'), QString::fromUtf8(kWebAccess.message).remove('\n'));  // wrapped to fit
        EXPECT_EQ(yes, "はい(&Y)");
        EXPECT_EQ(no, "いいえ(&N)");
        EXPECT_TRUE(onTop && okHidden && hasIcon && unchecked);
        EXPECT_EQ(messages_.beeps, std::vector<BeepKind>{BeepKind::Question});
        SettingsStore s(path_);
        EXPECT_EQ(s.ReadBool("Option", "WebAccess", true), c.asksAgain) << static_cast<int>(c.close);
        // The other kinds are untouched.
        EXPECT_FALSE(s.ValueExists("Option", "TimeServerAccess"));
        EXPECT_FALSE(s.ValueExists("Option", "NewVersionAccess"));
    }
}

TEST_F(SettingsDialogsTest, ASilencedKindGoesAheadWithoutDialogOrBeepUntilTurnedBackOn) {
    {
        SettingsStore s(path_);
        s.WriteString("Option", "WebAccess", "0");
    }
    bool shown = false;
    WhenModalShows<TfrmDlg>([&](TfrmDlg* d) { shown = true; d->reject(); }, 300);
    EXPECT_EQ(ConfirmInternetAccess(nullptr, kWebAccess), DialogResult::Yes);
    EXPECT_FALSE(QTest::qWaitFor([&] { return shown; }, 400));
    EXPECT_TRUE(messages_.beeps.empty());
    // Checked again in the options dialog: the question comes back.
    {
        SettingsStore s(path_);
        s.WriteBool("Option", "WebAccess", true);
    }
    WhenModalShows<TfrmDlg>([&](TfrmDlg* d) { shown = true; Child<QPushButton>(d, "btnNo")->click(); });
    EXPECT_EQ(ConfirmInternetAccess(nullptr, kWebAccess), DialogResult::No);
    EXPECT_TRUE(shown);
}

// --- The proxy dialog -----------------------------------------------------------------

struct ProxyControls {
    explicit ProxyControls(const QWidget* d)
        : useProxy(Child<QGroupBox>(d, "chkUseProxy")),
          useIt(Child<QCheckBox>(d, "chkUseItSetting")),
          serverLabel(Child<QLabel>(d, "lblProxyServer")),
          server(Child<QLineEdit>(d, "edtProxyServer")),
          portLabel(Child<QLabel>(d, "lblProxyPort")),
          port(Child<QLineEdit>(d, "edtProxyPort")) {}
    // Enabled states as "UseIt ServerLabel Server PortLabel Port".
    std::string Enabled() const {
        std::string s;
        for (const QWidget* w : std::initializer_list<const QWidget*>{useIt, serverLabel, server, portLabel, port})
            s += w->isEnabled() ? '1' : '0';
        return s;
    }
    void ClickUseProxy() const { ClickTitleCheckBox(useProxy); }
    QGroupBox* useProxy;
    QCheckBox* useIt;
    QLabel* serverLabel;
    QLineEdit* server;
    QLabel* portLabel;
    QLineEdit* port;
};

// Each question wraps between phrases only, and the dialog gives the lines room.
TEST_F(SettingsDialogsTest, TheQuestionBreaksOnlyBetweenPhrasesAndFitsItsDialog) {
    for (const InternetAccess* access : {&kTimeServerAccess, &kWebAccess, &kNewVersionAccess}) {
        SCOPED_TRACE(access->ask->name);
        TfrmDlg d;
        const QString message = QString::fromUtf8(access->message);
        d.SetMessage(QString::fromUtf8(access->caption), message);
        auto* msg = Child<QLabel>(&d, "lblMsg");
        const QStringList lines = msg->text().split('\n');
        int at = 0;
        for (const QString& line : lines) {
            EXPECT_LE(msg->fontMetrics().horizontalAdvance(line), msg->width()) << line.toStdString();
            at = static_cast<int>(message.indexOf(line, at));
            ASSERT_GE(at, 0) << line.toStdString();
            if (at > 0 && message[at - 1] != '\n') { EXPECT_TRUE(PhraseBreakAllowed(message, at)) << line.toStdString(); }
            at += static_cast<int>(line.size());
        }
        EXPECT_LE(static_cast<int>(lines.size()) * msg->fontMetrics().lineSpacing(), msg->height());
        EXPECT_GE(Child<QWidget>(&d, "chkInfo")->y(), msg->geometry().bottom());
        EXPECT_LE(Child<QWidget>(&d, "btnNo")->geometry().bottom(), d.height());
    }
    // The phrases of the time server's question, at a width that cuts "必要です。".
    const QString q = QString::fromUtf8(kTimeServerAccess.message).section('\n', 0, 0);
    const QFontMetrics fm(QApplication::font());
    const QString wrapped = WrapAtPhrases(q, fm, fm.horizontalAdvance(q) - 2);
    EXPECT_EQ(wrapped.section('\n', 1), QStringLiteral("必要です。"));
}

// The port field shows the longest port it takes whole, its first digit included.
TEST_F(SettingsDialogsTest, TheLongestPortShowsWhole) {
    TfrmProxy d;
    d.show();
    auto* port = Child<QLineEdit>(&d, "edtProxyPort");
    port->setEnabled(true);
    port->setText(QString(port->maxLength(), '9'));
    port->end(false);
    QApplication::processEvents();
    const int first = port->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() -
                      port->fontMetrics().horizontalAdvance(port->text());
    EXPECT_GE(first, port->contentsRect().left());
}

TEST_F(SettingsDialogsTest, ProxyFieldsOpenOnlyForAProxyOfOurOwn) {
    TfrmProxy d;
    {
        SettingsStore s(path_);
        d.LoadSettings(s);
    }
    ProxyControls c(&d);
    EXPECT_EQ(d.windowTitle(), "プロキシの設定 - Norvane");
    // The check box titles the group of the fields it switches.
    EXPECT_EQ(c.useProxy->title(), "プロキシ サーバーを使用する(&X)");
    EXPECT_TRUE(c.useProxy->isAncestorOf(c.useIt) && c.useProxy->isAncestorOf(c.port));
    // An empty store: all off and closed, no server, port "0".
    EXPECT_FALSE(c.useProxy->isChecked());
    EXPECT_FALSE(c.useIt->isChecked());
    EXPECT_EQ(c.server->text(), "");
    EXPECT_EQ(c.port->text(), "0");
    EXPECT_EQ(c.Enabled(), "00000");

    c.ClickUseProxy();
    EXPECT_EQ(c.Enabled(), "11111");
    c.useIt->click();
    EXPECT_EQ(c.Enabled(), "10000");
    c.ClickUseProxy();
    EXPECT_EQ(c.Enabled(), "00000");
    c.useIt->click();  // disabled: the click does nothing
    EXPECT_TRUE(c.useIt->isChecked());
    c.ClickUseProxy();
    EXPECT_EQ(c.Enabled(), "10000");
    c.useIt->click();
    EXPECT_EQ(c.Enabled(), "11111");
}

TEST_F(SettingsDialogsTest, StoredProxyValuesShowWithTheirEnabledStates) {
    {
        SettingsStore s(path_);
        s.WriteBool("Option\\Proxy", "Enable", true);
        s.WriteBool("Option\\Proxy", "UseInternetSetting", true);
        s.WriteString("Option\\Proxy", "Server", "proxy.lan");
        s.WriteInteger("Option\\Proxy", "Port", 3128);
    }
    TfrmProxy d;
    {
        SettingsStore s(path_);
        d.LoadSettings(s);
    }
    ProxyControls c(&d);
    EXPECT_TRUE(c.useProxy->isChecked());
    EXPECT_TRUE(c.useIt->isChecked());
    EXPECT_EQ(c.server->text(), "proxy.lan");
    EXPECT_EQ(c.port->text(), "3128");
    EXPECT_EQ(c.Enabled(), "10000");
}

TEST_F(SettingsDialogsTest, TypedLettersNeverReachThePortAndAClearedPortKeepsTheStoredOne) {
    {
        SettingsStore s(path_);
        s.WriteInteger("Option\\Proxy", "Port", 8080);
    }
    std::string typed;
    WhenModalShows<TfrmProxy>([&](TfrmProxy* d) {
        ProxyControls c(d);
        c.ClickUseProxy();
        c.server->setText("proxy.lan");
        c.port->setFocus();
        c.port->selectAll();
        QTest::keyClicks(c.port, "3a1-2x8 ");
        typed = c.port->text().toStdString();
        QTest::keyClick(c.port, Qt::Key_Backspace);
        QTest::keyClicks(c.port, "999999");  // five characters at most
        EXPECT_EQ(c.port->text(), "31299");
        // Pasted full-width digits are not the port's: the field refuses them.
        c.port->selectAll();
        c.port->insert(QStringLiteral("１２"));
        EXPECT_EQ(c.port->text(), "31299");
        c.port->clear();
        Child<QPushButton>(d, "btnOk")->click();
    });
    EditProxySettings(nullptr);
    EXPECT_EQ(typed, "3128");
    SettingsStore s(path_);
    EXPECT_TRUE(s.ReadBool("Option\\Proxy", "Enable", false));
    EXPECT_FALSE(s.ReadBool("Option\\Proxy", "UseInternetSetting", true));
    EXPECT_EQ(s.ReadString("Option\\Proxy", "Server", ""), "proxy.lan");
    EXPECT_EQ(s.ReadInteger("Option\\Proxy", "Port", 0), 8080);
}

TEST_F(SettingsDialogsTest, CancelStoresNothingAndOkStoresAtOnce) {
    WhenModalShows<TfrmProxy>([&](TfrmProxy* d) {
        ProxyControls c(d);
        c.ClickUseProxy();
        c.server->setText("proxy.lan");
        Child<QPushButton>(d, "btnCancel")->click();
    });
    EditProxySettings(nullptr);
    EXPECT_FALSE(QFile::exists(path_) && SettingsStore(path_).SubSections("Option").contains("Proxy"));

    // Centred on its owner (470 x 412, as the options dialog).
    QWidget owner;
    owner.setGeometry(200, 150, 470, 412);
    QPoint topLeft;
    QSize size;
    WhenModalShows<TfrmProxy>([&](TfrmProxy* d) {
        topLeft = d->frameGeometry().topLeft();
        size = d->size();
        ProxyControls c(d);
        c.ClickUseProxy();
        c.port->setText("3128");
        Child<QPushButton>(d, "btnOk")->click();
    });
    EditProxySettings(&owner);
    EXPECT_EQ(topLeft, QPoint(200 + 235 - size.width() / 2, 150 + 206 - size.height() / 2));
    SettingsStore s(path_);
    EXPECT_TRUE(s.ReadBool("Option\\Proxy", "Enable", false));
    EXPECT_EQ(s.ReadInteger("Option\\Proxy", "Port", 0), 3128);
}

}  // namespace
}  // namespace norvane
