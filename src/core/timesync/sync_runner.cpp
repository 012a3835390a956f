#include "core/timesync/sync_runner.h"

#include <QMetaObject>
#include <atomic>

namespace norvane {
namespace {

// Two exchanges at once (the start-up synchronisation and the options dialog's
// button) would race to set the clock.
std::atomic<bool> g_busy{false};

}  // namespace

SyncRunner::SyncRunner(QObject* parent) : QObject(parent) {}

SyncRunner::~SyncRunner() {
    if (cancel_) cancel_->Cancel();
    if (worker_.joinable()) worker_.join();
    if (running_) g_busy = false;
}

bool SyncRunner::Start(const QString& server, bool setClock, std::chrono::milliseconds timeout) {
    if (running_) return false;
    bool expected = false;
    if (!g_busy.compare_exchange_strong(expected, true)) return false;
    if (worker_.joinable()) worker_.join();
    running_ = true;
    cancel_ = std::make_unique<SyncCancel>();
    SntpOptions options;
    options.timeout = timeout;
    options.cancel = cancel_.get();
    PcClock* clock = &pcClock();
    worker_ = std::thread([this, host = server.toStdString(), setClock, options, clock] {
        const SyncOutcome outcome = setClock ? SyncPcClock(host, *clock, options) : QueryServerTime(host, options);
        // Queued to the runner's own thread; dropped by Qt if the runner is gone by then.
        QMetaObject::invokeMethod(this, [this, outcome] { Deliver(outcome); }, Qt::QueuedConnection);
    });
    return true;
}

void SyncRunner::Cancel() {
    if (cancel_) cancel_->Cancel();
}

void SyncRunner::Deliver(const SyncOutcome& outcome) {
    if (worker_.joinable()) worker_.join();
    running_ = false;
    g_busy = false;
    emit finished(outcome);
}

}  // namespace norvane
