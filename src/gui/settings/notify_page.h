#pragma once
// The options dialog's "通知" page: which events are announced on the desktop
// and how long before, and the tray clock's two switches. Loaded from the
// settings when made, written back by Store.
#include <QWidget>

#include <vector>

class QCheckBox;
class QListWidget;
class QSpinBox;

namespace norvane {

class SettingsStore;
struct NotifyChoices;

class TNotifyPage : public QWidget {
    Q_OBJECT
public:
    explicit TNotifyPage(QWidget* parent = nullptr);

    void Load(const SettingsStore& store);
    void Store(SettingsStore& store) const;
    NotifyChoices Choices() const;

signals:
    // Any edit of the player's.
    void changed();

private:
    QListWidget* lstRoutes_;
    QListWidget* lstGuilds_;
    std::vector<QCheckBox*> weekdays_;
    std::vector<QCheckBox*> moons_;
    QCheckBox* chkRacial_;
    QCheckBox* chkChocobo_;
    QCheckBox* chkTimers_;
    QSpinBox* spnMinutes_;
    QCheckBox* chkTrayEnabled_;
    QCheckBox* chkCloseToTray_;
};

}  // namespace norvane
