#pragma once
// What the tests of the main window share: a settings file of the test's own, a
// clock standing at the base instant (game 0934/08/04 18:00:00, weekday 5,
// moon 5) until a test moves it, the window itself, and controls found by
// their object names.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QApplication>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "activate_window.h"
#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "support/fake_os_clock.h"

// Readable failure messages for texts and text lists.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(", ").toStdString() << '}'; }
QT_END_NAMESPACE

namespace norvane {

// A control below `parent`, found by its object name; a failure when missing.
template <class T = QWidget>
T* Child(const QObject* parent, const char* name) {
    T* c = parent->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}
template <class T = QWidget>
T* Child(const QObject& parent, const char* name) {
    return Child<T>(&parent, name);
}
template <class T = QWidget>
T* Child(const QObject* parent, const QString& name) {
    return Child<T>(parent, name.toUtf8().constData());
}
template <class T = QWidget>
T* Child(const QObject& parent, const QString& name) {
    return Child<T>(&parent, name);
}

// The control `name` of timer cell `cell` (0..11): ("cmbTimer", 0) is "cmbTimer1".
template <class T>
T* CellChild(const QObject& parent, const char* name, int cell) {
    return Child<T>(parent, QString::fromLatin1(name) + QString::number(cell + 1));
}

// A turn of the mouse wheel over `target` as the window system delivers it:
// what the widget leaves ignored travels on to its parents.
inline void Wheel(QWidget* target, int notches) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // Straight to notify: sendEvent would clear the mark of a window-system event.
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(target, &event);
}

// `Base` is testing::Test, or testing::TestWithParam<...> for a suite run over
// a table of values (WindowFixtureWithParam).
template <class Base>
class WindowFixtureOf : public Base {
protected:
    WindowFixtureOf() {
        clockScope_.emplace(clock_);
        path_ = dir_.filePath("Norvane.reg");
        qputenv("NORVANE_SETTINGS", path_.toUtf8());
        clock_.setUtc({2003, 12, 1, 9, 0, 1, 0});
        clock_.setBias(-540);
    }

    // For tests that need time to pass by itself: the process clock again.
    void UseRealClock() { clockScope_.reset(); }

    // A number in the test's settings file, written before or read after the window.
    void Write(const char* section, const char* name, int value) {
        SettingsStore(path_).WriteInteger(section, name, value);
    }
    int Stored(const char* section, const char* name, int missing = 99) const {
        return SettingsStore(path_).ReadInteger(section, name, missing);
    }

    // A window of its own, not yet shown, for tests that look at it before and
    // after showing or run more than one.
    static std::unique_ptr<TfrmMain> Start(std::vector<std::string> args = {"norvane"}) {
        return std::make_unique<TfrmMain>(args);
    }
    // The fixture's window, shown and active.
    TfrmMain& Show(std::vector<std::string> args = {"norvane"}) {
        window_ = Start(std::move(args));
        ActivateWindow(*window_);
        return *window_;
    }

    // A control of the shown window.
    template <class T = QWidget>
    T* Child(const char* name) {
        return norvane::Child<T>(window_.get(), name);
    }
    // Below any parent: the member above hides the free function in the tests.
    template <class T = QWidget, class P, class N>
    static T* Child(const P& parent, const N& name) {
        return norvane::Child<T>(parent, name);
    }

    QTemporaryDir dir_;
    QString path_;
    FakeOsClock clock_;
    std::optional<ScopedOsClock> clockScope_;
    std::unique_ptr<TfrmMain> window_;
};

using WindowFixture = WindowFixtureOf<testing::Test>;
template <class P>
using WindowFixtureWithParam = WindowFixtureOf<testing::TestWithParam<P>>;

}  // namespace norvane
