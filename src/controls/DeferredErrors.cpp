#include "controls/DeferredErrors.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <exception>

void RunDeferringErrors(const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [error = std::current_exception()] { std::rethrow_exception(error); },
            Qt::QueuedConnection);
    }
}
