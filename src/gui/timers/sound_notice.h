#pragma once
// Telling the player, once per run, that the sounds of "♪" and of the alarms
// cannot be heard because the system has no sound device. Everything else goes
// on as before: the timers run and each alarm counts as played.
#include <QString>
#include <QStringList>

class QWidget;

namespace norvane {

inline const QString kNoSoundOutputMessage =
    QStringLiteral("音を再生できる装置が見つかりません。\nアラームの音は鳴りませんが、タイマーはそのまま動きます。");

// After `played` was handed to the sound player: when one of them is a file
// that exists and the player has no output, warns over `parent` once, after the
// caller's own work is done (the warning waits for no tick).
void TellIfSoundsUnheard(QWidget* parent, const QStringList& played);

}  // namespace norvane
