#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>
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

// Watches the whole application for the first paint of a top-level window that `wanted`
// accepts. The window counts as shown once that paint pass has finished, which is the
// next turn of the event loop, so the children painted in the same pass are included.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(std::function<bool(QWidget*)> wanted) : m_wanted(std::move(wanted)) {
        qApp->installEventFilter(this);
    }
    ~FirstPaintWatch() override { qApp->removeEventFilter(this); }

    // Runs `action`, then the event loop until the window is shown; returns milliseconds
    // from the start of `action`, or -1 after five seconds without it.
    double Time(const std::function<void()>& action, const std::function<void(QWidget*)>& onShown = {}) {
        m_pending = false;
        m_onShown = onShown;
        m_elapsed = -1;
        m_active = true;
        m_clock.start();
        action();
        if (m_elapsed < 0) {
            QEventLoop loop;
            m_loop = &loop;
            QTimer::singleShot(5000, &loop, &QEventLoop::quit);
            loop.exec();
            m_loop = nullptr;
        }
        m_active = false;
        return m_elapsed;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !m_active || m_pending)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !m_wanted(widget->window()))
            return false;
        m_pending = true;
        QWidget* window = widget->window();
        QTimer::singleShot(0, this, [this, window] {
            if (!m_active)
                return;
            m_elapsed = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
            if (m_onShown)
                m_onShown(window);
            if (m_loop)
                m_loop->quit();
        });
        return false;
    }

private:
    std::function<bool(QWidget*)> m_wanted;
    std::function<void(QWidget*)> m_onShown;
    QElapsedTimer m_clock;
    QEventLoop* m_loop = nullptr;
    bool m_active = false;
    bool m_pending = false;
    double m_elapsed = -1;
};

} // namespace bench
