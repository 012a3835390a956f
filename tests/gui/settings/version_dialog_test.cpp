// The version dialog as a player meets it, and the main window's web, update
// and version commands; no browser opens and no program starts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/settings/settings_store.h"
#include "core/settings/version_info.h"
#include "core/time/support.h"
#include "gui/controls/link_label.h"
#include "gui/main_window/main_window.h"
#include "gui/settings/confirm_dialog.h"
#include "gui/settings/version_dialog.h"
#include "modal_answer.h"
#include "support/fake_os_clock.h"
#include "support/fake_process_launcher.h"
#include "support/fake_sound_player.h"
#include "support/fake_url_opener.h"
#include "support/fake_user_messages.h"
#include "window_fixture.h"

namespace norvane {
namespace {

BuildInfo Record() {
    return {"Norvane - Vana'diel clock", "2.5.1", "Copyright (C) 2026 Tobrin", "https://tobrin.example/norvane/"};
}

// Each test gets its own settings file; beeps are recorded, addresses and
// programs go to fakes.
class VersionDialogTest : public testing::Test {
protected:
    VersionDialogTest() : messagesScope_(messages_), openerScope_(opener_), launcherScope_(launcher_) {
        path_ = dir_.filePath("Norvane.reg");
        qputenv("NORVANE_SETTINGS", path_.toUtf8());
    }

    void Store(const char* value, const char* text) {
        SettingsStore s(path_);
        s.WriteString("Option", value, text);
    }

    QTemporaryDir dir_;
    QString path_;
    FakeUserMessages messages_;
    ScopedUserMessages messagesScope_;
    FakeUrlOpener opener_;
    ScopedUrlOpener openerScope_;
    FakeProcessLauncher launcher_;
    ScopedProcessLauncher launcherScope_;
};

TEST_F(VersionDialogTest, ShowsTheRecordsTextsOrEmptyOnesAndTheBannerFileWhenPresent) {
    QTemporaryDir withBanner;
    QImage bmp(88, 31, QImage::Format_RGB32);
    bmp.fill(Qt::red);
    ASSERT_TRUE(bmp.save(withBanner.filePath("tobrinb.bmp"), "BMP"));
    struct Case {
        const char* what;
        BuildInfo record;
        QString folder;
        QString title, version, copyright, address;
        bool banner;
    };
    const Case cases[] = {
        {"record and banner", Record(), withBanner.path() + "/", "Norvane - Vana'diel clock", "Version 2.5.1",
         "Copyright (C) 2026 Tobrin", "https://tobrin.example/norvane/", true},
        {"empty record, no banner", BuildInfo{}, dir_.path() + "/", "", "Version ", "", "", false},
    };
    for (const Case& c : cases) {
        TfrmVer d(nullptr, c.record, c.folder);
        EXPECT_EQ(d.windowTitle(), "バージョン情報");
        EXPECT_EQ(d.size(), QSize(344, 223));
        EXPECT_EQ(Child<QLabel>(&d, "lblTitle")->text(), c.title) << c.what;
        EXPECT_EQ(Child<QLabel>(&d, "lblVersion")->text(), c.version) << c.what;
        EXPECT_EQ(Child<QLabel>(&d, "lblCopy1")->text(), c.copyright) << c.what;
        EXPECT_EQ(Child<QLabel>(&d, "lblHttp")->text(), c.address) << c.what;
        EXPECT_EQ(Child<QLabel>(&d, "lblCopy3")->text(),
                  "※記載されている会社名・製品名・システム名などは、各社の登録商標、もしくは商標です。");
        EXPECT_EQ(Child<QLabel>(&d, "lblWebsite")->text(), "Website :");
        EXPECT_EQ(Child<QLabel>(&d, "imgBanner")->pixmap().isNull(), !c.banner) << c.what;
        EXPECT_EQ(Child<QLabel>(&d, "imgTitle")->pixmap().size(), QSize(180, 24));
        EXPECT_FALSE(Child<QLabel>(&d, "imgIcon")->pixmap().isNull());
        EXPECT_TRUE(Child<QPushButton>(&d, "cmdOK")->isDefault());
    }
}

TEST_F(VersionDialogTest, LinkTurnsOrangeUnderTheMouseLooksPressedOnTheLeftButtonAndCopiesFromItsMenu) {
    TfrmVer d(nullptr, Record(), dir_.path() + "/");
    d.show();
    auto* link = Child<TLinkLabel>(&d, "lblHttp");
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
    auto colour = [&] { return link->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(), QColor(0, 0, 255));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(colour(), QColor(255, 128, 0));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(colour(), QColor(0, 0, 255));

    // Left button: one pixel right and down while held, back on release. A
    // release away from the link is no click.
    const QPoint home = link->pos();
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(link->pos(), home + QPoint(1, 1));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-40, -40));
    EXPECT_EQ(link->pos(), home);
    // The banner picture presses the same way.
    auto* banner = Child<TLinkLabel>(&d, "imgBanner");
    const QPoint bannerHome = banner->pos();
    QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(banner->pos(), bannerHome + QPoint(1, 1));
    QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(-40, -40));
    EXPECT_EQ(banner->pos(), bannerHome);

    // Right button: the pop-up menu, and the link stays where it is.
    QTest::mousePress(link, Qt::RightButton, {}, QPoint(3, 3));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(3, 3), link->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(link, &menuEvent);
    QTest::mouseRelease(link, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(link->pos(), home);
    auto* menu = Child<QMenu>(&d, "pupVer");
    EXPECT_TRUE(menu->isVisible());
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? QString("-") : a->text());
    EXPECT_EQ(items, QStringList({"コピー(&C)", "-", "キャンセル(&A)"}));
    QGuiApplication::clipboard()->clear();
    Child<QAction>(menu, "mnuOpen")->trigger();
    menu->close();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "https://tobrin.example/norvane/");
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(opener_.opened.isEmpty());
}

