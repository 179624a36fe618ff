#include "command_line.h"

namespace vellorin {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vellorin, a timer for breath-hold training tables with spoken cues."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("FILE.ses"),
                                 QStringLiteral("A session file to open in the window."),
                                 QStringLiteral("[FILE.ses]"));

    CommandLine line;
    line.helpText =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vellorin"));
    if (!parser.parse(arguments)) {
        line.mode = CommandLine::Mode::UsageError;
        line.error = parser.errorText();
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(help)) {
        line.mode = CommandLine::Mode::Help;
    } else if (parser.isSet(version)) {
        line.mode = CommandLine::Mode::Version;
    } else if (positional.size() > 1) {
        line.mode = CommandLine::Mode::UsageError;
        line.error = QStringLiteral("Only one session file can be opened.");
    } else if (positional.size() == 1) {
        line.sessionFile = positional.constFirst();
    }
    return line;
}

}  // namespace vellorin
