#include "AppIcon.h"
#include "AppInfo.h"
#include "MessageBox.h"
#include "SingleInstance.h"
#include "StartApplication.h"

#include <QApplication>
#include <chrono>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zodiac::ExecutableBaseName));
    QApplication::setWindowIcon(zodiac::ApplicationIcon());
    // Hand-overs close the only window for a moment; only EndApplication ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    zodiac::SingleInstance instance;
    if (!instance.TryAcquire()) {
        zodiac::ShowMessage(nullptr, QStringLiteral("Application is already running"),
                            zodiac::MessageIcon::Information);
        return 0;
    }

    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    ApplicationFlow flow(static_cast<std::uint32_t>(ticks));
    flow.StartApplication(QDate::currentDate());
    return QApplication::exec();
}
