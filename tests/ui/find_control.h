#pragma once
// The window tests reach a control by its object name; a missing one is a
// fault of the window, so the test stops there.

#include <QWidget>
#include <QtGlobal>

namespace tallimor {

template <class T = QWidget>
T* Findcontrol(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(name);
    if (!found) qFatal("no control %s", name);
    return found;
}

}  // namespace tallimor
