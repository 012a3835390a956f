#pragma once
// Controls of the main window found by their object names, as the pages name
// them; a missing one fails the test.
#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace norvane {

template <typename T>
T* Child(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (!child) ADD_FAILURE() << "no control " << name.toStdString();
    return child;
}

// The control `name` of timer cell `cell` (0..11): ("cmbTimer", 0) is "cmbTimer1".
template <typename T>
T* CellChild(const QObject& parent, const char* name, int cell) {
    return Child<T>(parent, QString::fromLatin1(name) + QString::number(cell + 1));
}

}  // namespace norvane
