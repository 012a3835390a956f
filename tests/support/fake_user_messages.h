#pragma once
// Records the beeps and message boxes instead of sounding and showing them.
#include <QString>
#include <vector>

#include "gui/main_window/user_messages.h"

namespace norvane {

class FakeUserMessages final : public UserMessages {
public:
    struct Shown {
        MessageIcon icon;
        QString text;
    };

    void Beep(BeepKind kind) override { beeps.push_back(kind); }
    void Show(QWidget*, MessageIcon icon, const QString& text) override { shown.push_back({icon, text}); }
    bool Ask(QWidget*, const QString& text) override {
        asked.push_back(text);
        return answer;
    }

    std::vector<BeepKind> beeps;
    std::vector<Shown> shown;
    std::vector<QString> asked;
    bool answer = true;  // what Ask answers: Yes
};

}  // namespace norvane
