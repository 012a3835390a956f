#pragma once
// Answers a modal dialog from inside the test: polls for the active modal widget
// of type T and acts on it once, from the dialog's own event loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace norvane {

template <typename T>
void WhenModalShows(std::function<void(T*)> act, int giveUpMs = 5000) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, act, giveUpMs] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && waited->elapsed() < giveUpMs) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (dialog) act(dialog);
    });
    poll->start(10);
}

}  // namespace norvane
