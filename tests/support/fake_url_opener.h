#pragma once
// Records the addresses that would have been opened.
#include <QStringList>

#include "platform_gui/url_opener.h"

namespace norvane {

class FakeUrlOpener final : public UrlOpener {
public:
    bool Open(const QString& address) override {
        opened.append(address);
        return true;
    }

    QStringList opened;
};

}  // namespace norvane
