#include "platform/sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace norvane {
namespace {

QtSoundPlayer g_qtPlayer;
SoundPlayer* g_current = &g_qtPlayer;

// Owned by the application object so that it goes away while Qt Multimedia is
// still alive; created on the first alarm, so a silent session never opens the
// audio device.
QPointer<QSoundEffect> g_effect;

}  // namespace

void QtSoundPlayer::play(const QString& path) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isReadable()) return;
    if (g_effect.isNull()) g_effect = new QSoundEffect(app);
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    // Stop first: setting the same source again would not restart it. A file that
    // failed before is loaded afresh, as it may have been replaced since.
    g_effect->stop();
    if (g_effect->source() == url && g_effect->status() == QSoundEffect::Error)
        g_effect->setSource(QUrl());
    g_effect->setSource(url);
    g_effect->play();
}

SoundPlayer& soundPlayer() { return *g_current; }

ScopedSoundPlayer::ScopedSoundPlayer(SoundPlayer& player) : previous_(g_current) {
    g_current = &player;
}
ScopedSoundPlayer::~ScopedSoundPlayer() { g_current = previous_; }

}  // namespace norvane
