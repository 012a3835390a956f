#pragma once
// Records what would have been played, in order; `output` false stands for a
// system without a sound device.
#include <QStringList>

#include "platform/sound.h"

namespace norvane {

class FakeSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& path) override { played.append(path); }
    bool hasOutput() override { return output; }
    QStringList played;
    bool output = true;
};

}  // namespace norvane
