#include "command_line.h"

#include <QCoreApplication>

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
    if (typed.size() == 1) {
        //: %1 is the option as typed, in quotes: '--bogus'.
        return QCoreApplication::translate("CommandLine", "Unknown option %1.")
            .arg(typed.constFirst());
    }
    //: %1 lists the options as typed, in quotes: '--bogus', '-x'.
    return QCoreApplication::translate("CommandLine", "Unknown options: %1.").arg(typed.join(", "));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-style" is one option, as Qt reads it, not the five letters s, t, y, l and e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Vellorin, a timer for breath-hold training tables with spoken cues."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version."));
    // The names of the values (FILE.ses, OUT, KIND, PB, NAME) are the words the descriptions
    // use for them; a translation names them alike in both.
    const QCommandLineOption table(
        QStringLiteral("table"),
        QCoreApplication::translate("CommandLine",
                                    "Print the table of a session file loop by loop, or of a "
                                    "table file (.vtable) round by round."),
        //: The value of an option: a session file, named with its ending .ses.
        QCoreApplication::translate("CommandLine", "FILE.ses"));
    const QCommandLineOption exportAudio(
        QStringLiteral("export-audio"),
        //: OUT is the output file's name in the usage, as the help lists it.
        QCoreApplication::translate("CommandLine",
                                    "Export its whole session as audio file OUT; a table file "
                                    "(.vtable) only when its every hold and rest is timed."),
        QCoreApplication::translate("CommandLine", "FILE.ses"));
    const QCommandLineOption newTable(
        QStringLiteral("new-table"),
        //: %1 lists the kinds (co2, o2, ...), typed as they are in every language, as are co2,
        //: o2, one-breath and intervals here. KIND, PB and OUT are the values' names in the
        //: usage, as the help lists them.
        QCoreApplication::translate(
            "CommandLine",
            "Write table KIND (%1) made from personal best PB (m:ss or seconds) to OUT: a table "
            "file when OUT ends in .vtable (one-breath and intervals need no PB), else a session "
            "file (co2 and o2).")
            .arg(PresetKeys().join(QStringLiteral(", "))),
        //: The value of --new-table: the kind of table.
        QCoreApplication::translate("CommandLine", "KIND"));
    const QCommandLineOption cues(
        QStringLiteral("cues"),
        QCoreApplication::translate(
            "CommandLine",
            "With --table, print every cue heard instead: its second and its words."));
    const QCommandLineOption profile(
        QStringLiteral("profile"),
        //: %1 lists the built-in profiles (classic, guided, ...), typed as they are in every
        //: language.
        QCoreApplication::translate("CommandLine",
                                    "With --table --cues or --export-audio, the cue profile: "
                                    "%1, a profile of yours by name or a .vcues file; else the "
                                    "table's or your default.")
            .arg(BuiltInProfileKeys().join(QStringLiteral(", "))),
        //: The value of --profile: a cue profile's name.
        QCoreApplication::translate("CommandLine", "NAME"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(table);
    parser.addOption(exportAudio);
    parser.addOption(newTable);
    parser.addOption(cues);
    parser.addOption(profile);
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "FILE.ses"),
        QCoreApplication::translate("CommandLine",
                                    "A session file to open; with --export-audio, OUT."),
        //: The arguments after the options in the usage line: a session file, or with
        //: --export-audio the output file.
        QCoreApplication::translate("CommandLine", "[FILE.ses | OUT]"));

    CommandLine line;
    // Qt names the program "<executable_name>", or by the path it was started by once there is
    // an application object (the help in the user's language): the help says vellorin either way.
    line.helpText = parser.helpText();
    const QString started = QCoreApplication::instance() != nullptr
                                ? QCoreApplication::arguments().value(0)
                                : QStringLiteral("<executable_name>");
    if (const qsizetype at = line.helpText.indexOf(started); !started.isEmpty() && at >= 0) {
        line.helpText.replace(at, started.size(), QStringLiteral("vellorin"));
    }
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
        line.error = QCoreApplication::translate(
            "CommandLine", "--table, --export-audio and --new-table cannot be used together.");
    } else if ((parser.isSet(cues) && !parser.isSet(table)) ||
               (parser.isSet(profile) && !parser.isSet(exportAudio) && !parser.isSet(cues))) {
        line.mode = CommandLine::Mode::UsageError;
        line.error = QCoreApplication::translate(
            "CommandLine",
            "--cues goes with --table, and --profile with --table --cues or --export-audio.");
    } else if (parser.isSet(newTable)) {
        const std::optional<RoundsPreset> preset = PresetFromKey(parser.value(newTable));
        const bool withoutBest = preset && !UsesPersonalBest(*preset) && positional.size() == 1;
        line.mode = positional.size() == 2 || withoutBest ? CommandLine::Mode::NewTable
                                                          : CommandLine::Mode::UsageError;
        line.tableKind = parser.value(newTable);
        line.personalBest = withoutBest ? QString() : positional.value(0);
        line.output = positional.value(positional.size() - 1);
        line.error = QCoreApplication::translate(
            "CommandLine",
            "--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and "
            "intervals may go without the personal best.");
    } else if (parser.isSet(table)) {
        line.mode = positional.isEmpty() ? CommandLine::Mode::Table : CommandLine::Mode::UsageError;
        line.sessionFile = parser.value(table);
        line.cues = parser.isSet(cues);
        line.profile = parser.value(profile);
        line.error = QCoreApplication::translate("CommandLine", "--table takes no other argument.");
    } else if (parser.isSet(exportAudio)) {
        line.mode =
            positional.size() == 1 ? CommandLine::Mode::ExportAudio : CommandLine::Mode::UsageError;
        line.sessionFile = parser.value(exportAudio);
        line.profile = parser.value(profile);
        line.output = positional.value(0);
        line.error = QCoreApplication::translate(
            "CommandLine", "--export-audio FILE.ses takes one output file, OUT.");
    } else if (positional.size() > 1) {
        line.mode = CommandLine::Mode::UsageError;
        line.error =
            QCoreApplication::translate("CommandLine", "Only one session file can be opened.");
    } else if (positional.size() == 1) {
        line.sessionFile = positional.constFirst();
    }
    return line;
}

}  // namespace vellorin
