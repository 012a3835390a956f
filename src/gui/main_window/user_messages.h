#pragma once
// The beeps and message boxes that tell the user of an outcome, behind one small
// interface so that tests see which message was shown without a modal box
// waiting for a click.
#include <QString>

class QWidget;

namespace norvane {

enum class BeepKind { Exclamation, Asterisk, Question };
enum class MessageIcon { Warning, Information };

class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void Beep(BeepKind kind) = 0;
    // A message box with one OK button over `parent`; returns when it closes.
    virtual void Show(QWidget* parent, MessageIcon icon, const QString& text) = 0;
    // A question box with Yes and No over `parent`; true for Yes. Messages that
    // never ask answer No.
    virtual bool Ask(QWidget* parent, const QString& text) {
        (void)parent;
        (void)text;
        return false;
    }
};

// The system's beep and a modal message box titled "Norvane".
class DesktopUserMessages final : public UserMessages {
public:
    void Beep(BeepKind kind) override;
    void Show(QWidget* parent, MessageIcon icon, const QString& text) override;
    bool Ask(QWidget* parent, const QString& text) override;
};

// What every part of the program uses. Defaults to DesktopUserMessages.
UserMessages& userMessages();

// Replaces the process's messages while alive (tests); restores the previous ones on destruction.
class ScopedUserMessages {
public:
    explicit ScopedUserMessages(UserMessages& messages);
    ~ScopedUserMessages();
    ScopedUserMessages(const ScopedUserMessages&) = delete;
    ScopedUserMessages& operator=(const ScopedUserMessages&) = delete;

private:
    UserMessages* previous_;
};

// An error the user must know of: exclamation beep, then a warning box.
void WarnUser(QWidget* parent, const QString& text);
// An outcome worth telling: asterisk beep, then an information box.
void InformUser(QWidget* parent, const QString& text);
// Before a deletion: question beep, then a Yes/No box; true for Yes.
bool AskUser(QWidget* parent, const QString& text);

}  // namespace norvane
