#include "CommandLine.h"

#include "AppInfo.h"

#include <QCommandLineParser>

namespace zodiac {

CommandLine ReadCommandLine(const QStringList& arguments) {
    const QString program = QString::fromUtf8(ExecutableBaseName);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("%1: your Chinese zodiac sign and element from your date of birth.")
            .arg(QString::fromUtf8(ApplicationTitle)));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("RECORD.str"),
        QStringLiteral(
            "A saved reading to open, as Open Previously Saved Record in the main window opens it."),
        QStringLiteral("[RECORD.str]"));

    // An argument may hold a line break; the error stays on one line all the same.
    const auto refuse = [&program](const QString& why) {
        return CommandLine{CommandLine::Refuse,
                           {},
                           program + QStringLiteral(": ") + why.simplified() +
                               QStringLiteral(" See --help.\n")};
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        // Without a QCoreApplication the parser's usage line names no program; ours names it.
        QString text = parser.helpText();
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
        return {CommandLine::Answer,
                {},
                QStringLiteral("Usage: %1 [--help] [--version] [RECORD.str]\n").arg(program) + text};
    }
    if (parser.isSet(version))
        return {
            CommandLine::Answer, {}, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(ZODIAC_VERSION))};

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QStringLiteral("One record at a time; %1 were given.").arg(files.size()));
    return {CommandLine::Run, files.value(0), {}};
}

} // namespace zodiac
