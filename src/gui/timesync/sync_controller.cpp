#include "gui/timesync/sync_controller.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "core/settings/internet_access.h"
#include "core/settings/settings_store.h"
#include "core/timesync/sync_messages.h"
#include "core/timesync/sync_runner.h"
#include "core/timesync/time_server.h"
#include "gui/main_window/user_messages.h"
#include "gui/settings/confirm_dialog.h"

namespace norvane {

TSyncController::TSyncController(QWidget* window, QLabel* status)
    : QObject(window), window_(window), status_(status), runner_(new SyncRunner(this)) {
    connect(runner_, &SyncRunner::finished, this, &TSyncController::RunnerFinished);
    if (status_) status_->setText(QString::fromUtf8(kTimeNotSyncedText));
}

TSyncController::~TSyncController() {
    // The runner (a child) cancels its exchange as it goes; the clock is then not set.
    RestoreCursor();
}

bool TSyncController::IsRunning() const { return runner_->IsRunning(); }

void TSyncController::actSyncExecute() {
    if (IsRunning()) return;
    if (ConfirmInternetAccess(window_, kTimeServerAccess) != DialogResult::Yes) return;
    QString server;
    {
        SettingsStore store;
        server = ReadTimeServerSetting(store);
    }
    Start(server, Route::Command);
}

void TSyncController::SyncWhenShown() {
    // The question must not come before the window it belongs to.
    if (window_->isVisible()) {
        QTimer::singleShot(0, this, &TSyncController::actSyncExecute);
        return;
    }
    startupPending_ = true;
    window_->installEventFilter(this);
}

bool TSyncController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show && startupPending_) {
        startupPending_ = false;
        window_->removeEventFilter(this);
        // Queued: the window paints first.
        QTimer::singleShot(0, this, &TSyncController::actSyncExecute);
    }
    return QObject::eventFilter(watched, event);
}

bool TSyncController::btnTimeSetClick(const QString& server) { return Start(server, Route::SyncNow); }

bool TSyncController::Start(const QString& server, Route route) {
    if (!runner_->Start(server, true, timeout_)) {
        // Another window's exchange is under way; it will tell its own outcome.
        userMessages().Beep(BeepKind::Asterisk);
        return false;
    }
    route_ = route;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    cursorWaiting_ = true;
    return true;
}

void TSyncController::RestoreCursor() {
    if (!cursorWaiting_) return;
    cursorWaiting_ = false;
    QGuiApplication::restoreOverrideCursor();
}

void TSyncController::RunnerFinished(const SyncOutcome& outcome) {
    // The cursor is back before a message waits for a click.
    RestoreCursor();
    if (!outcome.ok()) {
        WarnUser(window_, QString::fromUtf8(SyncMessageText(outcome.message)));
    } else if (route_ == Route::SyncNow) {
        InformUser(window_, QString::fromUtf8(kSyncSucceededText));
    } else if (status_) {
        status_->setText(QString::fromUtf8(kTimeSyncedText));
        emit statusChanged();
    }
    emit finished(outcome);
}

}  // namespace norvane
