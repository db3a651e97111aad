#include "ApplicationFlow.h"
#include "CommandLine.h"
#include "FontSetUpAhead.h"
#include "MessageBox.h"
#include "PrepareApplication.h"
#include "SingleInstance.h"

#include <QApplication>
#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const zodiac::CommandLine command = zodiac::ReadCommandLine(arguments);
    if (command.action == zodiac::CommandLine::Answer) {
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        // A full disk or a closed pipe must not pass for an answer given.
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    if (command.action == zodiac::CommandLine::Refuse) {
        std::fputs(command.text.toLocal8Bit().constData(), stderr);
        return zodiac::CommandLineUsageStatus;
    }

    // Qt sees the program's name only: the command line is read already, and a record named like
    // one of Qt's own options (after "--") must not be taken for one.
    int qtArgc = 1;
    const zodiac::FontSetUpAhead fonts;
    QApplication app(qtArgc, argv);
    zodiac::PrepareApplication();

    // A second copy says so and ends; a record it was given is not opened.
    zodiac::SingleInstance instance;
    if (!instance.TryAcquire()) {
        zodiac::ShowMessage(nullptr, QStringLiteral("Application is already running"),
                            zodiac::MessageIcon::Information);
        return 0;
    }

    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    zodiac::ApplicationFlow flow(static_cast<std::uint32_t>(ticks));
    flow.StartApplication(QDate::currentDate(), command.recordPath);
    return QApplication::exec();
}
