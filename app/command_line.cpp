#include "command_line.h"

#include "cue_profile.h"

#include "rounds_presets.h"

namespace vellorin {
namespace {

// The options Qt's application object reads from the command line in window mode; they are
// known here so that they pass, and Qt takes them.
constexpr const char* kQtOptionsWithValue[] = {
    "style",   "stylesheet", "platform",        "platformpluginpath", "platformtheme", "plugin",
    "display", "geometry",   "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "title",
    "name",    "session",    "visual",          "qmljsdebugger"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The unknown options as the user typed them, dashes and all: "Unknown option '--bogus'."
QString UnknownOptions(const QStringList& names, const QStringList& arguments) {
    QStringList typed;
    for (const QString& name : names) {
        QString shown = QStringLiteral("-") + name;
        for (const QString& argument : arguments.mid(1)) {
            const QString bare = argument.section(QLatin1Char('='), 0, 0);
            if (bare.startsWith(QLatin1Char('-')) &&
                bare.mid(bare.startsWith("--") ? 2 : 1) == name) {
                shown = bare;
                break;
            }
        }
        typed.append(QStringLiteral("'%1'").arg(shown));
    }
    return typed.size() == 1 ? QStringLiteral("Unknown option %1.").arg(typed.constFirst())
                             : QStringLiteral("Unknown options: %1.").arg(typed.join(", "));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-style" is one option, as Qt reads it, not the five letters s, t, y, l and e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Vellorin, a timer for breath-hold training tables with spoken cues."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption table(
        QStringLiteral("table"),
        QStringLiteral("Print the table of a session file loop by loop, or of a table file "
                       "(.vtable) round by round."),
        QStringLiteral("FILE.ses"));
    const QCommandLineOption exportAudio(
        QStringLiteral("export-audio"),
        QStringLiteral("Export its whole session as audio file OUT; a table file (.vtable) "
                       "only when its every hold and rest is timed."),
        QStringLiteral("FILE.ses"));
    const QCommandLineOption newTable(
        QStringLiteral("new-table"),
        QStringLiteral("Write table KIND (%1) made from personal best PB (m:ss or seconds) to "
                       "OUT: a table file when OUT ends in .vtable (one-breath and intervals "
                       "need no PB), else a session file (co2 and o2).")
            .arg(PresetKeys().join(QStringLiteral(", "))),
        QStringLiteral("KIND"));
    const QCommandLineOption cues(
        QStringLiteral("cues"),
        QStringLiteral("With --table, print every cue heard instead: its second and its words."));
    const QCommandLineOption profile(
        QStringLiteral("profile"),
        QStringLiteral("With --table --cues or --export-audio, the cue profile: %1, a profile "
                       "of yours by name or a .vcues file; else the table's or your default.")
            .arg(BuiltInProfileKeys().join(QStringLiteral(", "))),
        QStringLiteral("NAME"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(table);
    parser.addOption(exportAudio);
    parser.addOption(newTable);
    parser.addOption(cues);
    parser.addOption(profile);
    parser.addPositionalArgument(
        QStringLiteral("FILE.ses"),
        QStringLiteral("A session file to open; with --export-audio, OUT."),
        QStringLiteral("[FILE.ses | OUT]"));

    CommandLine line;
    line.helpText =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vellorin"));
    AddQtOptions(parser);
    if (!parser.parse(arguments)) {
        line.mode = CommandLine::Mode::UsageError;
        line.error = parser.unknownOptionNames().isEmpty()
                         ? parser.errorText()
                         : UnknownOptions(parser.unknownOptionNames(), arguments);
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(help)) {
        line.mode = CommandLine::Mode::Help;
    } else if (parser.isSet(version)) {
        line.mode = CommandLine::Mode::Version;
    } else if (int(parser.isSet(table)) + int(parser.isSet(exportAudio)) +
                   int(parser.isSet(newTable)) >
               1) {
        line.mode = CommandLine::Mode::UsageError;
        line.error =
            QStringLiteral("--table, --export-audio and --new-table cannot be used together.");
    } else if ((parser.isSet(cues) && !parser.isSet(table)) ||
               (parser.isSet(profile) && !parser.isSet(exportAudio) && !parser.isSet(cues))) {
        line.mode = CommandLine::Mode::UsageError;
        line.error = QStringLiteral(
            "--cues goes with --table, and --profile with --table --cues or --export-audio.");
    } else if (parser.isSet(newTable)) {
        const std::optional<RoundsPreset> preset = PresetFromKey(parser.value(newTable));
        const bool withoutBest = preset && !UsesPersonalBest(*preset) && positional.size() == 1;
        line.mode = positional.size() == 2 || withoutBest ? CommandLine::Mode::NewTable
                                                          : CommandLine::Mode::UsageError;
        line.tableKind = parser.value(newTable);
        line.personalBest = withoutBest ? QString() : positional.value(0);
        line.output = positional.value(positional.size() - 1);
        line.error = QStringLiteral(
            "--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and "
            "intervals may go without the personal best.");
    } else if (parser.isSet(table)) {
        line.mode = positional.isEmpty() ? CommandLine::Mode::Table : CommandLine::Mode::UsageError;
        line.sessionFile = parser.value(table);
        line.cues = parser.isSet(cues);
        line.profile = parser.value(profile);
        line.error = QStringLiteral("--table takes no other argument.");
    } else if (parser.isSet(exportAudio)) {
        line.mode =
            positional.size() == 1 ? CommandLine::Mode::ExportAudio : CommandLine::Mode::UsageError;
        line.sessionFile = parser.value(exportAudio);
        line.profile = parser.value(profile);
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
