#include "gui/main_window/settings_notices.h"

#include <QMetaObject>
#include <QWidget>

#include "core/settings/settings_notice.h"
#include "gui/main_window/user_messages.h"

namespace norvane {

TSettingsNotices::TSettingsNotices(QWidget* window) : QObject(window), window_(window) {
    // The problem may be met on any thread and inside a batch of settings: the
    // box waits for the event loop.
    SetSettingsNoticeListener(
        [this] { QMetaObject::invokeMethod(this, &TSettingsNotices::ShowPending, Qt::QueuedConnection); });
    // Those met before the window was there (reading the file at the start).
    QMetaObject::invokeMethod(this, &TSettingsNotices::ShowPending, Qt::QueuedConnection);
}

TSettingsNotices::~TSettingsNotices() { SetSettingsNoticeListener({}); }

void TSettingsNotices::ShowPending() {
    for (const SettingsNotice& notice : TakeSettingsNotices()) WarnUser(window_, SettingsNoticeText(notice));
}

}  // namespace norvane
