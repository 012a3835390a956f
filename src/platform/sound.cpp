#include "platform/sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace norvane {
namespace {

QtSoundPlayer g_qtPlayer;
SoundPlayer* g_current = &g_qtPlayer;

using PlayFn = void (*)(const QString&);

// The audio module beside the program, loaded once; null when it cannot be had.
PlayFn AudioModule() {
    static PlayFn play = [] {
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/libnorvane_sound.so"));
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        return reinterpret_cast<PlayFn>(module.resolve("norvane_play_sound"));
    }();
    return play;
}

}  // namespace

void QtSoundPlayer::play(const QString& path) {
    if (QCoreApplication::instance() == nullptr) return;
    QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isReadable()) return;
    if (PlayFn fn = AudioModule()) fn(file.absoluteFilePath());
}

SoundPlayer& soundPlayer() { return *g_current; }

ScopedSoundPlayer::ScopedSoundPlayer(SoundPlayer& player) : previous_(g_current) {
    g_current = &player;
}
ScopedSoundPlayer::~ScopedSoundPlayer() { g_current = previous_; }

}  // namespace norvane
