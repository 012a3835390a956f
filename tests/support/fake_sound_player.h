#pragma once
// Records what would have been played, in order.
#include <QStringList>

#include "platform/sound.h"

namespace norvane {

class FakeSoundPlayer final : public SoundPlayer {
public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};

}  // namespace norvane
