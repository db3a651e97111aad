#include "ApplicationFlow.h"

#include "EndApplication.h"
#include "SignDetermination.h"
#include "UpdateReminder.h"
#include "frmMain.h"
#include "frmSave.h"
#include "frmSignDetails.h"

namespace zodiac {

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
    return window;
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
