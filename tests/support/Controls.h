#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

// A window's control or command found by its object name, as the rest of the program knows it; a name the
// window does not have fails the test.
template <class T>
T* Named(const QObject& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no " << name << " in " << window.objectName().toStdString();
    return found;
}
