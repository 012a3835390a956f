#pragma once
// Alarm sounds, behind one small interface so that tests never play real sound.
#include <QString>
#include <QStringList>

namespace norvane {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing a wave file and returns at once. A newer sound cuts off one
    // still playing. A missing or unplayable file, or no sound device, is skipped
    // silently: the caller treats the sound as played either way.
    virtual void play(const QString& path) = 0;
    // Whether the system has a sound output device to play on. False also when
    // the audio layer cannot be had: nothing is heard either way.
    virtual bool hasOutput() = 0;
    // True the first time only that it is asked while there is no output, so the
    // player hears once that sounds go unheard and the program goes on silently.
    bool NoOutputToTell() {
        if (toldNoOutput_ || hasOutput()) return false;
        toldNoOutput_ = true;
        return true;
    }

private:
    bool toldNoOutput_ = false;
};

// Plays through Qt Multimedia with one player for the whole program. The audio
// module ("libnorvane_sound.so" beside the program) is loaded on the first sound.
// Needs a running Qt application; without one, or without the module, nothing is played.
class QtSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& path) override;
    // Asks the audio module for the system's outputs (loading it when needed).
    bool hasOutput() override;
};

// The player every part of the program uses. Defaults to a QtSoundPlayer.
SoundPlayer& soundPlayer();

// Replaces the process player while alive (tests); restores the previous one on destruction.
class ScopedSoundPlayer {
public:
    explicit ScopedSoundPlayer(SoundPlayer& player);
    ~ScopedSoundPlayer();
    ScopedSoundPlayer(const ScopedSoundPlayer&) = delete;
    ScopedSoundPlayer& operator=(const ScopedSoundPlayer&) = delete;

private:
    SoundPlayer* previous_;
};

}  // namespace norvane
