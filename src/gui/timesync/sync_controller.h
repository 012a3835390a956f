#pragma once
// Setting the PC clock from a time server on the user's request: the main
// window's command (with the confirmation, and once at start-up when asked for)
// and the options dialog's "sync now". The exchange runs on a worker thread
// (SyncRunner): the window keeps ticking while it waits, under the wait cursor.
// One exchange at a time per window; the outcome is told by beep and message box.
#include <QObject>
#include <QString>
#include <chrono>

#include "core/timesync/sntp_client.h"

class QLabel;
class QWidget;

namespace norvane {

class SyncRunner;

class TSyncController : public QObject {
    Q_OBJECT
public:
    // `window` owns the controller and is the parent of its dialogs; `status`,
    // when given, is the window's synchronisation state ("時刻未同期" until a
    // synchronisation from actSyncExecute succeeds).
    TSyncController(QWidget* window, QLabel* status);
    ~TSyncController() override;

    // The main window's command: the confirmation (unless turned off), then the
    // exchange with "Time\Server". Nothing while an exchange runs.
    void actSyncExecute();
    // The start-up synchronisation ("Time\ExecuteSync" on): actSyncExecute once,
    // right after the window shows.
    void SyncWhenShown();
    // The options dialog's "sync now" with the server text as typed: no
    // confirmation; success is told by a message and leaves the status alone.
    // False when nothing started (an exchange is already running).
    bool btnTimeSetClick(const QString& server);

    bool IsRunning() const;
    // The wait for the server's reply (5 s unless set).
    void SetReplyTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

signals:
    // The status label's text changed (its width may have).
    void statusChanged();
    // An exchange ended and its message, if any, was shown.
    void finished(const norvane::SyncOutcome& outcome);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Route { Command, SyncNow };
    bool Start(const QString& server, Route route);
    void RunnerFinished(const SyncOutcome& outcome);
    void RestoreCursor();

    QWidget* window_;
    QLabel* status_;
    SyncRunner* runner_;
    Route route_ = Route::Command;
    bool cursorWaiting_ = false;
    bool startupPending_ = false;
    std::chrono::milliseconds timeout_{5000};
};

}  // namespace norvane
