#include "ApplicationFlow.h"

#include "EndApplication.h"
#include "SignDetermination.h"
#include "UpdateReminder.h"
#include "frmMain.h"
#include "frmSave.h"
#include "frmSignDetails.h"

#include <QAccessible>
#include <QEvent>
#include <QImage>
#include <QTimer>
#include <functional>

namespace zodiac {

namespace {

// Runs an action from the event loop once the watched window's first paint pass is over.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> action)
        : QObject(window), m_action(std::move(action)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(m_action));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

// Rows of the rehearsed window drawn at a time: a narrow band keeps the picture small.
constexpr int RehearsalBand = 64;

} // namespace

int CoBrand_Randomize(frmMain& window, std::mt19937& generator) {
    std::uniform_int_distribution<int> die(1, 6);
    const int drawn = die(generator);
    window.BringBrandLabelToFront(drawn % 2 == 1);
    return drawn;
}

ApplicationFlow::ApplicationFlow(std::uint32_t seed, QObject* parent) : QObject(parent), m_generator(seed) {}

void ApplicationFlow::StartApplication(const QDate& today, const QString& recordPath) {
    ShowUpdateReminder(today);
    frmMain* window = ShowMainWindow();
    CoBrand_Randomize(*window, m_generator);
    if (!recordPath.isEmpty())
        OpenRecordWhenShown(recordPath);
}

void ApplicationFlow::OpenRecordWhenShown(const QString& path) {
    // Tied to the window: should it be gone by then, there is nothing to open the record into.
    QMetaObject::invokeMethod(
        m_main.data(), [window = m_main.data(), path] { window->OpenRecord(path); }, Qt::QueuedConnection);
}

frmMain* ApplicationFlow::ShowMainWindow() {
    auto* window = new frmMain;
    connect(window, &frmMain::proceeded, this, [this](const ReadingInput& input) {
        DetermineSign(m_reading, m_table, input);
        ShowSignDetails();
    });
    connect(window, &frmMain::endRequested, this, [] { EndApplication(); });
    m_main = window;
    window->show();
    if (!m_rehearsed) {
        m_rehearsed = true;
        new AfterFirstPaint(window, [flow = QPointer<ApplicationFlow>(this)] {
            if (flow)
                flow->RehearseSignDetails();
        });
    }
    return window;
}

void ApplicationFlow::RehearseSignDetails() {
    // A screen reader is told of every window that is built, shown or not: with one listening,
    // nothing is rehearsed.
    if (QAccessible::isActive() || !m_main || !m_main->isVisible() || m_details)
        return;
    // An empty reading: the captions, links, menus, calendar and frames are the real window's, and
    // no glyph is drawn that the user's own reading might not need.
    frmSignDetails rehearsal{ZodiacReading{}};
    const qreal scale = m_main->devicePixelRatioF();
    QImage band(QSize(rehearsal.width(), RehearsalBand) * scale, QImage::Format_RGB32);
    band.setDevicePixelRatio(scale);
    for (int top = 0; top < rehearsal.height(); top += RehearsalBand)
        rehearsal.render(&band, QPoint(), QRegion(0, top, rehearsal.width(), RehearsalBand));
}

frmSignDetails* ApplicationFlow::ShowSignDetails() {
    auto* window = new frmSignDetails(m_reading);
    connect(window, &frmSignDetails::backRequested, this, &ApplicationFlow::ShowMainWindow);
    connect(window, &frmSignDetails::endRequested, this, [] { EndApplication(); });
    // Print opens the report modally; the details window waits until it is closed. It opens from
    // the event loop, after the press that asked for it has returned, so that whoever pressed
    // (a screen reader's action request too) is answered at once, not when the report closes.
    connect(
        window, &frmSignDetails::printRequested, window,
        [this, window] {
            frmSave report(m_reading, window);
            report.exec();
        },
        Qt::QueuedConnection);
    m_details = window;
    window->show();
    return window;
}

} // namespace zodiac
