#include "EndApplication.h"

#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>

namespace zodiac {

namespace {
bool ending = false;

std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

bool IsEndingApplication() {
    return ending;
}

void SetEndApplicationHook(std::function<void()> hook) {
    Hook() = std::move(hook);
    ending = false;
}

void EndApplication() {
    if (ending) {
        return;
    }
    ending = true;

    // Closing one window may delete others (children that are windows of their own), so hold them
    // by guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        windows.append(w);
    }
    for (const QPointer<QWidget>& w : windows) {
        if (w) {
            w->close();
        }
    }

    if (Hook()) {
        Hook()();
        return;
    }
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(0);
    } else {
        // Called before the event loop started: end it as soon as it starts.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
}

} // namespace zodiac
