#include "gui/main_window/user_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace norvane {
namespace {

UserMessages* g_messages = nullptr;

}  // namespace

void DesktopUserMessages::Beep(BeepKind) { QApplication::beep(); }

void DesktopUserMessages::Show(QWidget* parent, MessageIcon icon, const QString& text) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    QStringLiteral("Norvane"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopUserMessages::Ask(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Norvane"), text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

UserMessages& userMessages() {
    static DesktopUserMessages desktop;
    return g_messages ? *g_messages : desktop;
}

ScopedUserMessages::ScopedUserMessages(UserMessages& messages) : previous_(g_messages) { g_messages = &messages; }

ScopedUserMessages::~ScopedUserMessages() { g_messages = previous_; }

void WarnUser(QWidget* parent, const QString& text) {
    userMessages().Beep(BeepKind::Exclamation);
    userMessages().Show(parent, MessageIcon::Warning, text);
}

void InformUser(QWidget* parent, const QString& text) {
    userMessages().Beep(BeepKind::Asterisk);
    userMessages().Show(parent, MessageIcon::Information, text);
}

bool AskUser(QWidget* parent, const QString& text) {
    userMessages().Beep(BeepKind::Question);
    return userMessages().Ask(parent, text);
}

}  // namespace norvane
