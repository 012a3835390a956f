// The audio half of the sound layer, built as a module of its own and loaded on
// the first alarm, so a session that never sounds an alarm never loads the audio
// stack. One QSoundEffect for the whole program: a newer sound cuts off an older one.
#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Owned by the application object so that it goes away while Qt Multimedia is
// still alive.
QPointer<QSoundEffect> g_effect;

}  // namespace

extern "C" __attribute__((visibility("default"))) void norvane_play_sound(const QString& path) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    if (g_effect.isNull()) g_effect = new QSoundEffect(app);
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    // Stop first: setting the same source again would not restart it. A file that
    // failed before is loaded afresh, as it may have been replaced since.
    g_effect->stop();
    if (g_effect->source() == url && g_effect->status() == QSoundEffect::Error)
        g_effect->setSource(QUrl());
    g_effect->setSource(url);
    g_effect->play();
}

// Whether the system offers a sound output at all (a sound server or a card).
// Asked afresh each time: a headset may be plugged in while the program runs.
extern "C" __attribute__((visibility("default"))) bool norvane_sound_output_exists() {
    if (QCoreApplication::instance() == nullptr) return false;
    return !QMediaDevices::audioOutputs().isEmpty();
}
