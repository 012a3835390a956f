#include "gui/controls/number_spin.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

namespace norvane {

TNumberSpin::TNumberSpin(int min, int max, int maxLength, Reading read, QWidget* parent)
    : QSpinBox(parent), read_(std::move(read)) {
    setRange(min, max);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::StrongFocus);
    lineEdit()->setMaxLength(maxLength);
    // Keys reach the edit both through the spin box and straight.
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
}

QValidator::State TNumberSpin::validate(QString& input, int& pos) const {
    const QString shown = textFromValue(valueFromText(input));
    if (shown != input) {
        // The cursor keeps its distance from the end, as far as the new text allows.
        pos = std::clamp(static_cast<int>(shown.size()) - (static_cast<int>(input.size()) - pos), 0,
                         static_cast<int>(shown.size()));
        input = shown;
    }
    return QValidator::Acceptable;
}

void TNumberSpin::fixup(QString& input) const { input = textFromValue(valueFromText(input)); }

int TNumberSpin::valueFromText(const QString& text) const {
    return std::clamp(read_(text), minimum(), maximum());
}

// Plain digits whatever the locale: the edit holds what the settings store.
QString TNumberSpin::textFromValue(int value) const { return QString::number(value); }

namespace {
bool AllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}
}  // namespace

bool TNumberSpin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // A letter typed with Alt (a mnemonic nothing took) would still be inserted;
        // only Ctrl makes a key an editing shortcut (Ctrl+A, Ctrl+V ...).
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool shortcut = key->modifiers() & Qt::ControlModifier;
        if (!shortcut && !text.isEmpty() && text.at(0).isPrint() && !AllDigits(text)) return true;
    } else if (event->type() == QEvent::InputMethod) {
        // What an input method commits is typed too.
        if (!AllDigits(static_cast<QInputMethodEvent*>(event)->commitString())) return true;
    }
    return QSpinBox::eventFilter(watched, event);
}

void TNumberSpin::wheelEvent(QWheelEvent* event) {
    if (hasFocus())
        QSpinBox::wheelEvent(event);
    else
        event->ignore();
}

}  // namespace norvane
