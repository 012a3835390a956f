#pragma once
// Shows a window and makes it the active one: window-wide shortcuts and focus
// changes only reach an active, visible window.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace norvane {

inline void ActivateWindow(QWidget& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    QElapsedTimer t;
    t.start();
    while (!w.isActiveWindow() && t.elapsed() < 2000) QApplication::processEvents();
    ASSERT_TRUE(w.isActiveWindow());
}

}  // namespace norvane
