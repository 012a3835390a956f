#include "gui/timers/sound_notice.h"

#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "gui/main_window/user_messages.h"
#include "platform/sound.h"

namespace norvane {

void TellIfSoundsUnheard(QWidget* parent, const QStringList& played) {
    // A missing file is silent with or without a device: nothing to tell.
    const bool anyFile =
        std::any_of(played.begin(), played.end(), [](const QString& path) { return QFileInfo(path).isFile(); });
    if (!anyFile || !soundPlayer().NoOutputToTell()) return;
    // Shown from the event loop: a modal box inside the timers' tick would hold
    // the rest of that tick until it closes.
    QTimer::singleShot(0, [owner = QPointer<QWidget>(parent), ownerless = parent == nullptr] {
        if (owner || ownerless) WarnUser(owner, kNoSoundOutputMessage);
    });
}

}  // namespace norvane
