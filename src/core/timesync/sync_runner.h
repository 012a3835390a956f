#pragma once
// Runs a time-server exchange on a worker thread and reports back on the thread
// that owns the runner, so that the window keeps ticking while it waits:
//
//   runner_ = new SyncRunner(this);
//   connect(runner_, &SyncRunner::finished, this, &TSyncController::RunnerFinished);
//   if (!runner_->Start(server, true)) { /* one is already running */ }
//
// Only one exchange runs at a time in the whole program: Start refuses while any
// runner's exchange is under way.
#include <QObject>
#include <QString>
#include <memory>
#include <thread>

#include "core/timesync/sntp_client.h"

namespace norvane {

class SyncRunner : public QObject {
    Q_OBJECT

public:
    explicit SyncRunner(QObject* parent = nullptr);
    // Cancels a running exchange (the clock is then not set) and waits for its thread.
    ~SyncRunner() override;

    // QueryServerTime (setClock false) or SyncPcClock with pcClock() (true) for
    // `server`, on a worker thread; Finished follows through the event loop.
    // False, and nothing started, while an exchange is running anywhere.
    bool Start(const QString& server, bool setClock, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    bool IsRunning() const { return running_; }
    // Ends the running exchange early; Finished still follows, with ClockNotSet.
    void Cancel();

signals:
    void finished(const norvane::SyncOutcome& outcome);

private:
    void Deliver(const SyncOutcome& outcome);

    std::thread worker_;
    std::unique_ptr<SyncCancel> cancel_;
    bool running_ = false;
};

}  // namespace norvane
