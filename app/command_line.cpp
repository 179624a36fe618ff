#include "command_line.h"

namespace vellorin {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vellorin, a timer for breath-hold training tables with spoken cues."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption table(
        QStringLiteral("table"), QStringLiteral("Print the table of a session file loop by loop."),
        QStringLiteral("FILE.ses"));
    const QCommandLineOption exportAudio(
        QStringLiteral("export-audio"),
        QStringLiteral("Export its whole session as audio file OUT."), QStringLiteral("FILE.ses"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(table);
    parser.addOption(exportAudio);
    parser.addPositionalArgument(
        QStringLiteral("FILE.ses"),
        QStringLiteral("A session file to open; with --export-audio, OUT."),
        QStringLiteral("[FILE.ses | OUT]"));

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
    } else if (parser.isSet(table) && parser.isSet(exportAudio)) {
        line.mode = CommandLine::Mode::UsageError;
        line.error = QStringLiteral("--table and --export-audio cannot be used together.");
    } else if (parser.isSet(table)) {
        line.mode = positional.isEmpty() ? CommandLine::Mode::Table : CommandLine::Mode::UsageError;
        line.sessionFile = parser.value(table);
        line.error = QStringLiteral("--table takes no other argument.");
    } else if (parser.isSet(exportAudio)) {
        line.mode =
            positional.size() == 1 ? CommandLine::Mode::ExportAudio : CommandLine::Mode::UsageError;
        line.sessionFile = parser.value(exportAudio);
        line.output = positional.value(0);
        line.error = QStringLiteral("--export-audio FILE.ses takes one output file, OUT.");
    } else if (positional.size() > 1) {
        line.mode = CommandLine::Mode::UsageError;
        line.error = QStringLiteral("Only one session file can be opened.");
    } else if (positional.size() == 1) {
        line.sessionFile = positional.constFirst();
    }
    return line;
}

}  // namespace vellorin
