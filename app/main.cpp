#include "ApplicationFlow.h"
#include "MessageBox.h"
#include "PrepareApplication.h"
#include "SingleInstance.h"

#include <QApplication>
#include <chrono>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zodiac::PrepareApplication();

    zodiac::SingleInstance instance;
    if (!instance.TryAcquire()) {
        zodiac::ShowMessage(nullptr, QStringLiteral("Application is already running"),
                            zodiac::MessageIcon::Information);
        return 0;
    }

    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    zodiac::ApplicationFlow flow(static_cast<std::uint32_t>(ticks));
    flow.StartApplication(QDate::currentDate());
    return QApplication::exec();
}
