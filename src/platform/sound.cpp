#include "platform/sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace norvane {
namespace {

QtSoundPlayer g_qtPlayer;
SoundPlayer* g_current = &g_qtPlayer;

struct AudioModule {
    void (*play)(const QString&) = nullptr;
    bool (*hasOutput)() = nullptr;
};

// The audio module beside the program, loaded once; its functions are null when
// it cannot be had.
const AudioModule& Audio() {
    static const AudioModule audio = [] {
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/libnorvane_sound.so"));
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        AudioModule a;
        a.play = reinterpret_cast<void (*)(const QString&)>(module.resolve("norvane_play_sound"));
        a.hasOutput = reinterpret_cast<bool (*)()>(module.resolve("norvane_sound_output_exists"));
        return a;
    }();
    return audio;
}

}  // namespace

void QtSoundPlayer::play(const QString& path) {
    if (QCoreApplication::instance() == nullptr) return;
    QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isReadable()) return;
    if (auto fn = Audio().play) fn(file.absoluteFilePath());
}

bool QtSoundPlayer::hasOutput() {
    if (QCoreApplication::instance() == nullptr) return false;
    auto fn = Audio().hasOutput;
    return fn != nullptr && fn();
}

SoundPlayer& soundPlayer() { return *g_current; }

ScopedSoundPlayer::ScopedSoundPlayer(SoundPlayer& player) : previous_(g_current) {
    g_current = &player;
}
ScopedSoundPlayer::~ScopedSoundPlayer() { g_current = previous_; }

}  // namespace norvane
