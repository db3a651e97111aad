#pragma once
#include <QString>
#include <QStringList>

namespace zodiac {

// What the command line asks for. It is decided before QApplication exists, which needs a display,
// so that --help and --version answer over ssh and in scripts, and a refused line opens no window.
struct CommandLine {
    enum Action {
        Run,    // start as usual, then open `recordPath` when it is not empty
        Answer, // print `text` on standard output and end with status 0
        Refuse, // print `text`, one line, on standard error and end with CommandLineUsageStatus
    } action = Run;
    QString recordPath;
    QString text;
};

// Exit status of a command line that is refused, as for other programs' usage errors.
inline constexpr int CommandLineUsageStatus = 2;

// Reads the arguments as argv holds them, the program first. Qt's own options (-platform, -style)
// are refused like any other unknown option; QT_QPA_PLATFORM and QT_STYLE_OVERRIDE do their work.
CommandLine ReadCommandLine(const QStringList& arguments);

} // namespace zodiac
