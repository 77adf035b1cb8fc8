#pragma once

#include <QApplication>
#include <QObject>
#include <QWidget>
#include <QString>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

// Finds a control below root by its object name, the way a user finds it by its caption. A
// missing control fails the test and ends it by an exception that GoogleTest catches, so that
// the next line never dereferences null and takes the remaining tests down with it.
template <class T>
T *child(QObject &root, const char *name)
{
    T *found = root.findChild<T *>(QString::fromLatin1(name));
    if (!found) {
        const std::string what = std::string("no ") + T::staticMetaObject.className() + " named " + name;
        ADD_FAILURE() << what;
        throw std::runtime_error(what);
    }
    return found;
}

// A window of the running program by its object name, shown or hidden, the way the run keeps it.
template <class T>
T *window(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name)) {
            if (T *found = qobject_cast<T *>(widget))
                return found;
        }
    }
    const std::string what = std::string("no window ") + T::staticMetaObject.className() + " named " + name;
    ADD_FAILURE() << what;
    throw std::runtime_error(what);
}
