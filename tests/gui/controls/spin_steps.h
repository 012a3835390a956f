#pragma once
// What a player does to a spin box and what its edit then shows, for the tables
// of the spin boxes' tests. The spin's window must be active, for the focus.
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QWheelEvent>

namespace norvane::testing_support {

enum class SpinAct { Type, Commit, Paste, Key, Wheel, WheelUnfocused };

struct SpinStep {
    QString before;  // the edit's text first
    SpinAct act;
    QString text;  // Type: the characters typed over the whole text; Paste: what is pasted over it
    int key;       // Key: the key pressed at the text's end; Wheel: the notches turned
    QString shows;
};

constexpr int WithAlt(int key) { return key | static_cast<int>(Qt::AltModifier); }

// Keys go where a real keyboard sends them: to the focused spin box.
inline void SendKey(QWidget* to, int key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(to, &press);
    QApplication::sendEvent(to, &release);
}

inline void Perform(QSpinBox* spin, const SpinStep& step) {
    auto* edit = spin->findChild<QLineEdit*>();
    spin->setFocus();
    edit->setText(step.before);
    edit->selectAll();
    switch (step.act) {
        case SpinAct::Type:
            for (const QChar c : step.text) SendKey(spin, Qt::Key_unknown, QString(c));
            break;
        case SpinAct::Commit: {
            QInputMethodEvent commit;
            commit.setCommitString(step.text);
            QApplication::sendEvent(spin, &commit);
            break;
        }
        case SpinAct::Paste:
            edit->insert(step.text);
            break;
        case SpinAct::Key: {
            edit->end(false);
            const int key = step.key & ~Qt::KeyboardModifierMask;
            const QString text = key == Qt::Key_Backspace ? QStringLiteral("\b") : step.text;
            SendKey(spin, key, text, Qt::KeyboardModifiers(step.key & Qt::KeyboardModifierMask));
            break;
        }
        case SpinAct::WheelUnfocused:
            spin->clearFocus();
            [[fallthrough]];
        case SpinAct::Wheel: {
            const QPointF at(spin->width() / 2.0, spin->height() / 2.0);
            QWheelEvent turn(at, spin->mapToGlobal(at), QPoint(), QPoint(0, 120 * step.key), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(spin, &turn);
            break;
        }
    }
}

}  // namespace norvane::testing_support
