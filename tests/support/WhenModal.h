#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `check` on the modal window of type T once one is open, looking again every few milliseconds
// for a few seconds: a modal window opened from the event loop is not there yet when the call that
// asks for it returns, and one opened by the call itself only exists once its own loop runs. A
// modal window of another type is closed, so that a test never hangs on it.
template <typename T> void WhenModal(std::function<void(T*)> check, int triesLeft = 500) {
    // The first look comes as soon as the event loop runs, the later ones a little apart.
    QTimer::singleShot(triesLeft == 500 ? 0 : 10, qApp, [check, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* wanted = qobject_cast<T*>(modal))
                check(wanted);
            else
                modal->close();
        } else if (triesLeft > 0) {
            WhenModal<T>(check, triesLeft - 1);
        }
    });
}
