#pragma once
// Tells the user, with a warning box over the window, of the settings file's
// problems the store met: a save that failed (a full or read-only disk), a file
// that cannot be read. The store queues each kind once per run; this shows them
// from the event loop, never from within the operation that met the problem.
#include <QObject>

class QWidget;

namespace norvane {

class TSettingsNotices : public QObject {
public:
    explicit TSettingsNotices(QWidget* window);
    ~TSettingsNotices() override;

    // Shows every notice queued and not yet shown.
    void ShowPending();

private:
    QWidget* window_;
};

}  // namespace norvane
