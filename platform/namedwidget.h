#pragma once

#include <QLatin1String>
#include <QObject>

namespace platform {

// A control given the object name that tests and screen-reader checks find it by.
template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace platform
