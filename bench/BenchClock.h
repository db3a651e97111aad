#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

// Peak resident set of this process in KiB, from /proc/self/status (VmHWM); -1 if unknown.
inline long PeakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    // A /proc file has no size, so it is read whole rather than line by line up to atEnd().
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

inline double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

class FirstPaintWatch;

// The benchmarks' application: tells the active watch when each event has been dispatched,
// which an event filter cannot, since it sees events only before they are handled.
class BenchApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
    FirstPaintWatch* watch = nullptr;
};

// Times an action up to the first paint pass of a window that `wanted` accepts: the clock stops
// when the expose or update event in which that window was painted has been handled, that is,
// when its whole first frame, children included, has been handed to the X server.
//
// Everything runs from the application's own event loop, as a click does: the action is
// started from a zero timer and returns to the loop, so the window a hand-over closes is
// deleted when it would be for a user.
class FirstPaintWatch : public QObject {
public:
    using Done = std::function<void(double milliseconds, QWidget* window)>;

    FirstPaintWatch() {
        qApp->installEventFilter(this);
        static_cast<BenchApplication*>(qApp)->watch = this;
    }
    ~FirstPaintWatch() override {
        qApp->removeEventFilter(this);
        static_cast<BenchApplication*>(qApp)->watch = nullptr;
    }

    // From the event loop: runs `action`, and once a wanted window is shown calls `done` with
    // the milliseconds since the start of `action`, or with -1 and no window after five seconds.
    void Arm(std::function<bool(QWidget*)> wanted, std::function<void()> action, Done done) {
        QTimer::singleShot(
            0, this,
            [this, wanted = std::move(wanted), action = std::move(action), done = std::move(done)]() mutable {
                m_wanted = std::move(wanted);
                m_done = std::move(done);
                m_painted = nullptr;
                m_active = true;
                const int round = ++m_round;
                QTimer::singleShot(5000, this, [this, round] {
                    if (m_active && round == m_round)
                        Finish(-1, nullptr);
                });
                m_clock.start();
                action();
            });
    }

    // Called by BenchApplication once an expose or update event for `receiver` has been handled.
    void PaintPassDone(QObject* receiver) {
        if (!m_active || !m_painted)
            return;
        if (receiver != m_painted && receiver != static_cast<QObject*>(m_painted->windowHandle()))
            return;
        const double milliseconds = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        QWidget* window = m_painted;
        // The caller may close the window; let the paint pass unwind first.
        QTimer::singleShot(0, this, [this, milliseconds, window, round = m_round] {
            if (m_active && round == m_round)
                Finish(milliseconds, window);
        });
        m_painted = nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !m_active || m_painted)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && m_wanted(widget->window()))
            m_painted = widget->window();
        return false;
    }

private:
    void Finish(double milliseconds, QWidget* window) {
        m_active = false;
        Done done = std::move(m_done);
        done(milliseconds, window);
    }

    std::function<bool(QWidget*)> m_wanted;
    Done m_done;
    QElapsedTimer m_clock;
    QWidget* m_painted = nullptr;
    int m_round = 0;
    bool m_active = false;
};

inline bool BenchApplication::notify(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool handled = QApplication::notify(receiver, event);
    // `event` may be gone now; only its type is used, and `receiver` only as an address.
    if (watch && (type == QEvent::Expose || type == QEvent::UpdateRequest || type == QEvent::UpdateLater))
        watch->PaintPassDone(receiver);
    return handled;
}

} // namespace bench