TEST_F(VersionDialogTest, LinkOpensTheAddressAndClosesOnlyAfterConsent) {
    TfrmVer d(nullptr, Record(), dir_.path() + "/");
    d.show();
    auto* link = Child<TLinkLabel>(&d, "lblHttp");
    // Declined: nothing opens and the dialog stays.
    QString asked;
    WhenModalShows<TfrmDlg>([&](TfrmDlg* q) {
        asked = q->windowTitle();
        Child<QPushButton>(q, "btnNo")->click();
    });
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(asked, "ウェブサイト表示の確認 - Norvane");
    EXPECT_TRUE(opener_.opened.isEmpty());
    EXPECT_TRUE(d.isVisible());

    // Not to be asked: a click on the banner opens at once and closes the dialog.
    Store("WebAccess", "0");
    QTest::mouseClick(Child<TLinkLabel>(&d, "imgBanner"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(opener_.opened, QStringList{"https://tobrin.example/norvane/"});
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

// --- The main window's commands -------------------------------------------------------

class WebCommandsTest : public VersionDialogTest {
protected:
    WebCommandsTest() : clockScope_(clock_), soundScope_(sound_) {
        clock_.setUtc({2003, 12, 1, 9, 0, 1, 0});
        clock_.setBias(-540);
    }

    FakeOsClock clock_;
    ScopedOsClock clockScope_;
    FakeSoundPlayer sound_;
    ScopedSoundPlayer soundScope_;
};

TEST_F(WebCommandsTest, UpdateHandsTheWindowsLeftEdgeAndVersionToTheProgramBesideTheExecutable) {
    TfrmMain w({"norvane"});
    QAction* update = Child<QAction>(&w, "actUpdate");
    // Declined: nothing starts.
    WhenModalShows<TfrmDlg>([](TfrmDlg* q) { Child<QPushButton>(q, "btnNo")->click(); });
    update->trigger();
    EXPECT_TRUE(launcher_.started.empty());

    Store("NewVersionAccess", "0");
    launcher_.starts = false;  // a missing program: no message either
    const QString version = QString::fromStdString(ProgramBuildInfo().version);
    ASSERT_FALSE(version.isEmpty());
    for (int left : {120, -1200}) {
        launcher_.started.clear();
        w.move(left, 40);
        update->trigger();
        ASSERT_EQ(launcher_.started.size(), 1u) << left;
        EXPECT_EQ(launcher_.started[0].program, QString::fromStdString(ProgramFolder()) + "quillnet");
        EXPECT_EQ(launcher_.started[0].arguments, QStringList({QString("/u:%1").arg(left), "/v:" + version}));
    }
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(messages_.beeps.size() == 1);  // the one question asked
    EXPECT_TRUE(opener_.opened.isEmpty());
}

TEST_F(WebCommandsTest, WebOpensThePageAtOnceWhenNotToBeAskedAndVersionShowsTheDialog) {
    TfrmMain w({"norvane"});
    Store("WebAccess", "0");
    Child<QAction>(&w, "actWeb")->trigger();
    EXPECT_EQ(opener_.opened, QStringList{QString::fromStdString(WebPageAddress())});
    EXPECT_TRUE(messages_.beeps.empty());

    QString version, address, family;
    WhenModalShows<TfrmVer>([&](TfrmVer* d) {
        version = Child<QLabel>(d, "lblVersion")->text();
        address = Child<QLabel>(d, "lblHttp")->text();
        family = d->font().family();
        Child<QPushButton>(d, "cmdOK")->click();
    });
    Child<QAction>(&w, "actVersion")->trigger();
    EXPECT_EQ(version, "Version " + QString::fromStdString(ProgramBuildInfo().version));
    EXPECT_EQ(address, QString::fromStdString(WebPageAddress()));
    EXPECT_EQ(family, w.font().family());
    EXPECT_TRUE(launcher_.started.empty());
}

}  // namespace
}  // namespace norvane
