// The main window's keyboard and mouse wheel beyond what its controls do:
// the arrows move the focus, digits on the timer page press the timers' function
// keys, remote-control keys step the pages, and the wheel may scroll the page
// that shows by a set number of lines. The window sees every key and wheel turn
// of its controls before they do.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QWheelEvent>

#include <cstdlib>

#include "core/main_window/key_mapping.h"
#include "gui/controls/line_page_control.h"
#include "gui/controls/scroll_box_ex.h"
#include "gui/main_window/main_window.h"

namespace norvane {

class TKeyPreview : public QObject {
public:
    explicit TKeyPreview(TfrmMain* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (t != QEvent::KeyPress && t != QEvent::Wheel) return false;
        if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_) return false;
        return t == QEvent::KeyPress ? window_->PreviewKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event))
                                     : window_->PreviewWheel(static_cast<QWheelEvent*>(event));
    }

private:
    TfrmMain* window_;
};

void TfrmMain::InstallInputPreview() { qApp->installEventFilter(new TKeyPreview(this)); }

bool TfrmMain::PreviewKey(QWidget* receiver, QKeyEvent* e) {
    // A key not taken by its control travels up to the parents: look at it once.
    QWidget* target = focusWidget() ? focusWidget() : this;
    if (receiver != target) return false;
    // The menu bar's own keys (after Alt) walk its menus.
    if (qobject_cast<QMenuBar*>(receiver) || qobject_cast<QMenu*>(receiver)) return false;

    if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) {
        focusNextPrevChild(e->key() == Qt::Key_Right);
        return true;
    }

    const RemoteCommand command = RemoteCommandForKey(e->key(), e->nativeVirtualKey());
    if (command != RemoteCommand::None) {
        ApplyRemoteCommand(prefixes_, command);
        switch (command) {
            case RemoteCommand::OpenMenu:
                if (mbrMenu->isVisible()) mbrMenu->setActiveAction(mnuMenu->menuAction());
                break;
            case RemoteCommand::NextControl: focusNextPrevChild(true); break;
            case RemoteCommand::NextPage:
            case RemoteCommand::PrevPage:
                pclMain->SetActivePage(PageIndex(SteppedPage(currentPage_, command == RemoteCommand::NextPage)));
                break;
            default: break;
        }
        return true;
    }

    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        prefixes_ = {};
        // The calendar's filter boxes take Enter as a click.
        if (currentPage_ == Page::Calendar)
            if (auto* box = qobject_cast<QCheckBox*>(receiver); box && box->objectName().startsWith("chkCalen"))
                box->toggle();
        return false;
    }

    // Characters only: a lone modifier or a function key changes nothing.
    const QString text = e->text();
    if (text.isEmpty() || !text.front().isPrint()) return false;
    const bool chord = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const char32_t ch = chord ? U'\0' : static_cast<char32_t>(text.front().unicode());
    const FunctionKey key = TypedCharacter(prefixes_, ch, pclMain->ActivePage() == PageIndex(Page::Timer));
    if (key.number > 0) PressFunctionKey(key.number, key.ctrl);
    return false;  // the character still reaches its control
}

void TfrmMain::PressFunctionKey(int number, bool ctrl) {
    // Queued, as a typed key would be: it arrives after the digit has been handled.
    QMetaObject::invokeMethod(
        this,
        [this, number, ctrl] {
            // A key event sent to a control is offered to the shortcuts first,
            // as a typed one is: a disabled action ignores it.
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
            const Qt::KeyboardModifiers mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_F1 + number - 1, mods);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1 + number - 1, mods);
            QApplication::sendEvent(target, &release);
        },
        Qt::QueuedConnection);
}

bool TfrmMain::PreviewWheel(QWheelEvent* e) {
    if (!wheelOwn_) return false;
    // Over a page's scroll box or anything on it, enabled or not.
    QWidget* under = QApplication::widgetAt(e->globalPosition().toPoint());
    bool overPage = false;
    for (QWidget* w = under; w && w != this; w = w->parentWidget())
        if (qobject_cast<TScrollBoxEx*>(w)) {
            overPage = true;
            break;
        }
    if (!overPage) return false;
    TScrollBoxEx* const boxes[kPageCount] = {scrTimer, scrShip, scrGuild, scrRacial, scrChoco, scrSkill, scrCalen};
    QScrollBar* bar = boxes[PageIndex(currentPage_)]->verticalScrollBar();
    // One notch is 120; finer wheels add up to notches.
    wheelDelta_ += e->angleDelta().y();
    const int notches = wheelDelta_ / 120;
    wheelDelta_ -= notches * 120;
    for (int i = 0; i < std::abs(notches); ++i) {
        const bool down = notches < 0;  // toward the user
        const int more = (wheelLines_ - 1) * bar->singleStep();
        bar->setValue(bar->value() + (down ? more : -more));
        bar->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    }
    e->accept();
    return true;
}

}  // namespace norvane
